<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 derleme %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1 Ana Sayfasını Ziyaret Et</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Geri Bildirim ve Destek</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Program LAME MP3 kodlayıcısını kullanır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Bir Arkadaşa Söyle</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Lütfen bir klasör seçin:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Dosyalar ekleniyor</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Eklenen dosyalar</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Dosyalar aranıyor...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Dosyalar aranıyor... %1 bulundu</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Hiçbir dosya eklenmedi: hiçbirinin uzantısı Seçenekler&apos;deki &quot;&quot;Klasör Ekle&quot; ve Sürükle/Bırak için yalnızca şu dosya uzantılarını ekle&quot; listesinde yok.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Dönüştürülüyor</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Dönüştürme %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Geçerli dosya</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tüm dosyalar</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Dönüştürülüyor...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Dönüştürme Hatası</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Kaydedildi: %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>%1 / %2 dosya %3 biçimine dönüştürülüyor...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Dönüştürülüyor: %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Ses yüksekliği ölçülüyor: %1 / %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Ölçülüyor: %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Geçen süre %1, kalan %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Geçen süre %1, kalan süre hesaplanıyor...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Ses yüksekliği tanımsız (dijital sessizlik): ses yüksekliği etiketi yazılmadı.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 dosya dönüştürüldü</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 dosya dönüştürüldü</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 dönüştürüldü, %2 başarısız</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%2 dosyadan %1 tanesi dönüştürülmedi.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%2 dosyadan %1 tanesi dönüştürülmedi.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%2 dosyadan %1 tanesi dönüştürülmedi.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%2 dosyadan %1 tanesi Belgeler klasörüne kaydedildi.</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%2 dosyadan %1 tanesi Belgeler klasörüne kaydedildi.</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Dosya ekleniyor: %1 / %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Aşağıdaki dosyalar yüklenemedi.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;diğer dosyalar&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, bu nedenle dosya bunun yerine Belgeler klasörüne kaydedildi.</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Örnek: özgün dosya &quot;/home/user/Music/pop/1.mp3&quot; ve çıktı klasörü &quot;/media/output&quot; olsun. Seçenek işaretliyse çıktı klasörü &quot;/media/output/home/user/Music/pop&quot; olur.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&quot;Klasör Ekle&quot; ve Sürükle/Bırak için &amp;yalnızca şu dosya uzantılarını ekle</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Not: birden çok uzantıyı ayırmak için virgül (,) kullanın. Örneğin: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Çıktı</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Çıktı &amp;klasörü:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Özel k&amp;lasör:</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Gözat</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>Özgün dosyanın yoluna göre klasörler &amp;oluştur</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Hedef dosya &amp;varsa </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Dosya oluşturma başarısız olursa dosyaları &amp;Belgeler klasörüne çıkar</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>Dönüştürme &amp;tamamlandığında çıktı klasörüne gözat</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>E&amp;şzamanlı dönüştürmeler:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Ses Yüksekliği</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>K&amp;ip:</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>ReplayGain etiketleri, oynatıcıların ses yüksekliğini dengelemesini sağlar (referans -18 LUFS); normalleştirme sesin kendisini parça veya albüm başına tek bir kazançla değiştirir ve ayrıca etiketler.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Hedef:</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>Normalleştirilen sesin getirileceği ses yüksekliği, -31 ile -5 LUFS arası; gerçek tepe değeri (true peak) -1 dBTP&apos;yi aşacaksa daha da düşürülür. Biçimin kendi ses düzeyi bundan sonra uygulanır.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Her &amp;albümü tek bir kazançla normalleştir (aynı albüm etiketi)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Lütfen bir çıktı klasörü seçin:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dosya uzantıları</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Kodlama Parametreleri</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>Çıktı &amp;Biçimi:</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>&amp;Kodek: </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>B&amp;it Hızı:</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>Örnekleme &amp;Hızı:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>Ka&amp;nallar:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Ses Düzeyi:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Dönüştürücü başlatılamadı: %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>İptal edildi.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Dönüştürücü zamanında yanıt vermedi ve durduruldu.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Dönüştürücü %1 sinyaliyle durduruldu (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Dönüştürücü kullanılabilir bir sonuç olmadan sona erdi.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Dönüştürücü komut satırını kabul etmedi (çıkış durumu 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>Kaynak, ses veya video olarak okunamıyor (çıkış durumu 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Seçilen biçim veya ayar desteklenmiyor (çıkış durumu 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Çıktı dosyası oluşturulamıyor veya yazılamıyor (çıkış durumu 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Dönüştürücü kesintiye uğradı (çıkış durumu 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Dönüştürücü başarısız oldu, çıkış durumu: %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Dönüştürücü bu dosyayı okurken durdu.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Dönüştürücünün okuyabileceği bir ses veya video akışı yok.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Çıktı biçimi bilinmiyor.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>Hedef, kaynak dosyanın kendisi.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>Çıktı klasörü yeni bir dosya kabul etmiyor.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Dönüştürücü hiçbir şey yazmadı.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Tamamlanan dosyaya adı verilemedi; bu arada başka bir dosya o adı aldı.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Kesintiye uğradı.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Dosya bulunamadı: %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>%1 akışları okunamıyor: veriler bozuk veya medya değil.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>%1 akışları okunamıyor: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>%1 okunamıyor: veriler bozuk veya medya değil.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 okunamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 bir dizin, medya dosyası değil.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 normal bir dosya değil (FIFO, soket veya aygıt).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 boş.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 sıfır baytlardan başka bir şey içermiyor (tamamlanmamış veya önceden ayrılmış bir dosya).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: veriler bozuk veya medya değil.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1, aracın okuyabileceği bir medya dosyası değil.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 başka dosyalara başvuruyor (%2); yalnızca medya dosyaları okunur.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>%1 sesi çözülemiyor: %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>%1 içinde kullanılabilir ses akışı yok.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>%2 içindeki %1 sesi için kod çözücü yok.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>%1 sesi çözülemiyor.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>%1 dosyasından hiç ses çözülemedi.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>%1 içinde bir dosya oluşturmaya yetecek kadar ses yok.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>%1 oluşturulamıyor: %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>%1 başlığı yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Resim %1 içine yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>%1 tamamlanamıyor: %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>%1 kapatılamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 sembolik bir bağlantı; araç yalnızca normal dosyalar yazar.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Çıktı dosyası girdi dosyasıyla aynı: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 normal bir dosya değil.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 zaten var (-y üzerine yazar).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>%1 kapsayıcısı %2 sesi içeremez.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Ses yüksekliği etiketleri %1 dosyasına eklenemiyor.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Ses dönüştürme başarısız oldu: %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1, %2 Hz, %3 kanal kodlayamıyor: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 yeniden açılamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 kodlama yapamadı: %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Yanlış boyutta AMR çerçevesi.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>AMR kodlayıcısı başarısız oldu.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>FLAC kodlayıcısı birleştirilemeyen bir çerçeve yazdı.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Klasör oluşturulamadı: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Dosya oluşturulamadı: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Hedef mevcut, atlandı</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Hedef dosya adı, üzerine yazılamayan özgün dosyayla aynı. Lütfen dosyaları özel bir klasöre çıkarın.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Sonavert Yardımı</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>Kaynağı &amp;Oynat</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>&amp;Hedefi Oynat</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Seçilenleri Dönüştür</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tümünü Dönüştür</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Kaynak Klasöre Gözat</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Hedef Klasöre Gö&amp;zat</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Dosya Ekle...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>K&amp;lasör Ekle</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>Kaldı&amp;r	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>&amp;Tümünü Kaldır</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>Kaldırmayı &amp;Geri Al	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Yardım Konuları	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>Bir &amp;Arkadaşa Söyle</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Geri Bildirim ve Destek</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>Ana &amp;Sayfa</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Son Sürümü &amp;Denetle</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
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
        <translation>En az bir dosya seçmelisiniz.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Listede dosya yok.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Dosyalar hâlâ dönüştürülüyor. Dönüştürmeler iptal edilip çıkılsın mı?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Dosya Ekle</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dosya ekle</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>&amp;Klasör Ekle</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Bir klasörden dosya ekle</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>&amp;Tümünü Kaldır</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Listedeki tüm dosyaları kaldır</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Dö&amp;nüştür</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Tüm dosyaları dönüştür</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Çıktı biçimi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1 Ana Sayfasını Ziyaret Et</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> %1 biçimine</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Dönüştürülmedi</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tüm Dosyalar (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>3GPP Dosyaları (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>3GPP2 Dosyaları (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Adobe Flash Dosyaları (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>AIFF Dosyaları (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>AMR Dosyaları (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>AU Dosyaları (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI Dosyaları (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD Sesi (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Creative Voice Dosyaları (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>CRI ADX Dosyaları (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>DTS Dosyaları (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>DV Video Dosyaları (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>DVD Video Dosyaları (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Electronic Arts CDATA Dosyaları (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Flash Video Dosyaları (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Matroska Dosyaları (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>MJPEG Video Dosyaları (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>MMF Dosyaları (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>MP3 Dosyaları (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>MPEG Ses Dosyaları (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>MPEG Video Dosyaları (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>MPEG-4 Ses Dosyaları (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>MPEG4 TS HD Video (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>MPEG-4 Video Dosyaları (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Nullsoft Ses/Video Dosyaları (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>NUT Dosyaları (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>OGG Dosyaları (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Opus Dosyaları (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>QuickTime Dosyaları (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Ham h261 Dosyaları (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Ham h263 Dosyaları (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Ham h264 Video Dosyaları (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Real Audio Dosyaları (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Real Media Dosyaları (*.rm;*.rmvb)</translation>
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
        <translation>VCD Video Dosyaları (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>WAV Dosyaları (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Windows Media Dosyaları (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>YUV Video Dosyası (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Desteklenen tüm dosyalar</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>AMR Narrow-Band kodeği için geçersiz parametreler.
Geçerli örnekleme hızı 8000 Hz, kanal sayısı 1&apos;dir; bit hızı ise şunlardan biri olmalıdır: 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>AMR Wide-Band kodeği için geçersiz parametreler.
Geçerli örnekleme hızı 16000 Hz, kanal sayısı 1&apos;dir; bit hızı ise şunlardan biri olmalıdır: 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>AAC kodeği için geçersiz parametreler.
Örnekleme hızı 16000 Hz&apos;e eşit veya daha büyük, bit hızı ise 16 kbps&apos;ye eşit veya daha büyük olmalıdır.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>FLAC kodeği için geçersiz parametreler.
Örnekleme hızı Otomatik ya da 1000 ile 655350 Hz arasında olmalıdır.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Opus kodeği için geçersiz parametreler.
Bit hızı Otomatik ya da 6 ile 510 kbps arasında olmalıdır.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR Narrow-Band (Dar Bant)</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR Wide-Band (Geniş Bant)</translation>
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
        <translation>İşaretli 16 bit Little-Endian PCM</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>İşaretli 24 bit Little-Endian PCM</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>İşaretli 32 bit Little-Endian PCM</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>İşaretli 16 bit Big-Endian PCM</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>İşaretli 24 bit Big-Endian PCM</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>İşaretli 32 bit Big-Endian PCM</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>İşaretli 8 bit PCM</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>İşaretsiz 8 bit PCM</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Özgün dosyayla aynı</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Özel bir klasör</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Otomatik yeniden adlandır (dosya adının sonuna numara ekle)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Üzerine yaz</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Atla (dönüştürme)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Lütfen bir çıktı klasörü seçin.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Lütfen süzmek istediğiniz dosya uzantılarını girin.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Özel klasör çok uzun: en fazla 259 bayt olabilir.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>ReplayGain etiketleri yaz</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Sesi normalleştir</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Lütfen LUFS cinsinden -31 ile -5 arasında bir ses yüksekliği hedefi girin.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>Ses yüksekliği hedefi tam sayı bir LUFS değeri olmalıdır, örneğin -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>Ses yüksekliği hedefi -31 ile -5 LUFS arasında olmalıdır.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>%1 dosyalarında ses yüksekliği etiketleri için standart bir yer yok: etiketler yazılmaz, normalleştirme yine çalışır.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Ses Seçenekleri</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Dönüştürülüyor: %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Belirtilen dosya bulunamadı.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Verilen dosya adı uzantısıyla
ilişkilendirilmiş bir uygulama yok.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Köprü açılamıyor:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>&quot;%1&quot; açılamıyor.

Onu açacak bir program bulunamadı: masaüstünün açıcısı (xdg-utils paketindeki xdg-open) eksik olabilir.</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Artır</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Azalt</translation>
    </message>
</context>
</TS>
