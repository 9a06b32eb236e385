<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2, kompilacja %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Odwiedź stronę domową %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Opinie i pomoc techniczna</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Program korzysta z kodera MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Wybierz katalog:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Dodawanie plików</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Dodane pliki</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Wyszukiwanie plików...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Wyszukiwanie plików... znaleziono: %1</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Nie dodano żadnego pliku: żaden z nich nie ma rozszerzenia wymienionego w opcji „Dodawaj tylko pliki o następujących rozszerzeniach przy &quot;Dodaj katalog&quot; i przeciąganiu” w Opcjach.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Konwertowanie</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Konwersja %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Bieżący plik</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Konwertowanie...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Błąd konwersji</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Zapisano jako %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Konwertowanie pliku %1 z %2 do %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Konwertowanie %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Pomiar głośności %1 z %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Pomiar głośności: %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Upłynęło %1, pozostało %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Upłynęło %1, szacowanie pozostałego czasu...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Głośność nieokreślona (cyfrowa cisza): nie zapisano znaczników głośności.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>Przekonwertowane pliki: %1</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>Przekonwertowane pliki: %1</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>Przekonwertowane: %1, nieudane: %2</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>Nieprzekonwertowane pliki: %1 z %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>Nieprzekonwertowane pliki: %1 z %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>Nieprzekonwertowane pliki: %1 z %2.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>Pliki zapisane w katalogu Dokumenty: %1 z %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>Pliki zapisane w katalogu Dokumenty: %1 z %2.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Dodawanie pliku %1 z %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Nie udało się wczytać następujących plików.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;więcej plików&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, więc plik został zapisany w katalogu Dokumenty.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Na przykład: plik oryginalny to &quot;/home/user/Music/pop/1.mp3&quot;, a katalog wyjściowy to &quot;/media/output.&quot; Jeśli ta opcja jest zaznaczona, katalogiem wyjściowym będzie &quot;/media/output/home/user/Music/pop.&quot;</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Dod&amp;awaj tylko pliki o następujących rozszerzeniach przy &quot;Dodaj katalog&quot; i przeciąganiu</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Uwaga: kilka rozszerzeń należy oddzielić przecinkami (,). Na przykład: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Katalog wyjściowy:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>&amp;Wybrany katalog:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Twórz katalogi zgodnie ze ścieżką pliku oryginalnego</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Jeśli plik docelowy &amp;istnieje </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Zapisuj pliki w katalogu &amp;Dokumenty, jeśli nie można utworzyć pliku</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Otwieraj katalog wyjściowy po zakończeniu konwersji</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>&amp;Równoczesne konwersje:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>Tr&amp;yb:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Znaczniki ReplayGain pozwalają odtwarzaczom wyrównać głośność (poziom odniesienia -18 LUFS); normalizacja zmienia sam dźwięk, z jednym wzmocnieniem na utwór lub album, i również zapisuje znaczniki.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cel:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>Głośność, do której sprowadzany jest znormalizowany dźwięk, od -31 do -5 LUFS; jest ona dodatkowo obniżana tam, gdzie szczyt rzeczywisty (true peak) przekroczyłby -1 dBTP. Głośność własna formatu jest stosowana później.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Normalizuj każdy album jednym wzmocni&amp;eniem (ten sam znacznik albumu)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Wybierz katalog wyjściowy:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Rozszerzenia plików</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parametry kodowania</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Format wyjściowy:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>Ko&amp;dek: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>&amp;Przepływność:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kb/s</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>&amp;Częstotliwość próbkowania:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>&amp;Kanały:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Głośność:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Nie można uruchomić konwertera: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Konwerter nie odpowiedział na czas i został zatrzymany.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Konwerter został zatrzymany sygnałem %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Konwerter zakończył działanie bez użytecznego wyniku.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Konwerter nie przyjął wiersza poleceń (kod wyjścia 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>Nie można odczytać źródła jako audio ani wideo (kod wyjścia 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Wybrany format lub ustawienie nie jest obsługiwane (kod wyjścia 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Nie można utworzyć ani zapisać pliku wyjściowego (kod wyjścia 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Konwerter został przerwany (kod wyjścia 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Konwerter zakończył się błędem, kod wyjścia %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Konwerter zatrzymał się podczas odczytu tego pliku.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Brak strumienia audio lub wideo, który konwerter potrafi odczytać.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Nieznany format wyjściowy.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>Plik docelowy jest tym samym plikiem co plik źródłowy.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>W katalogu wyjściowym nie można utworzyć nowego pliku.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Konwerter niczego nie zapisał.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Nie udało się nadać gotowemu plikowi jego nazwy; w międzyczasie zajął ją inny plik.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Przerwano.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Nie odnaleziono pliku: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Nie można odczytać strumieni %1: dane są uszkodzone lub nie są multimediami.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Nie można odczytać strumieni %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Nie można odczytać %1: dane są uszkodzone lub nie są multimediami.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 jest katalogiem, a nie plikiem multimedialnym.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 nie jest zwykłym plikiem (FIFO, gniazdo lub urządzenie).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 jest pusty.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 zawiera wyłącznie bajty zerowe (niedokończony lub wstępnie zaalokowany plik).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: dane są uszkodzone lub nie są multimediami.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 nie jest plikiem multimedialnym, który narzędzie potrafi odczytać.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 odwołuje się do innych plików (%2); odczytywane są tylko pliki multimedialne.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Nie można zdekodować dźwięku z %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>Brak użytecznego strumienia audio w %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Brak dekodera dla dźwięku %1 w %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>Nie można zdekodować dźwięku z %1.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Nie udało się zdekodować dźwięku z %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>W %1 jest za mało dźwięku, aby utworzyć z niego plik.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Nie można utworzyć %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Nie można zapisać nagłówka %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Nie można zapisać obrazu w %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Nie można dokończyć %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Nie można zamknąć %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 jest dowiązaniem symbolicznym; narzędzie zapisuje tylko zwykłe pliki.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Plik wyjściowy jest plikiem wejściowym: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 istnieje (-y go zastępuje).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>Kontener %1 nie może zawierać dźwięku %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Nie można dodać znaczników głośności do %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Konwersja dźwięku nie powiodła się: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 nie może kodować dźwięku %2 Hz o liczbie kanałów %3: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>Nie można ponownie otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>Błąd kodowania %1: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Ramka AMR o nieprawidłowym rozmiarze.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>Błąd kodera AMR.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>Koder FLAC zapisał ramkę, której nie można połączyć.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Nie udało się utworzyć katalogu „%1”</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Nie udało się utworzyć pliku „%1”</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Plik docelowy istnieje, pominięto</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Nazwa pliku docelowego jest taka sama jak pliku oryginalnego, którego nie można zastąpić. Ustaw zapisywanie plików w wybranym katalogu.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Pomoc programu Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Odtwórz plik źródłowy</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Odtwórz plik &amp;wynikowy</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Konwertuj zaznaczone</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Konwertuj wszystkie</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Otwórz katalog ź&amp;ródłowy</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Otwórz katalog &amp;docelowy</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Dodaj pliki...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Dodaj &amp;katalog</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Usuń	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Usuń &amp;wszystkie</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>&amp;Cofnij usunięcie	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Tematy pomocy	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Poleć znajomemu</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Opinie i pomoc techniczna</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>Strona &amp;domowa</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Sprawdź najnowszą wersję</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
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
        <translation>Zaznacz co najmniej jeden plik.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Na liście nie ma plików.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Pliki są nadal konwertowane. Anulować konwersję i zakończyć?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Dodaj pliki</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Dodaj &amp;katalog</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Dodaj pliki z katalogu</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Usuń &amp;wszystkie</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Usuń wszystkie pliki z listy</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konwertuj</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Konwertuj wszystkie pliki</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format wyjściowy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Odwiedź stronę domową %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Zminimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> do %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nieprzekonwertowany</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>Pliki 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>Pliki 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Pliki Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>Pliki AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>Pliki AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>Pliki AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Pliki AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>Ścieżki CD Audio (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Pliki Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>Pliki CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>Pliki DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>Pliki wideo DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Pliki wideo DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Pliki CDATA Electronic Arts (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Pliki Flash Video (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>Wideo H.264/MPEG4 AVC (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Pliki Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>Pliki wideo MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>Pliki MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>Pliki MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>Pliki audio MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>Pliki wideo MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>Pliki audio MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>Wideo HD MPEG4 TS (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>Pliki wideo MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Pliki audio/wideo Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>Pliki NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>Pliki OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Pliki Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>Pliki QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Surowe pliki h261 (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Surowe pliki h263 (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Surowe pliki wideo h264 (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Pliki Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Pliki Real Media (*.rm;*.rmvb)</translation>
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
        <translation>Pliki wideo VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>Pliki WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Pliki Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>Plik wideo YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Wszystkie obsługiwane pliki</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Nieprawidłowe parametry kodeka AMR wąskopasmowego.
Prawidłowa częstotliwość próbkowania to 8000 Hz, liczba kanałów to 1, a przepływność musi mieć jedną z wartości: 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kb/s.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Nieprawidłowe parametry kodeka AMR szerokopasmowego.
Prawidłowa częstotliwość próbkowania to 16000 Hz, liczba kanałów to 1, a przepływność musi mieć jedną z wartości: 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kb/s.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Nieprawidłowe parametry kodeka AAC.
Częstotliwość próbkowania musi wynosić co najmniej 16000 Hz, a przepływność musi wynosić co najmniej 16 kb/s.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Nieprawidłowe parametry kodeka FLAC.
Częstotliwość próbkowania musi mieć wartość Automatycznie lub mieścić się w zakresie od 1000 do 655350 Hz.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Nieprawidłowe parametry kodeka Opus.
Przepływność musi mieć wartość Automatycznie lub mieścić się w zakresie od 6 do 510 kb/s.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR wąskopasmowy</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR szerokopasmowy</translation>
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
        <translation>PCM 16-bitowy ze znakiem, little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM 24-bitowy ze znakiem, little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM 32-bitowy ze znakiem, little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM 16-bitowy ze znakiem, big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM 24-bitowy ze znakiem, big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM 32-bitowy ze znakiem, big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM 8-bitowy ze znakiem</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM 8-bitowy bez znaku</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Katalog pliku oryginalnego</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Wybrany katalog</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Zmień nazwę automatycznie (dodaj numer na końcu nazwy pliku)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Pomiń (nie konwertuj)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Wybierz katalog wyjściowy.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Wprowadź rozszerzenia plików do filtrowania.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Ścieżka wybranego katalogu jest za długa: może mieć najwyżej 259 bajtów.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Zapisuj znaczniki ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Normalizuj dźwięk</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Wprowadź docelową głośność w LUFS, od -31 do -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>Docelowa głośność musi być całkowitą liczbą LUFS, np. -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>Docelowa głośność musi mieścić się w zakresie od -31 do -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>Pliki %1 nie mają standardowego miejsca na znaczniki głośności: znaczniki są pomijane, ale normalizacja nadal działa.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Opcje dźwięku</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Konwertowanie %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie odnaleziono podanego pliku.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z podanym rozszerzeniem pliku
nie jest skojarzony żaden program.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Nie można otworzyć odnośnika:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Nie można otworzyć „%1”.

Nie odnaleziono programu, który mógłby go otworzyć: być może brakuje narzędzia otwierającego pliki w środowisku graficznym (xdg-open z pakietu xdg-utils).</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Zwiększ</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Zmniejsz</translation>
    </message>
</context>
</TS>
