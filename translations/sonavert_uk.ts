<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2, збірка %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Відвідати домашню сторінку %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Відгуки та підтримка</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Програма використовує кодувальник MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Перевірити оновлення</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Розповісти другові</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Будь ласка, виберіть теку:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Додавання файлів</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Додані файли</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Пошук файлів...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Пошук файлів... знайдено %1</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Жоден файл не додано: жоден із них не має розширення, вказаного в пункті «Додавати лише такі розширення файлів для «Додати теку» і перетягування» у параметрах.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Перетворення</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Перетворення %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Поточний файл</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Усі файли</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Перетворення...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Помилка перетворення</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Збережено як %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Перетворення %1 з %2 файлів у %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Перетворення %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Вимірювання гучності %1 з %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Вимірювання %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Минуло %1, залишилося %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Минуло %1, оцінювання часу, що залишився...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Гучність не визначено (цифрова тиша): теги гучності не записано.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 файл перетворено</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>Перетворено файлів: %1</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>Перетворено: %1, з помилкою: %2</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>Не перетворено файлів: %1 з %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>Не перетворено файлів: %1 з %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>Не перетворено файлів: %1 з %2.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>До теки «Документи» збережено файлів: %1 з %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>До теки «Документи» збережено файлів: %1 з %2.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Додавання файла %1 з %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Не вдалося завантажити такі файли.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;інші файли&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, тому файл збережено в теці «Документи».</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Наприклад: початковий файл — «/home/user/Music/pop/1.mp3», а тека результатів — «/media/output». Якщо цей пункт позначено, текою результатів буде «/media/output/home/user/Music/pop».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Д&amp;одавати лише такі розширення файлів для «Додати теку» і перетягування</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Примітка: відокремлюйте розширення комою (,). Наприклад: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Тека результатів:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>&amp;Власна тека:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>О&amp;гляд</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Створювати теки відповідно до шляху початкового файла</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Якщо файл призначення &amp;існує </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Зберігати файли до теки «&amp;Документи», якщо не вдалося створити файл</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>Відкрити теку результатів після &amp;завершення перетворення</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Одночасн&amp;их перетворень:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Рівень гучності</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Режим:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Теги ReplayGain дають програвачам змогу вирівнювати гучність (еталон -18 LUFS); нормалізація змінює сам звук, з одним підсиленням на доріжку чи альбом, і також додає теги.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ціль:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>Гучність, до якої зводиться нормалізований звук, від -31 до -5 LUFS; вона додатково знижується там, де справжній пік перевищив би -1 dBTP. Власна гучність формату застосовується після цього.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Нормалізувати кожен альбом одним &amp;підсиленням (однаковий тег альбому)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Будь ласка, виберіть теку для результатів:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Розширення файлів</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Параметри кодування</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Формат результату:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>&amp;Кодек: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>&amp;Бітова швидкість:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбіт/с</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>&amp;Частота дискретизації:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>К&amp;анали:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Гучність:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Будь ласка, введіть ціле число.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Не вдалося запустити перетворювач: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Скасовано.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Перетворювач не відповів вчасно, його зупинено.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Перетворювач зупинено сигналом %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Перетворювач завершив роботу без придатного результату.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Перетворювач не прийняв командний рядок (код виходу 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>Джерело не вдається прочитати як аудіо чи відео (код виходу 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Вибраний формат або параметр не підтримується (код виходу 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Не вдається створити або записати файл результату (код виходу 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Роботу перетворювача перервано (код виходу 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Перетворювач завершився з помилкою, код виходу %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Перетворювач зупинився під час читання цього файла.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Немає аудіо- чи відеопотоку, який може прочитати перетворювач.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Невідомий формат результату.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>Файлом призначення є сам початковий файл.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>До теки результатів не можна додати новий файл.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Перетворювач нічого не записав.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Готовому файлу не вдалося надати його назву; тим часом її зайняв інший файл.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Перервано.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Файл не знайдено: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Не вдається прочитати потоки %1: дані пошкоджено або це не медіафайл.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Не вдається прочитати потоки %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Не вдається прочитати %1: дані пошкоджено або це не медіафайл.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Не вдається прочитати %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 — це тека, а не медіафайл.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 не є звичайним файлом (FIFO, сокет або пристрій).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 порожній.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 містить лише нульові байти (незавершений або попередньо виділений файл).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: дані пошкоджено або це не медіафайл.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 не є медіафайлом, який може прочитати інструмент.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 посилається на інші файли (%2); читаються лише медіафайли.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Не вдається декодувати звук %1: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>У %1 немає придатного аудіопотоку.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Немає декодера для звуку %1 у %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>Не вдається декодувати звук %1.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Із %1 не вдалося декодувати жодного звуку.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>У %1 замало звуку, щоб створити файл.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Не вдається створити %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Не вдається записати заголовок %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Не вдається записати зображення в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Не вдається записати %1: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Не вдається завершити %1: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Не вдається закрити %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 — символічне посилання; інструмент записує лише звичайні файли.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Файл результату збігається з вхідним файлом: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не є звичайним файлом.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 існує (-y перезаписує його).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>Контейнер %1 не може містити звук %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Не вдається додати теги гучності до %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Помилка перетворення звуку: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 не може закодувати %2 Гц, каналів: %3: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 не вдається відкрити повторно: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1: помилка кодування: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Кадр AMR неправильного розміру.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>Помилка кодувальника AMR.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>Кодувальник FLAC записав кадр, який неможливо приєднати.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Не вдалося створити теку «%1»</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Не вдалося створити файл «%1»</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Файл призначення існує, пропущено</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Назва файла призначення збігається з назвою початкового файла, який не можна перезаписати. Будь ласка, виберіть для результатів власну теку.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Довідка Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Відтворити джерело</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Відтворити &amp;результат</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Перетворити позначені</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Перетворити всі</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Відкрити теку &amp;джерела</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Відкрити теку резуль&amp;тату</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>Д&amp;одати файли...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Додати т&amp;еку</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>Вилу&amp;чити	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Вилучити вс&amp;і</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>&amp;Скасувати вилучення	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Зміст довідки	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Розповісти другові</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>Від&amp;гуки та підтримка</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Домашня сторінка</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Перевірити &amp;наявність нової версії</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Про програму...</translation>
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
        <translation>Виберіть принаймні один файл.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>У списку немає файлів.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Файли ще перетворюються. Скасувати перетворення і вийти?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Додати файли</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Додати файли</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Додати &amp;теку</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Додати файли з теки</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Вилучити &amp;всі</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Вилучити всі файли зі списку</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Перетворити</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Перетворити всі файли</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Формат результату</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>П&amp;араметри</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Відвідати домашню сторінку %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> у %1</translation>
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
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Не перетворено</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>Файли 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>Файли 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Файли Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>Файли AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>Файли AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>Файли AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Файли AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD-аудіо (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Файли Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>Файли CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>Файли DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>Відеофайли DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Відеофайли DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Файли Electronic Arts CDATA (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Відеофайли Flash (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>Відео H.264/MPEG4 AVC (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Файли Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>Відеофайли MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>Файли MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>Файли MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>Аудіофайли MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>Відеофайли MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>Аудіофайли MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>Відео MPEG4 TS HD (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>Відеофайли MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Аудіо- та відеофайли Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>Файли NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>Файли OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Файли Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>Файли QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Необроблені файли h261 (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Необроблені файли h263 (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Необроблені відеофайли h264 (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Файли Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Файли Real Media (*.rm;*.rmvb)</translation>
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
        <translation>Відеофайли VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>Файли WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Файли Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>Відеофайл YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Усі підтримувані файли</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Некоректні параметри кодека AMR Narrow-Band.
Допустима частота дискретизації — 8000 Гц, кількість каналів — 1, а бітова швидкість — одне зі значень 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 кбіт/с.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Некоректні параметри кодека AMR Wide-Band.
Допустима частота дискретизації — 16000 Гц, кількість каналів — 1, а бітова швидкість — одне зі значень 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 кбіт/с.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Некоректні параметри кодека AAC.
Частота дискретизації має бути не меншою за 16000 Гц, а бітова швидкість — не меншою за 16 кбіт/с.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Некоректні параметри кодека FLAC.
Частота дискретизації має бути «Авто» або від 1000 до 655350 Гц.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Некоректні параметри кодека Opus.
Бітова швидкість має бути «Авто» або від 6 до 510 кбіт/с.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR Narrow-Band (вузькосмуговий)</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR Wide-Band (широкосмуговий)</translation>
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
        <translation>16-бітний PCM зі знаком, little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>24-бітний PCM зі знаком, little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>32-бітний PCM зі знаком, little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>16-бітний PCM зі знаком, big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>24-бітний PCM зі знаком, big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>32-бітний PCM зі знаком, big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>8-бітний PCM зі знаком</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>8-бітний PCM без знака</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Та сама, що й у початкового файла</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Власна тека</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Автоматично перейменувати (додати номер у кінці назви файла)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписати</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Пропустити (не перетворювати)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Будь ласка, виберіть теку для результатів.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Будь ласка, введіть розширення файлів для фільтрування.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Шлях до власної теки задовгий: він може містити щонайбільше 259 байтів.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Записувати теги ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Нормалізувати звук</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Будь ласка, введіть цільову гучність у LUFS, від -31 до -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>Цільова гучність має бути цілим числом LUFS, наприклад -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>Цільова гучність має бути в межах від -31 до -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>Файли %1 не мають стандартного місця для тегів гучності: теги не буде записано, нормалізація однаково працює.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Параметри звуку</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Перетворення %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Вказаний файл не знайдено.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Немає програми, пов&apos;язаної
з цим розширенням файла.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Не вдалося відкрити посилання:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Не вдалося відкрити «%1».

Не знайдено програми, щоб його відкрити: можливо, у системі немає засобу відкриття файлів стільниці (xdg-open з пакунка xdg-utils).</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Зменшити</translation>
    </message>
</context>
</TS>
