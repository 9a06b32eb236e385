<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 compilação %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar a página inicial do %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentários e suporte</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>O programa usa o codificador de MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Verificar atualizações</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Escolha uma pasta:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Adicionando arquivos</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Arquivos adicionados</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Procurando arquivos...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Procurando arquivos... %1 encontrado(s)</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Nenhum arquivo foi adicionado: nenhum deles tem uma extensão listada em &quot;Adicionar somente as seguintes extensões de arquivo em &quot;Adicionar pasta&quot; e arrastar e soltar&quot; nas Opções.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversão %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Arquivo atual</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Convertendo...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Falha na conversão</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvo como %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Convertendo %1 de %2 arquivo(s) para %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Convertendo %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Medindo a intensidade sonora %1 de %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Medindo %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Decorrido %1, restante %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Decorrido %1, estimando o tempo restante...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Intensidade sonora indefinida (silêncio digital): nenhuma etiqueta de intensidade sonora foi gravada.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 arquivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 arquivos convertidos</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertido(s), %2 com falha</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 de %2 arquivo não foi convertido.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 de %2 arquivos não foi convertido.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 de %2 arquivos não foram convertidos.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 de %2 arquivo foi salvo na pasta Documentos.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 de %2 arquivos foram salvos na pasta Documentos.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Adicionando arquivo %1 de %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Falha ao carregar os seguintes arquivos.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;mais arquivos&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, então o arquivo foi salvo na pasta Documentos.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Por exemplo: o arquivo original é &quot;/home/user/Music/pop/1.mp3&quot; e a pasta de saída é &quot;/media/output.&quot; Se a opção estiver marcada, a pasta de saída será &quot;/media/output/home/user/Music/pop.&quot;</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Adicionar &amp;somente as seguintes extensões de arquivo em &quot;Adicionar pasta&quot; e arrastar e soltar</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Observação: use vírgula (,) para separar várias extensões. Por exemplo: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Pasta de &amp;saída:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Pasta &amp;personalizada:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>P&amp;rocurar</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Criar pastas de acordo com o caminho do arquivo original</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Se o arquivo de destino &amp;existir </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Salvar os arquivos na pasta &amp;Documentos se a criação do arquivo falhar</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Abrir a pasta de saída ao concluir a conversão</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Con&amp;versões simultâneas:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Intensidade sonora</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>As etiquetas ReplayGain permitem que os reprodutores igualem a intensidade sonora (referência de -18 LUFS); a normalização altera o próprio áudio, com um ganho por faixa ou por álbum, e também grava as etiquetas.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>A&amp;lvo:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>A intensidade sonora à qual o áudio normalizado é levado, de -31 a -5 LUFS; ela é reduzida ainda mais onde o pico real (true peak) ultrapassaria -1 dBTP. O volume próprio do formato é aplicado depois.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Normalizar cada álbum com um único &amp;ganho (mesma etiqueta de álbum)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Escolha uma pasta de saída:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensões de arquivo</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parâmetros de codificação</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Formato de saída:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>Co&amp;dec: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>&amp;Taxa de bits:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>Taxa de a&amp;mostragem:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>&amp;Canais:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Informe um número inteiro.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Não foi possível iniciar o conversor: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>O conversor não respondeu a tempo e foi interrompido.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>O conversor foi interrompido pelo sinal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>O conversor terminou sem um resultado utilizável.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>O conversor não aceitou a linha de comando (status de saída 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>A origem não pode ser lida como áudio ou vídeo (status de saída 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>O formato ou a configuração escolhida não é suportado (status de saída 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>O arquivo de saída não pode ser criado ou gravado (status de saída 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>O conversor foi interrompido (status de saída 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>O conversor falhou com o status de saída %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>O conversor parou durante a leitura deste arquivo.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Nenhum fluxo de áudio ou vídeo que o conversor consiga ler.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>O formato de saída é desconhecido.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>O destino é o próprio arquivo de origem.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>A pasta de saída não aceita um novo arquivo.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>O conversor não gravou nada.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Não foi possível dar o nome ao arquivo finalizado; outro arquivo passou a usá-lo nesse meio-tempo.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Arquivo não encontrado: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Não é possível ler os fluxos de %1: os dados estão danificados ou não são mídia.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Não é possível ler os fluxos de %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Não é possível ler %1: os dados estão danificados ou não são mídia.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 é uma pasta, não um arquivo de mídia.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 não é um arquivo comum (FIFO, soquete ou dispositivo).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vazio.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 contém apenas bytes zero (um arquivo incompleto ou pré-alocado).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: os dados estão danificados ou não são mídia.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 não é um arquivo de mídia que a ferramenta consiga ler.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 faz referência a outros arquivos (%2); somente arquivos de mídia são lidos.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Não é possível decodificar o áudio de %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>Nenhum fluxo de áudio utilizável em %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Nenhum decodificador para o áudio %1 de %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>O áudio de %1 não pode ser decodificado.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Não foi possível decodificar nenhum áudio de %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>Áudio insuficiente em %1 para gerar um arquivo.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Não é possível criar %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Não é possível gravar o cabeçalho de %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Não é possível gravar a imagem em %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Não é possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Não é possível finalizar %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Não é possível fechar %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 é um link simbólico; a ferramenta grava somente arquivos comuns.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>O arquivo de saída é o próprio arquivo de entrada: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 já existe (-y o sobrescreve).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>O contêiner %1 não pode conter áudio %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Não é possível adicionar as etiquetas de intensidade sonora a %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>A conversão de áudio falhou: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 não consegue codificar %2 Hz, %3 canais: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 não pode ser aberto novamente: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 falhou ao codificar: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Quadro AMR com tamanho incorreto.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>O codificador AMR falhou.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>O codificador FLAC gravou um quadro que não pode ser unido.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Falha ao criar a pasta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Falha ao criar o arquivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>O destino existe e foi ignorado</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>O nome do arquivo de destino é igual ao do arquivo original, que não pode ser sobrescrito. Salve os arquivos em uma pasta personalizada.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Ajuda do Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>Reproduzir &amp;origem</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Reproduzir &amp;destino</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Converter selecionados</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converter todos</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Abrir pasta de o&amp;rigem</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Abrir pasta de d&amp;estino</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Adicionar arquivos...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Remover	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Remover &amp;todos</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>&amp;Desfazer remoção	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>Tópicos da a&amp;juda	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Indicar a um amigo</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Comentários e suporte</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Página inicial</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Verificar versão mais recente</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sonavert</source>
        <translation>Sonavert</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Selecione pelo menos um arquivo.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Não há arquivos na lista.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Ainda há arquivos sendo convertidos. Cancelar as conversões e sair?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Adicionar arquivos de uma pasta</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Remover &amp;todos</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Remover todos os arquivos da lista</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Converter todos os arquivos</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar a página inicial do %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> para %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Não convertido</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>Arquivos 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>Arquivos 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Arquivos Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>Arquivos AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>Arquivos AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>Arquivos AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Arquivos AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>Áudio de CD (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Arquivos Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>Arquivos CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>Arquivos DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>Arquivos de vídeo DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Arquivos de vídeo DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Arquivos CDATA da Electronic Arts (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Arquivos Flash Video (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>Vídeo H.264/MPEG4 AVC (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Arquivos Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>Arquivos de vídeo MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>Arquivos MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>Arquivos MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>Arquivos de áudio MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>Arquivos de vídeo MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>Arquivos de áudio MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>Vídeo HD MPEG4 TS (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>Arquivos de vídeo MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Arquivos de áudio/vídeo Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>Arquivos NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>Arquivos OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Arquivos Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>Arquivos QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Arquivos h261 brutos (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Arquivos h263 brutos (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Arquivos de vídeo h264 brutos (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Arquivos Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Arquivos Real Media (*.rm;*.rmvb)</translation>
    </message>
    <message>
        <source>Speex (*.spx)</source>
        <translation>Speex (*.spx)</translation>
    </message>
    <message>
        <source>The True Audio (*.tta)</source>
        <translation>The True Audio (*.tta)</translation>
    </message>
    <message>
        <source>VCD Video Files (*.dat)</source>
        <translation>Arquivos de vídeo VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>Arquivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Arquivos Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>Arquivo de vídeo YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Todos os arquivos suportados</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Parâmetros inválidos para o codec AMR de banda estreita.
A taxa de amostragem válida é 8000 Hz, o número de canais é 1 e a taxa de bits deve ser uma destas: 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Parâmetros inválidos para o codec AMR de banda larga.
A taxa de amostragem válida é 16000 Hz, o número de canais é 1 e a taxa de bits deve ser uma destas: 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Parâmetros inválidos para o codec AAC.
A taxa de amostragem deve ser igual ou superior a 16000 Hz, e a taxa de bits deve ser igual ou superior a 16 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Parâmetros inválidos para o codec FLAC.
A taxa de amostragem deve ser Automático ou estar entre 1000 e 655350 Hz.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Parâmetros inválidos para o codec Opus.
A taxa de bits deve ser Automático ou estar entre 6 e 510 kbps.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR de banda estreita</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR de banda larga</translation>
    </message>
    <message>
        <source>Windows Media Audio Lossless</source>
        <translation>Windows Media Audio Lossless</translation>
    </message>
    <message>
        <source>RealMovie Audio</source>
        <translation>RealMovie Audio</translation>
    </message>
    <message>
        <source>Signed 16-bit Little-Endian PCM</source>
        <translation>PCM 16 bits com sinal, little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM 24 bits com sinal, little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM 32 bits com sinal, little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM 16 bits com sinal, big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM 24 bits com sinal, big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM 32 bits com sinal, big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM 8 bits com sinal</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM 8 bits sem sinal</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Igual ao arquivo original</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Uma pasta personalizada</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Renomear automaticamente (adicionar um número ao final do nome do arquivo)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Ignorar (não converter)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Escolha uma pasta de saída.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Informe as extensões de arquivo que deseja filtrar.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>O caminho da pasta personalizada é longo demais: ele pode ter no máximo 259 bytes.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Gravar etiquetas ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Normalizar o áudio</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Informe um alvo de intensidade sonora em LUFS, de -31 a -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>O alvo de intensidade sonora deve ser um número inteiro de LUFS, como -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>O alvo de intensidade sonora deve estar entre -31 e -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>Arquivos %1 não têm um local padrão para etiquetas de intensidade sonora: as etiquetas são omitidas, mas a normalização continua funcionando.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Opções de áudio</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Convertendo %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de arquivo informada.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Não foi possível abrir o link:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Não foi possível abrir &quot;%1&quot;.

Nenhum programa para abri-lo foi encontrado: o abridor de arquivos do ambiente de trabalho (xdg-open, do pacote xdg-utils) pode estar ausente.</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuir</translation>
    </message>
</context>
</TS>
