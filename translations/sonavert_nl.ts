<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 build %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Website van %1 bezoeken</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback en ondersteuning</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Het programma gebruikt de LAME MP3-encoder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Controleren op updates</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Aanbevelen aan een vriend</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Kies een map:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Bestanden toevoegen</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Toegevoegde bestanden</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Bestanden zoeken...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Bestanden zoeken... %1 gevonden</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Er is geen bestand toegevoegd: geen ervan heeft een extensie uit de lijst bij &quot;Alleen de volgende bestandsextensies toevoegen bij &quot;Map toevoegen&quot; en slepen&quot; in Opties.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Converteren</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversie %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Huidig bestand</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Converteren...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Conversie mislukt</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Opgeslagen als %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Bestand %1 van %2 converteren naar %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>%1 converteren...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Luidheid meten %1 van %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Luidheid meten: %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Verstreken %1, resterend %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Verstreken %1, resterende tijd schatten...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Luidheid onbepaald (digitale stilte): er zijn geen luidheidstags geschreven.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 bestand geconverteerd</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 bestanden geconverteerd</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 geconverteerd, %2 mislukt</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 van %2 bestand is niet geconverteerd.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 van %2 bestanden is niet geconverteerd.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 van %2 bestanden zijn niet geconverteerd.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 van %2 bestand is in de map Documenten terechtgekomen.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 van %2 bestanden zijn in de map Documenten terechtgekomen.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Bestand %1 van %2 toevoegen...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>De volgende bestanden konden niet worden geladen.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;meer bestanden&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, daarom is het bestand in de map Documenten opgeslagen.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Bijvoorbeeld: het originele bestand is &quot;/home/user/Music/pop/1.mp3&quot; en de uitvoermap is &quot;/media/output.&quot; Als de optie is aangevinkt, wordt de uitvoermap &quot;/media/output/home/user/Music/pop.&quot;</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&amp;Alleen de volgende bestandsextensies toevoegen bij &quot;Map toevoegen&quot; en slepen</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Opmerking: scheid meerdere extensies met een komma (,). Bijvoorbeeld: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uitvoer</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Uitvoermap:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Aangepaste &amp;map:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Bladeren</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>Mappen aanmaken volgens het &amp;pad van het originele bestand</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Als het doelbestand al b&amp;estaat </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Bestanden in de map &amp;Documenten opslaan als het aanmaken van het bestand mislukt</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>Uitvoermap &amp;openen wanneer de conversie is voltooid</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Gelijktijdige con&amp;versies:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Luidheid</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>Modu&amp;s:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Met ReplayGain-tags kunnen spelers de luidheid gelijktrekken (referentie -18 LUFS); normaliseren wijzigt de audio zelf, met één versterking per nummer of album, en schrijft ook de tags.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>Doe&amp;l:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>De luidheid waarnaar genormaliseerde audio wordt gebracht, -31 tot -5 LUFS; ze wordt verder verlaagd waar de true peak -1 dBTP zou overschrijden. Het eigen volume van het formaat wordt daarna toegepast.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Elk album normaliseren met één &amp;versterking (zelfde albumtag)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Kies een uitvoermap:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Bestandsextensies</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Coderingsparameters</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Uitvoerformaat:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>Co&amp;dec: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>Bi&amp;tsnelheid:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>Sample&amp;frequentie:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>&amp;Kanalen:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>De converter kon niet worden gestart: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>De converter reageerde niet op tijd en is gestopt.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>De converter is gestopt door signaal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>De converter is beëindigd zonder bruikbaar resultaat.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>De converter accepteerde zijn opdrachtregel niet (afsluitstatus 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>De bron kan niet als audio of video worden gelezen (afsluitstatus 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Het gekozen formaat of de gekozen instelling wordt niet ondersteund (afsluitstatus 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Het uitvoerbestand kan niet worden aangemaakt of geschreven (afsluitstatus 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>De converter is onderbroken (afsluitstatus 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>De converter is mislukt met afsluitstatus %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>De converter is gestopt tijdens het lezen van dit bestand.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Geen audio- of videostream die de converter kan lezen.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Het uitvoerformaat is onbekend.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>Het doel is het bronbestand zelf.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>De uitvoermap accepteert geen nieuw bestand.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>De converter heeft niets geschreven.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Het voltooide bestand kon zijn naam niet krijgen; een ander bestand heeft die intussen ingenomen.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Onderbroken.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Bestand niet gevonden: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Kan de streams van %1 niet lezen: de gegevens zijn beschadigd of zijn geen media.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Kan de streams van %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Kan %1 niet lezen: de gegevens zijn beschadigd of zijn geen media.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Kan %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 is een map, geen mediabestand.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 is geen gewoon bestand (FIFO, socket of apparaat).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 is leeg.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 bevat alleen nulbytes (een onvoltooid of vooraf toegewezen bestand).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: de gegevens zijn beschadigd of zijn geen media.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 is geen mediabestand dat het hulpprogramma kan lezen.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 verwijst naar andere bestanden (%2); alleen mediabestanden worden gelezen.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Kan de audio van %1 niet decoderen: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>Geen bruikbare audiostream in %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Geen decoder voor de %1-audio van %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>De audio van %1 kan niet worden gedecodeerd.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Er kon geen audio worden gedecodeerd uit %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>Te weinig audio in %1 om er een bestand van te maken.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Kan %1 niet aanmaken: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Kan de header van %1 niet schrijven: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Kan de afbeelding niet in %1 schrijven: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Kan %1 niet schrijven: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Kan %1 niet voltooien: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Kan %1 niet sluiten: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 is een symbolische koppeling; het hulpprogramma schrijft alleen gewone bestanden.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Het uitvoerbestand is het invoerbestand: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 bestaat al (-y overschrijft het).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>De %1-container kan geen %2-audio bevatten.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Kan de luidheidstags niet aan %1 toevoegen.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Audioconversie mislukt: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 kan geen %2 Hz met %3 kanalen coderen: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 kan niet opnieuw worden geopend: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>Coderen met %1 mislukt: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>AMR-frame met verkeerde grootte.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>De AMR-encoder is mislukt.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>De FLAC-encoder heeft een frame geschreven dat niet kan worden samengevoegd.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Kan map &quot;%1&quot; niet aanmaken</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Kan bestand &quot;%1&quot; niet aanmaken</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Doel bestaat al en is overgeslagen</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>De naam van het doelbestand is gelijk aan die van het originele bestand, dat niet kan worden overschreven. Sla de bestanden op in een aangepaste map.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Hulp bij Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>Bron &amp;afspelen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>&amp;Doel afspelen</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>Selectie &amp;converteren</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alles converteren</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Bronmap openen</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Doel&amp;map openen</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>Bestanden &amp;toevoegen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Map t&amp;oevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Verwijderen	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>A&amp;lles verwijderen</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>Verwijderen &amp;ongedaan maken	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hulponderwerpen	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>Aanbevelen aan een &amp;vriend</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback en ondersteuning</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Website</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Nieuwste versie controleren</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
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
        <translation>Selecteer ten minste één bestand.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Er staan geen bestanden in de lijst.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Er worden nog bestanden geconverteerd. Conversies annuleren en afsluiten?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>Bestanden &amp;toevoegen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Bestanden toevoegen</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>&amp;Map toevoegen</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Bestanden uit een map toevoegen</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>A&amp;lles verwijderen</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Alle bestanden uit de lijst verwijderen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converteren</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Alle bestanden converteren</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Uitvoerformaat</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Website van %1 bezoeken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> naar %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Niet geconverteerd</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>3GPP-bestanden (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>3GPP2-bestanden (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Adobe Flash-bestanden (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>AIFF-bestanden (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>AMR-bestanden (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>AU-bestanden (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI-bestanden (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>Cd-audio (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Creative Voice-bestanden (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>CRI ADX-bestanden (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>DTS-bestanden (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>DV-videobestanden (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Dvd-videobestanden (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Electronic Arts CDATA-bestanden (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Flash Video-bestanden (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>H.264/MPEG4 AVC-video (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Matroska-bestanden (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>MJPEG-videobestanden (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>MMF-bestanden (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>MP3-bestanden (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>MPEG-audiobestanden (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>MPEG-videobestanden (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>MPEG-4-audiobestanden (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>MPEG4 TS HD-video (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>MPEG-4-videobestanden (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Nullsoft audio-/videobestanden (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>NUT-bestanden (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>OGG-bestanden (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Opus-bestanden (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>QuickTime-bestanden (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Ruwe h261-bestanden (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Ruwe h263-bestanden (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Ruwe h264-videobestanden (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Real Audio-bestanden (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Real Media-bestanden (*.rm;*.rmvb)</translation>
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
        <translation>VCD-videobestanden (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>WAV-bestanden (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Windows Media-bestanden (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>YUV-videobestand (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Alle ondersteunde bestanden</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Ongeldige parameters voor de AMR-smalbandcodec.
De geldige samplefrequentie is 8000 Hz, het aantal kanalen is 1 en de bitsnelheid is een van 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbit/s.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Ongeldige parameters voor de AMR-breedbandcodec.
De geldige samplefrequentie is 16000 Hz, het aantal kanalen is 1 en de bitsnelheid is een van 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbit/s.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Ongeldige parameters voor de AAC-codec.
De samplefrequentie moet 16000 Hz of hoger zijn en de bitsnelheid moet 16 kbit/s of hoger zijn.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Ongeldige parameters voor de FLAC-codec.
De samplefrequentie moet Automatisch zijn of tussen 1000 en 655350 Hz liggen.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Ongeldige parameters voor de Opus-codec.
De bitsnelheid moet Automatisch zijn of tussen 6 en 510 kbit/s liggen.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR smalband</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR breedband</translation>
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
        <translation>16-bit PCM met teken, little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>24-bit PCM met teken, little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>32-bit PCM met teken, little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>16-bit PCM met teken, big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>24-bit PCM met teken, big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>32-bit PCM met teken, big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>8-bit PCM met teken</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>8-bit PCM zonder teken</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Map van het originele bestand</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Een aangepaste map</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Automatisch hernoemen (nummer aan het einde van de bestandsnaam toevoegen)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overschrijven</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Overslaan (niet converteren)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Kies een uitvoermap.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Voer de bestandsextensies in waarop u wilt filteren.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Het pad van de aangepaste map is te lang: het mag maximaal 259 bytes bevatten.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>ReplayGain-tags schrijven</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Audio normaliseren</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Voer een doelluidheid in LUFS in, van -31 tot -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>De doelluidheid moet een geheel aantal LUFS zijn, zoals -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>De doelluidheid moet tussen -31 en -5 LUFS liggen.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>%1-bestanden hebben geen standaardplek voor luidheidstags: de tags worden weggelaten, normaliseren werkt wel.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Audio-opties</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>%1 converteren...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Er is geen toepassing gekoppeld
aan de opgegeven bestandsextensie.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Kan de koppeling niet openen:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Kan &quot;%1&quot; niet openen.

Er is geen programma gevonden om het te openen: het hulpprogramma van de werkomgeving om bestanden te openen (xdg-open, uit het pakket xdg-utils) ontbreekt mogelijk.</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Verhogen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verlagen</translation>
    </message>
</context>
</TS>
