<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 compilación %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar la página web de %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentarios y soporte</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>El programa usa el codificador MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Elija una carpeta:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Añadiendo archivos</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Archivos añadidos</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Buscando archivos...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Buscando archivos... %1 encontrados</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>No se añadió ningún archivo: ninguno tiene una extensión de las indicadas en «Añadir solo las siguientes extensiones con &quot;Añadir carpeta&quot; y arrastrar y soltar» en Opciones.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversión %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Archivo actual</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Convirtiendo %1 de %2 archivo(s) a %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Convirtiendo %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Midiendo la sonoridad %1 de %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Midiendo %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Transcurrido: %1, restante: %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Transcurrido: %1, calculando el tiempo restante...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Sonoridad indefinida (silencio digital): no se escribieron etiquetas de sonoridad.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 archivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 archivos convertidos</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertidos, %2 con errores</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 de %2 archivo no se convirtió.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 de %2 archivos no se convirtió.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 de %2 archivos no se convirtieron.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 de %2 archivo se guardó en la carpeta Documentos.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 de %2 archivos se guardaron en la carpeta Documentos.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Añadiendo archivo %1 de %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>No se pudieron cargar los siguientes archivos.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;más archivos&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, por lo que el archivo se guardó en la carpeta Documentos.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Por ejemplo: el archivo original es «/home/user/Music/pop/1.mp3» y la carpeta de salida es «/media/output». Si la opción está marcada, la carpeta de salida será «/media/output/home/user/Music/pop».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Añadir so&amp;lo las siguientes extensiones con «Añadir carpeta» y arrastrar y soltar</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Nota: separe varias extensiones con comas (,). Por ejemplo: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Carpeta de &amp;salida:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Carpeta &amp;personalizada:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>E&amp;xaminar</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Crear carpetas según la ruta del archivo original</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Si el archivo de destino &amp;existe </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Guardar en la carpeta &amp;Documentos si falla la creación del archivo</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Abrir la carpeta de salida al terminar la conversión</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Con&amp;versiones simultáneas:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Las etiquetas ReplayGain permiten a los reproductores igualar la sonoridad (referencia -18 LUFS); la normalización cambia el propio audio, con una ganancia por pista o por álbum, y además escribe las etiquetas.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objetivo:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>La sonoridad a la que se lleva el audio normalizado, de -31 a -5 LUFS; se reduce aún más donde el pico real (true peak) superaría -1 dBTP. El volumen propio del formato se aplica después.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Normalizar cada álbum con una sola &amp;ganancia (misma etiqueta de álbum)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Elija una carpeta de salida:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensiones de archivo</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parámetros de codificación</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>Formato de &amp;salida:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>Có&amp;dec: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>&amp;Tasa de bits:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>Frecuencia de m&amp;uestreo:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>C&amp;anales:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>No se pudo iniciar el conversor: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>El conversor no respondió a tiempo y se detuvo.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>El conversor se detuvo por la señal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>El conversor terminó sin un resultado utilizable.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>El conversor no aceptó su línea de órdenes (estado de salida 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>El origen no se puede leer como audio o vídeo (estado de salida 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>El formato o el ajuste elegido no es compatible (estado de salida 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>El archivo de salida no se puede crear ni escribir (estado de salida 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>El conversor se interrumpió (estado de salida 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>El conversor falló con el estado de salida %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>El conversor se detuvo al leer este archivo.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>No hay ningún flujo de audio o vídeo que el conversor pueda leer.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>El formato de salida es desconocido.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>El destino es el propio archivo de origen.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>No se puede crear un archivo nuevo en la carpeta de salida.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>El conversor no escribió nada.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>No se pudo dar su nombre al archivo terminado; otro archivo lo ocupó mientras tanto.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrumpido.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Archivo no encontrado: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>No se pueden leer los flujos de %1: los datos están dañados o no son multimedia.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>No se pueden leer los flujos de %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>No se puede leer %1: los datos están dañados o no son multimedia.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 es una carpeta, no un archivo multimedia.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 no es un archivo normal (FIFO, socket o dispositivo).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 solo contiene bytes nulos (un archivo sin terminar o preasignado).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: los datos están dañados o no son multimedia.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 no es un archivo multimedia que el conversor pueda leer.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 hace referencia a otros archivos (%2); solo se leen archivos multimedia.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>No se puede decodificar el audio de %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>No hay ningún flujo de audio utilizable en %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>No hay decodificador para el audio %1 de %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>El audio de %1 no se puede decodificar.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>No se pudo decodificar audio de %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>Hay demasiado poco audio en %1 para crear un archivo.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>No se puede crear %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>No se puede escribir la cabecera de %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>No se puede escribir la imagen en %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>No se puede finalizar %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>No se puede cerrar %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 es un enlace simbólico; el conversor solo escribe archivos normales.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>El archivo de salida es el archivo de entrada: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 ya existe (-y lo sobrescribe).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>El contenedor %1 no puede contener audio %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>No se pueden añadir las etiquetas de sonoridad a %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Falló la conversión de audio: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 no puede codificar %2 Hz, %3 canales: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 no se puede volver a abrir: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 no pudo codificar: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Trama AMR de tamaño incorrecto.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>Falló el codificador AMR.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>El codificador FLAC escribió una trama que no se puede unir.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>No se pudo crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>No se pudo crear el archivo «%1»</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>El destino existe; omitido</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>El nombre del archivo de destino es el mismo que el del archivo original, que no se puede sobrescribir. Guarde los archivos en una carpeta personalizada.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Ayuda de Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Reproducir origen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Reproducir &amp;destino</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Convertir selección</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Convertir todo</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Abrir carpeta de &amp;origen</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Abrir carpeta de des&amp;tino</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Añadir archivos...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Añadir car&amp;peta</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Quitar	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Q&amp;uitar todo</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>Des&amp;hacer quitar	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Temas de ayuda	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Recomendar a un amigo</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Comentarios y soporte</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Página web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Buscar la &amp;última versión</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
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
        <translation>Seleccione al menos un archivo.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>No hay archivos en la lista.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Todavía se están convirtiendo archivos. ¿Cancelar las conversiones y salir?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Añadir archivos</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Añadir los archivos de una carpeta</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>&amp;Quitar todo</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Convertir todos los archivos</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar la página web de %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> a %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>No convertido</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>Archivos 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>Archivos 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Archivos Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>Archivos AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>Archivos AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>Archivos AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Archivos AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>Audio de CD (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Archivos Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>Archivos CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>Archivos DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>Archivos de vídeo DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Archivos de vídeo DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Archivos Electronic Arts CDATA (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Archivos de vídeo Flash (*.flv)</translation>
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
        <translation>Archivos Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>Archivos de vídeo MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>Archivos MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>Archivos MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>Archivos de audio MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>Archivos de vídeo MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>Archivos de audio MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>Vídeo HD MPEG4 TS (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>Archivos de vídeo MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Archivos de audio/vídeo Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>Archivos NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>Archivos OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Archivos Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>Archivos QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Archivos h261 sin procesar (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Archivos h263 sin procesar (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Archivos de vídeo h264 sin procesar (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Archivos Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Archivos Real Media (*.rm;*.rmvb)</translation>
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
        <translation>Archivos de vídeo VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Archivos Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>Archivo de vídeo YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Todos los archivos compatibles</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Parámetros no válidos para el códec AMR de banda estrecha.
Valores válidos: frecuencia de muestreo de 8000 Hz, 1 canal y una tasa de bits de 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Parámetros no válidos para el códec AMR de banda ancha.
Valores válidos: frecuencia de muestreo de 16000 Hz, 1 canal y una tasa de bits de 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Parámetros no válidos para el códec AAC.
La frecuencia de muestreo debe ser de al menos 16000 Hz y la tasa de bits de al menos 16 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Parámetros no válidos para el códec FLAC.
La frecuencia de muestreo debe ser «Auto» o estar entre 1000 y 655350 Hz.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Parámetros no válidos para el códec Opus.
La tasa de bits debe ser «Auto» o estar entre 6 y 510 kbps.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR de banda estrecha</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR de banda ancha</translation>
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
        <translation>PCM de 16 bits con signo little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM de 24 bits con signo little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM de 32 bits con signo little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM de 16 bits con signo big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM de 24 bits con signo big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM de 32 bits con signo big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM de 8 bits con signo</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM de 8 bits sin signo</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Igual que el archivo original</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Una carpeta personalizada</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Renombrar automáticamente (añadir un número al final del nombre)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Omitir (no convertir)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Elija una carpeta de salida.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Introduzca las extensiones de archivo que quiera filtrar.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>La ruta de la carpeta personalizada es demasiado larga: puede tener como máximo 259 bytes.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Escribir etiquetas ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Normalizar el audio</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Introduzca una sonoridad objetivo en LUFS, de -31 a -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>La sonoridad objetivo debe ser un número entero de LUFS, por ejemplo -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>La sonoridad objetivo debe estar entre -31 y -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>Los archivos %1 no tienen un lugar estándar para las etiquetas de sonoridad: no se escriben etiquetas, pero la normalización funciona.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Opciones de audio</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Convirtiendo %1...%2 %</translation>
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
        <translation>No se encontró el archivo especificado.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el enlace:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>No se puede abrir «%1».

No se encontró ningún programa para abrirlo: puede que falte el programa de apertura del escritorio (xdg-open, del paquete xdg-utils).</translation>
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
        <translation>Disminuir</translation>
    </message>
</context>
</TS>
