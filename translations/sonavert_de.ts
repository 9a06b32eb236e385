<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 Build %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Homepage von %1 besuchen</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback und Support</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Das Programm verwendet den MP3-Encoder LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Dateien werden hinzugefügt</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Hinzugefügte Dateien</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Dateien werden gesucht...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Dateien werden gesucht... %1 gefunden</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Es wurde keine Datei hinzugefügt: Keine hat eine Endung, die unter „Nur Dateien mit folgenden Endungen hinzufügen (bei ‚Ordner hinzufügen‘ und Ziehen/Ablegen)“ in den Optionen aufgeführt ist.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Konvertierung %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Wird konvertiert...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Konvertiere %1 von %2 Datei(en) nach %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Konvertiere %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Lautheitsmessung %1 von %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Messung von %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Vergangen: %1, verbleibend: %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Vergangen: %1, Restzeit wird geschätzt...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Lautheit undefiniert (digitale Stille): Es wurden keine Lautheits-Tags geschrieben.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 Datei konvertiert</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 Dateien konvertiert</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 konvertiert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 von %2 Datei wurde nicht konvertiert.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 von %2 Dateien wurde nicht konvertiert.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 von %2 Dateien wurden nicht konvertiert.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 von %2 Datei im Ordner „Dokumente“ gespeichert.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 von %2 Dateien im Ordner „Dokumente“ gespeichert.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Datei %1 von %2 wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Die folgenden Dateien konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;weitere Dateien&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, daher wurde die Datei stattdessen im Ordner „Dokumente“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Beispiel: Die Originaldatei ist „/home/user/Music/pop/1.mp3“ und der Ausgabeordner ist „/media/output“. Ist die Option aktiviert, lautet der Ausgabeordner „/media/output/home/user/Music/pop“.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&amp;Nur Dateien mit folgenden Endungen hinzufügen (bei „Ordner hinzufügen“ und Ziehen/Ablegen)</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Hinweis: Mehrere Endungen durch Komma (,) trennen. Beispiel: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Ausgabeordner:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>&amp;Eigener Ordner:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>Ordner&amp;struktur der Originaldatei nachbilden</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>&amp;Wenn die Zieldatei existiert </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Im Ordner „&amp;Dokumente“ speichern, wenn das Erstellen der Datei fehlschlägt</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>Ausgabeordner nach Abschluss der Konvertierung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>&amp;Gleichzeitige Konvertierungen:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Mit ReplayGain-Tags gleichen Player die Lautheit an (Referenz -18 LUFS); das Normalisieren ändert das Audio selbst, mit einer Verstärkung pro Titel oder Album, und schreibt zusätzlich die Tags.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>Die Lautheit, auf die normalisiertes Audio gebracht wird, -31 bis -5 LUFS; sie wird weiter abgesenkt, wo der True Peak -1 dBTP überschreiten würde. Die Lautstärke des Formats wird danach angewendet.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Jedes Album mit einer &amp;Verstärkung normalisieren (gleicher Album-Tag)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Bitte wählen Sie einen Ausgabeordner:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dateiendungen</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Kodierungsparameter</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Ausgabeformat:</translation>
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
        <translation>Abtast&amp;rate:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>&amp;Kanäle:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Der Konverter konnte nicht gestartet werden: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Der Konverter hat nicht rechtzeitig geantwortet und wurde beendet.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Der Konverter wurde durch Signal %1 (%2) beendet.</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Der Konverter wurde ohne verwertbares Ergebnis beendet.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Der Konverter hat seine Befehlszeile nicht akzeptiert (Exit-Status 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>Die Quelle kann nicht als Audio oder Video gelesen werden (Exit-Status 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Das gewählte Format oder die gewählte Einstellung wird nicht unterstützt (Exit-Status 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Die Ausgabedatei kann nicht erstellt oder geschrieben werden (Exit-Status 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Der Konverter wurde unterbrochen (Exit-Status 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Der Konverter ist mit Exit-Status %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Der Konverter wurde beim Lesen dieser Datei beendet.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Kein Audio- oder Videostream, den der Konverter lesen kann.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Das Ausgabeformat ist unbekannt.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>Das Ziel ist die Quelldatei selbst.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>Im Ausgabeordner kann keine neue Datei angelegt werden.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Der Konverter hat nichts geschrieben.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Die fertige Datei konnte ihren Namen nicht erhalten; eine andere Datei hat ihn inzwischen belegt.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Datei nicht gefunden: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Fehler beim Lesen der Streams von %1: Die Daten sind beschädigt oder keine Mediendaten.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Fehler beim Lesen der Streams von %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Fehler beim Lesen von %1: Die Daten sind beschädigt oder keine Mediendaten.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Fehler beim Lesen von %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 ist ein Ordner, keine Mediendatei.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 ist keine reguläre Datei (FIFO, Socket oder Gerät).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 enthält nur Null-Bytes (eine unfertige oder vorab belegte Datei).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: Die Daten sind beschädigt oder keine Mediendaten.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 ist keine Mediendatei, die der Konverter lesen kann.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 verweist auf andere Dateien (%2); nur Mediendateien werden gelesen.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Fehler beim Dekodieren des Audios von %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>Kein verwendbarer Audiostream in %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Kein Decoder für das %1-Audio von %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>Das Audio von %1 kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Aus %1 konnte kein Audio dekodiert werden.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>Zu wenig Audio in %1, um daraus eine Datei zu erstellen.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Fehler beim Erstellen von %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Fehler beim Schreiben des Headers von %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Fehler beim Schreiben des Bildes in %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Fehler beim Schreiben von %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Fehler beim Abschließen von %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Fehler beim Schließen von %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 ist eine symbolische Verknüpfung; der Konverter schreibt nur reguläre Dateien.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Die Ausgabedatei ist die Eingabedatei: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 existiert bereits (-y überschreibt sie).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>Der Container %1 kann kein %2-Audio enthalten.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Fehler beim Hinzufügen der Lautheits-Tags zu %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Audio-Konvertierung fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 kann %2 Hz, %3 Kanäle nicht kodieren: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 kann nicht erneut geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 konnte nicht kodieren: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>AMR-Frame mit falscher Größe.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>Der AMR-Encoder ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>Der FLAC-Encoder hat einen Frame geschrieben, der sich nicht anfügen lässt.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Fehler beim Erstellen des Ordners „%1“</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Fehler beim Erstellen der Datei „%1“</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Ziel existiert, übersprungen</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Der Zieldateiname ist derselbe wie der der Originaldatei, die nicht überschrieben werden darf. Bitte lassen Sie die Dateien in einem eigenen Ordner ausgeben.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Sonavert-Hilfe</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>Quelle &amp;abspielen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>&amp;Ziel abspielen</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>Auswahl &amp;konvertieren</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Quellordner öffnen</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ziel&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>Dateien &amp;hinzufügen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>O&amp;rdner hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Entfernen	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>Entfernen rückgän&amp;gig machen	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Weiterempfehlen</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback und Support</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>Home&amp;page</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Auf &amp;neue Version prüfen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
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
        <translation>Bitte wählen Sie mindestens eine Datei aus.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Die Liste enthält keine Dateien.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Es werden noch Dateien konvertiert. Konvertierungen abbrechen und beenden?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>Dateien &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Dateien aus einem Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Alle Dateien konvertieren</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptionen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Homepage von %1 besuchen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> nach %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nicht konvertiert</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>3GPP-Dateien (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>3GPP2-Dateien (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Adobe-Flash-Dateien (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>AIFF-Dateien (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>AMR-Dateien (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>AU-Dateien (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI-Dateien (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD-Audio (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Creative-Voice-Dateien (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>CRI-ADX-Dateien (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>DTS-Dateien (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>DV-Videodateien (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>DVD-Videodateien (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Electronic-Arts-CDATA-Dateien (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Flash-Videodateien (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>H.264/MPEG4-AVC-Video (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Matroska-Dateien (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft-Digital-Video-Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>MJPEG-Videodateien (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>MMF-Dateien (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>MPEG-Audiodateien (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>MPEG-Videodateien (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>MPEG-4-Audiodateien (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>MPEG4-TS-HD-Video (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>MPEG-4-Videodateien (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Nullsoft-Audio-/Videodateien (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>NUT-Dateien (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>OGG-Dateien (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Opus-Dateien (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>QuickTime-Dateien (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Rohe h261-Dateien (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Rohe h263-Dateien (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Rohe h264-Videodateien (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Real-Audio-Dateien (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Real-Media-Dateien (*.rm;*.rmvb)</translation>
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
        <translation>VCD-Videodateien (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Windows-Media-Dateien (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>YUV-Videodatei (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Ungültige Parameter für den AMR-Schmalband-Codec.
Gültig sind eine Abtastrate von 8000 Hz, 1 Kanal und eine dieser Bitraten: 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Ungültige Parameter für den AMR-Breitband-Codec.
Gültig sind eine Abtastrate von 16000 Hz, 1 Kanal und eine dieser Bitraten: 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Ungültige Parameter für den AAC-Codec.
Die Abtastrate muss mindestens 16000 Hz und die Bitrate mindestens 16 kbps betragen.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Ungültige Parameter für den FLAC-Codec.
Die Abtastrate muss „Auto“ sein oder zwischen 1000 und 655350 Hz liegen.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Ungültige Parameter für den Opus-Codec.
Die Bitrate muss „Auto“ sein oder zwischen 6 und 510 kbps liegen.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR-Schmalband</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR-Breitband</translation>
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
        <translation>PCM 16 Bit mit Vorzeichen, Little-Endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM 24 Bit mit Vorzeichen, Little-Endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM 32 Bit mit Vorzeichen, Little-Endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM 16 Bit mit Vorzeichen, Big-Endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM 24 Bit mit Vorzeichen, Big-Endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM 32 Bit mit Vorzeichen, Big-Endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM 8 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM 8 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Wie Originaldatei</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Eigener Ordner</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Automatisch umbenennen (Nummer an Dateinamen anhängen)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Überspringen (nicht konvertieren)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Bitte wählen Sie einen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Bitte geben Sie die Dateiendungen ein, nach denen gefiltert werden soll.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Der Pfad des eigenen Ordners ist zu lang: Er darf höchstens 259 Byte umfassen.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>ReplayGain-Tags schreiben</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Audio normalisieren</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Bitte geben Sie einen Lautheits-Zielwert in LUFS von -31 bis -5 ein.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>Der Lautheits-Zielwert muss eine ganze Zahl in LUFS sein, z. B. -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>Der Lautheits-Zielwert muss zwischen -31 und -5 LUFS liegen.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>%1-Dateien haben keinen Standardplatz für Lautheits-Tags: Die Tags entfallen, das Normalisieren funktioniert trotzdem.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Audio-Optionen</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Konvertiere %1...%2 %</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Mit der angegebenen Dateiendung ist
keine Anwendung verknüpft.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>„%1“ kann nicht geöffnet werden.

Es wurde kein Programm zum Öffnen gefunden: Das Öffnen-Programm der Arbeitsumgebung (xdg-open aus dem Paket xdg-utils) fehlt möglicherweise.</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
</TS>
