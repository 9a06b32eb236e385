<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 build %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visita il sito web di %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Commenti e assistenza</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Il programma usa il codificatore MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Scegliere una cartella:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Aggiunta dei file</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>File aggiunti</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Ricerca dei file...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Ricerca dei file... %1 trovati</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Nessun file aggiunto: nessuno ha un&apos;estensione elencata in «Aggiungi solo le seguenti estensioni con &quot;Aggiungi cartella&quot; e trascinamento» nelle Opzioni.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversione %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>File corrente</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Conversione...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvato come %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Conversione di %1 di %2 file in %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Conversione di %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Misurazione della loudness %1 di %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Misurazione di %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Trascorso: %1, rimanente: %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Trascorso: %1, stima del tempo rimanente...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Loudness non definita (silenzio digitale): non è stato scritto alcun tag di loudness.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 file convertito</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 file convertiti</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertiti, %2 non riusciti</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 file su %2 non è stato convertito.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 file su %2 non è stato convertito.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 file su %2 non sono stati convertiti.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 file su %2 è stato salvato nella cartella Documenti.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 file su %2 salvati nella cartella Documenti.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Aggiunta del file %1 di %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Impossibile caricare i file seguenti.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;altri file&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, quindi il file è stato salvato nella cartella Documenti.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Esempio: il file originale è «/home/user/Music/pop/1.mp3» e la cartella di destinazione è «/media/output». Se l&apos;opzione è selezionata, la cartella di destinazione sarà «/media/output/home/user/Music/pop».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Aggiungi &amp;solo le seguenti estensioni con «Aggiungi cartella» e trascinamento</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Nota: separare più estensioni con una virgola (,). Esempio: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Cartella di &amp;destinazione:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Cartella &amp;personalizzata:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>S&amp;foglia</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Crea le cartelle secondo il percorso del file originale</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Se il file di destinazione &amp;esiste </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Salva nella cartella Doc&amp;umenti se la creazione del file non riesce</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Apri la cartella di destinazione al termine della conversione</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Con&amp;versioni simultanee:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Loudness</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modalità:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>I tag ReplayGain permettono ai lettori di uniformare la loudness (riferimento -18 LUFS); la normalizzazione modifica l&apos;audio stesso, con un guadagno per traccia o per album, e scrive anche i tag.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Obiettivo:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>La loudness a cui viene portato l&apos;audio normalizzato, da -31 a -5 LUFS; viene abbassata ulteriormente dove il true peak supererebbe -1 dBTP. Il volume proprio del formato si applica dopo.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Normalizza ogni album con un unico &amp;guadagno (stesso tag album)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Scegliere una cartella di destinazione:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Estensioni dei file</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parametri di codifica</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Formato di uscita:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>Co&amp;dec: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>F&amp;requenza di campionamento:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>C&amp;anali:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Impossibile avviare il convertitore: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Il convertitore non ha risposto in tempo ed è stato fermato.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Il convertitore è stato fermato dal segnale %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Il convertitore è terminato senza un risultato utilizzabile.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Il convertitore non ha accettato la riga di comando (stato di uscita 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>Impossibile leggere la sorgente come audio o video (stato di uscita 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Il formato o l&apos;impostazione scelti non sono supportati (stato di uscita 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Impossibile creare o scrivere il file di uscita (stato di uscita 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Il convertitore è stato interrotto (stato di uscita 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Il convertitore non è riuscito, stato di uscita %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Il convertitore si è fermato durante la lettura di questo file.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Nessun flusso audio o video leggibile dal convertitore.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Il formato di uscita è sconosciuto.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>La destinazione è il file sorgente stesso.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>Impossibile creare un nuovo file nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Il convertitore non ha scritto nulla.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Impossibile assegnare il nome al file completato; nel frattempo un altro file lo ha occupato.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>File non trovato: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Impossibile leggere i flussi di %1: i dati sono danneggiati o non sono multimediali.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Impossibile leggere i flussi di %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Impossibile leggere %1: i dati sono danneggiati o non sono multimediali.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 è una cartella, non un file multimediale.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 non è un file normale (FIFO, socket o dispositivo).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 contiene solo byte nulli (un file incompleto o preallocato).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: i dati sono danneggiati o non sono multimediali.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 non è un file multimediale leggibile dal convertitore.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 fa riferimento ad altri file (%2); vengono letti solo file multimediali.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Impossibile decodificare l&apos;audio di %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>Nessun flusso audio utilizzabile in %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Nessun decodificatore per l&apos;audio %1 di %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>L&apos;audio di %1 non può essere decodificato.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Impossibile decodificare audio da %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>Troppo poco audio in %1 per crearne un file.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Impossibile creare %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Impossibile scrivere l&apos;intestazione di %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Impossibile scrivere l&apos;immagine in %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Impossibile completare %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Impossibile chiudere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 è un collegamento simbolico; il convertitore scrive solo file normali.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Il file di uscita è il file di ingresso: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 esiste già (-y lo sovrascrive).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>Il contenitore %1 non può contenere audio %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Impossibile aggiungere i tag di loudness a %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Conversione audio non riuscita: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 non può codificare %2 Hz, %3 canali: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 non può essere riaperto: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 non è riuscito a codificare: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Frame AMR di dimensione errata.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>Il codificatore AMR non è riuscito.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>Il codificatore FLAC ha scritto un frame che non può essere unito.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Impossibile creare la cartella «%1»</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Impossibile creare il file «%1»</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Destinazione esistente, saltato</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Il nome del file di destinazione coincide con quello del file originale, che non può essere sovrascritto. Salvare i file in una cartella personalizzata.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Guida di Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>Riproduci &amp;sorgente</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Riproduci &amp;destinazione</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Converti selezionati</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converti tutti</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Apri cartella so&amp;rgente</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Apri cartella des&amp;tinazione</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Aggiungi file...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Aggiungi cart&amp;ella</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>R&amp;imuovi	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Rimuovi t&amp;utti</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>A&amp;nnulla rimozione	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Argomenti della guida	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>Consiglia a un a&amp;mico</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Commenti e assistenza</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>Pagina &amp;web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Verifica ultima versione</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
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
        <translation>Selezionare almeno un file.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>L&apos;elenco non contiene file.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Alcuni file sono ancora in conversione. Annullare le conversioni e uscire?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Aggiungi file</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Aggiungi i file di una cartella</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Rimuovi &amp;tutti</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Rimuovi tutti i file dall&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Conve&amp;rti</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Converti tutti i file</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visita il sito web di %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> in %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non convertito</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>File 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>File 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>File Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>File AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>File AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>File AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>File AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD audio (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>File Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>File CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>File DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>File video DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>File video DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>File Electronic Arts CDATA (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>File video Flash (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>Video H.264/MPEG4 AVC (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>File Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>File video MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>File MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>File MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>File audio MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>File video MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>File audio MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>Video HD MPEG4 TS (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>File video MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>File audio/video Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>File NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>File OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>File Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>File QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>File h261 grezzi (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>File h263 grezzi (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>File video h264 grezzi (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>File Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>File Real Media (*.rm;*.rmvb)</translation>
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
        <translation>File video VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>File WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>File Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>File video YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Tutti i file supportati</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Parametri non validi per il codec AMR a banda stretta.
Valori validi: frequenza di campionamento 8000 Hz, 1 canale e un bitrate tra 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Parametri non validi per il codec AMR a banda larga.
Valori validi: frequenza di campionamento 16000 Hz, 1 canale e un bitrate tra 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Parametri non validi per il codec AAC.
La frequenza di campionamento deve essere almeno 16000 Hz e il bitrate deve essere almeno 16 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Parametri non validi per il codec FLAC.
La frequenza di campionamento deve essere «Auto» o compresa tra 1000 e 655350 Hz.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Parametri non validi per il codec Opus.
Il bitrate deve essere «Auto» o compreso tra 6 e 510 kbps.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR a banda stretta</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR a banda larga</translation>
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
        <translation>PCM 16 bit con segno little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM 24 bit con segno little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM 32 bit con segno little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM 16 bit con segno big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM 24 bit con segno big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM 32 bit con segno big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM 8 bit con segno</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM 8 bit senza segno</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Come il file originale</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Una cartella personalizzata</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Rinomina automaticamente (aggiungi un numero alla fine del nome)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Salta (non convertire)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Scegliere una cartella di destinazione.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Inserire le estensioni dei file da filtrare.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Il percorso della cartella personalizzata è troppo lungo: può contenere al massimo 259 byte.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Scrivi tag ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Normalizza l&apos;audio</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Inserire una loudness obiettivo in LUFS, da -31 a -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>La loudness obiettivo deve essere un numero intero di LUFS, ad esempio -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>La loudness obiettivo deve essere compresa tra -31 e -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>I file %1 non hanno una posizione standard per i tag di loudness: i tag vengono omessi, la normalizzazione funziona comunque.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Opzioni audio</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Conversione di %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Impossibile trovare il file specificato.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all&apos;estensione del file indicata.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossibile aprire il collegamento:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Impossibile aprire «%1».

Non è stato trovato alcun programma per aprirlo: potrebbe mancare il programma di apertura del desktop (xdg-open, del pacchetto xdg-utils).</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
</context>
</TS>
