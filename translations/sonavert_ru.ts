<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2, сборка %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Посетить сайт %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Обратная связь и поддержка</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Программа использует кодировщик MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Рассказать другу</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Добавление файлов</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Добавленные файлы</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Поиск файлов...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Поиск файлов... найдено: %1</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Ни один файл не добавлен: ни у одного из них нет расширения, указанного в параметре «Добавлять только файлы со следующими расширениями при &quot;Добавить папку&quot; и перетаскивании» в окне параметров.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Конвертирование</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Конвертирование %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Текущий файл</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Конвертирование...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Ошибка конвертирования</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Сохранено как %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Конвертирование файла %1 из %2 в %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Конвертирование %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Измерение громкости %1 из %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Измерение громкости: %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Прошло %1, осталось %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Прошло %1, оценка оставшегося времени...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Громкость не определена (цифровая тишина): теги громкости не записаны.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>Конвертировано файлов: %1</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>Конвертировано файлов: %1</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>Конвертировано: %1, с ошибкой: %2</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 из %2 файла не конвертирован.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 из %2 файлов не конвертирован.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 из %2 файлов не конвертированы.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 из %2 файла сохранён в папке «Документы».</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 из %2 файлов сохранены в папке «Документы».</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Добавление файла %1 из %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Не удалось загрузить следующие файлы.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;другие файлы&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, поэтому файл сохранён в папке «Документы».</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Например: исходный файл — &quot;/home/user/Music/pop/1.mp3&quot;, выходная папка — &quot;/media/output.&quot; Если этот параметр включён, выходной папкой будет &quot;/media/output/home/user/Music/pop.&quot;</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&amp;Добавлять только файлы со следующими расширениями при &quot;Добавить папку&quot; и перетаскивании</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Примечание: для разделения расширений используйте запятую (,). Например: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Выходная папка:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>&amp;Указанная папка:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>О&amp;бзор</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Создавать папки в соответствии с путём исходного файла</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Если конечный файл &amp;существует </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Сохранять файлы в папку «&amp;Документы», если не удаётся создать файл</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Открывать выходную папку по завершении конвертирования</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Одновременных &amp;конвертирований:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Режим:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Теги ReplayGain позволяют проигрывателям выравнивать громкость (эталон -18 LUFS); нормализация изменяет сам звук, с одним усилением на дорожку или альбом, и тоже записывает теги.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Цель:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>Громкость, к которой приводится нормализованный звук, от -31 до -5 LUFS; она снижается ещё больше там, где истинный пик превысил бы -1 dBTP. Громкость самого формата применяется после неё.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Нормализовать каждый альбом с одним &amp;усилением (одинаковый тег альбома)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Выберите выходную папку:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Расширения файлов</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Параметры кодирования</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Выходной формат:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>&amp;Кодек: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>&amp;Битрейт:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>&amp;Частота дискретизации:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>К&amp;аналы:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Громкость:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Не удалось запустить конвертер: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Конвертер не ответил вовремя и был остановлен.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Конвертер остановлен сигналом %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Конвертер завершил работу без пригодного результата.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Конвертер не принял командную строку (код завершения 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>Источник не удаётся прочитать как аудио или видео (код завершения 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Выбранный формат или параметр не поддерживается (код завершения 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Не удаётся создать или записать выходной файл (код завершения 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Работа конвертера прервана (код завершения 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Конвертер завершился с ошибкой, код завершения %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Конвертер остановился при чтении этого файла.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Нет аудио- или видеопотока, который может прочитать конвертер.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Неизвестный выходной формат.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>Конечный файл совпадает с исходным.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>В выходную папку нельзя записать новый файл.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Конвертер ничего не записал.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Не удалось присвоить готовому файлу его имя: за это время его занял другой файл.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Файл не найден: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Не удаётся прочитать потоки %1: данные повреждены или не являются медиаданными.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Не удаётся прочитать потоки %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Не удаётся прочитать %1: данные повреждены или не являются медиаданными.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Не удаётся прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 — это папка, а не медиафайл.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 не является обычным файлом (FIFO, сокет или устройство).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 пуст.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 содержит только нулевые байты (незавершённый или заранее выделенный файл).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: данные повреждены или не являются медиаданными.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 не является медиафайлом, который может прочитать программа.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 ссылается на другие файлы (%2); читаются только медиафайлы.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Не удаётся декодировать звук в %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>В %1 нет пригодного аудиопотока.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Нет декодера для звука %1 в %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>Не удаётся декодировать звук в %1.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Не удалось декодировать звук из %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>В %1 слишком мало звука, чтобы создать из него файл.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Не удаётся создать %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Не удаётся записать заголовок %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Не удаётся записать изображение в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Не удаётся записать %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Не удаётся завершить %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Не удаётся закрыть %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 является символической ссылкой; программа записывает только обычные файлы.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Выходной файл совпадает с входным: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 уже существует (-y перезаписывает его).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>Контейнер %1 не может содержать звук %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Не удаётся добавить теги громкости в %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Ошибка преобразования звука: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 не может кодировать звук %2 Гц с числом каналов %3: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>Не удаётся повторно открыть %1: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>Ошибка кодирования %1: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Кадр AMR неверного размера.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>Ошибка кодировщика AMR.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>Кодировщик FLAC записал кадр, который невозможно объединить.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Не удалось создать папку «%1»</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Не удалось создать файл «%1»</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Файл уже существует, пропущен</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Имя конечного файла совпадает с именем исходного файла, который нельзя перезаписать. Укажите для выходных файлов отдельную папку.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Справка Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Воспроизвести исходный файл</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Воспроизвести &amp;результат</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Конвертировать выбранные</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Конвертировать все</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Открыть папку с &amp;исходным файлом</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Открыть папку с р&amp;езультатом</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Добавить файлы...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Удалить	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Удалить &amp;все</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>&amp;Отменить удаление	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Содержание справки	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Рассказать другу</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Обратная связь и поддержка</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Домашняя страница</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Проверить наличие новой версии</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
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
        <translation>Выберите хотя бы один файл.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>В списке нет файлов.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Файлы ещё конвертируются. Отменить конвертирование и выйти?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Добавить файлы</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Добавить файлы из папки</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Удалить &amp;все</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Удалить все файлы из списка</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Конвертировать</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Конвертировать все файлы</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Выходной формат</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Посетить сайт %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> в %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Не конвертирован</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>Файлы 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>Файлы 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Файлы Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>Файлы AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>Файлы AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>Файлы AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Файлы AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>Аудио-CD (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Файлы Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>Файлы CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>Файлы DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>Видеофайлы DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Видеофайлы DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Файлы CDATA Electronic Arts (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Файлы Flash Video (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>Видео H.264/MPEG4 AVC (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Файлы Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>Видеофайлы MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>Файлы MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>Файлы MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>Аудиофайлы MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>Видеофайлы MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>Аудиофайлы MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>HD-видео MPEG4 TS (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>Видеофайлы MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Аудио- и видеофайлы Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>Файлы NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>Файлы OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Файлы Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>Файлы QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Необработанные файлы h261 (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Необработанные файлы h263 (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Необработанные видеофайлы h264 (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Файлы Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Файлы Real Media (*.rm;*.rmvb)</translation>
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
        <translation>Видеофайлы VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>Файлы WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Файлы Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>Видеофайл YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Все поддерживаемые файлы</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Недопустимые параметры для узкополосного кодека AMR.
Допустимая частота дискретизации — 8000 Гц, число каналов — 1, битрейт — одно из значений: 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 кбит/с.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Недопустимые параметры для широкополосного кодека AMR.
Допустимая частота дискретизации — 16000 Гц, число каналов — 1, битрейт — одно из значений: 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 кбит/с.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Недопустимые параметры для кодека AAC.
Частота дискретизации должна быть не ниже 16000 Гц, а битрейт — не ниже 16 кбит/с.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Недопустимые параметры для кодека FLAC.
Частота дискретизации должна быть «Авто» или от 1000 до 655350 Гц.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Недопустимые параметры для кодека Opus.
Битрейт должен быть «Авто» или от 6 до 510 кбит/с.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR узкополосный</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR широкополосный</translation>
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
        <translation>PCM 16 бит со знаком, little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM 24 бита со знаком, little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM 32 бита со знаком, little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM 16 бит со знаком, big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM 24 бита со знаком, big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM 32 бита со знаком, big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM 8 бит со знаком</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM 8 бит без знака</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Папка исходного файла</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Указанная папка</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Переименовать автоматически (добавить номер в конец имени файла)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Пропустить (не конвертировать)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Выберите выходную папку.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Введите расширения файлов для фильтрации.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Путь к указанной папке слишком длинный: допускается не более 259 байт.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Записывать теги ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Нормализовать звук</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Введите целевую громкость в LUFS, от -31 до -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>Целевая громкость должна быть целым числом LUFS, например -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>Целевая громкость должна быть в пределах от -31 до -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>В файлах %1 нет стандартного места для тегов громкости: теги не записываются, но нормализация работает.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Параметры звука</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Конвертирование %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>С данным расширением имени файла
не сопоставлено ни одно приложение.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Не удалось открыть ссылку:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Не удалось открыть «%1».

Не найдена программа, которой его можно открыть: возможно, отсутствует средство открытия файлов рабочего стола (xdg-open из пакета xdg-utils).</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Уменьшить</translation>
    </message>
</context>
</TS>
