<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 ビルド %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1 のホームページを開く</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>フィードバックとサポート</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>このプログラムは LAME MP3 エンコーダーを使用しています</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>友達に知らせる</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>ファイルを追加しています</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>追加されたファイル</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>ファイルを検索しています...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>ファイルを検索しています... %1 件見つかりました</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>ファイルは追加されませんでした: オプションの『「フォルダーを追加」とドラッグ＆ドロップでは次の拡張子のファイルのみ追加する』に含まれる拡張子を持つファイルがありません。</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>変換しています</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>変換 %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>現在のファイル</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>変換しています...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>変換エラー</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>%1 として保存しました</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>%2 個中 %1 個目のファイルを %3 に変換しています...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>%1 を変換しています...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>ラウドネスを測定しています (%1 / %2)...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>%1 を測定しています...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>経過 %1、残り %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>経過 %1、残り時間を見積もっています...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>ラウドネスが定義できません (デジタル無音): ラウドネス タグは書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 個のファイルを変換しました</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 個のファイルを変換しました</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 個を変換、%2 個が失敗</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%2 個中 %1 個のファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%2 個中 %1 個のファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%2 個中 %1 個のファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%2 個中 %1 個のファイルをドキュメント フォルダーに保存しました。</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%2 個中 %1 個のファイルをドキュメント フォルダーに保存しました。</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>ファイルを追加しています (%1 / %2)...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>次のファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;その他のファイル&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1。そのため、ファイルは代わりにドキュメント フォルダーに保存されました。</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>例: 元のファイルが &quot;/home/user/Music/pop/1.mp3&quot; で、出力フォルダーが &quot;/media/output&quot; の場合、このオプションをオンにすると出力フォルダーは &quot;/media/output/home/user/Music/pop&quot; になります。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>「フォルダーを追加」とドラッグ＆ドロップでは次の拡張子のファイルのみ追加する(&amp;N)</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>注: 複数の拡張子はカンマ (,) で区切ります。例: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>出力フォルダー(&amp;O):</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>カスタム フォルダー(&amp;F):</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>参照(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>元のファイルのパスに従ってフォルダーを作成する(&amp;C)</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>出力先ファイルが存在する場合(&amp;E) </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>ファイルを作成できない場合はドキュメント フォルダーに出力する(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>変換完了時に出力フォルダーを開く(&amp;B)</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>同時変換数(&amp;V):</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>ラウドネス</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>モード(&amp;M):</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>ReplayGain タグを使うと、プレーヤーでラウドネスを揃えられます (基準 -18 LUFS)。ノーマライズでは音声そのものをトラックまたはアルバムごとに 1 つのゲインで変更し、タグも付けます。</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>目標(&amp;T):</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>ノーマライズ後の音声のラウドネスです (-31～-5 LUFS)。トゥルーピークが -1 dBTP を超える場合はさらに下げられます。形式ごとの音量はその後に適用されます。</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>アルバムごとに 1 つのゲインでノーマライズする (同じアルバム タグ)(&amp;G)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>出力フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>ファイル拡張子</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>エンコード パラメーター</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>出力形式(&amp;O):</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>コーデック(&amp;D): </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>ビットレート(&amp;T):</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>サンプリングレート(&amp;R):</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>チャンネル(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>音量(&amp;V):</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>コンバーターを起動できませんでした: %1。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>コンバーターが時間内に応答しなかったため、停止しました。</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>コンバーターはシグナル %1 (%2) により停止しました。</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>コンバーターは使用可能な結果を出さずに終了しました。</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>コンバーターがコマンドラインを受け付けませんでした (終了ステータス 1)。</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>ソースを音声または動画として読み取れません (終了ステータス 2)。</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>選択した形式または設定はサポートされていません (終了ステータス 3)。</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>出力ファイルを作成または書き込みできません (終了ステータス 4)。</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>コンバーターが中断されました (終了ステータス 5)。</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>コンバーターが失敗しました (終了ステータス %1)。</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>このファイルの読み込み中にコンバーターが停止しました。</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>コンバーターが読み取れる音声または動画ストリームがありません。</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>出力形式が不明です。</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>出力先が元のファイルそのものです。</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>出力フォルダーに新しいファイルを作成できません。</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>コンバーターは何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>完成したファイルに名前を付けられませんでした。その間に別のファイルがその名前を使用しました。</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>中断されました。</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>ファイルが見つかりません: %1。</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>%1 のストリームを読み取れません: データが破損しているか、メディアではありません。</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>%1 のストリームを読み取れません: %2。</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>%1 を読み取れません: データが破損しているか、メディアではありません。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 を読み取れません: %2。</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 はディレクトリであり、メディア ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 は通常のファイルではありません (FIFO、ソケット、またはデバイス)。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 は空です。</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 にはゼロ バイトしか含まれていません (未完成または事前割り当てされたファイル)。</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1: データが破損しているか、メディアではありません。</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 はツールで読み取れるメディア ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 は他のファイルを参照しています (%2)。メディア ファイルのみ読み込めます。</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>%1 の音声をデコードできません: %2。</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>%1 に使用可能なオーディオ ストリームがありません。</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>%2 の %1 音声用のデコーダーがありません。</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>%1 の音声をデコードできません。</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>%1 から音声をデコードできませんでした。</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>%1 の音声が短すぎてファイルを作成できません。</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>%1 を作成できません: %2。</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>%1 のヘッダーを書き込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>%1 に画像を書き込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>%1 を完了できません: %2。</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>%1 を閉じられません: %2。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 はシンボリック リンクです。ツールは通常のファイルにのみ書き込みます。</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>出力ファイルが入力ファイルと同じです: %1。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 は既に存在します (-y で上書き)。</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>%1 コンテナーには %2 の音声を格納できません。</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>%1 にラウドネス タグを追加できません。</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>音声の変換に失敗しました: %1。</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 は %2 Hz、%3 チャンネルをエンコードできません: %4。</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 を再度開けません: %2。</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 のエンコードに失敗しました: %2。</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>AMR フレームのサイズが正しくありません。</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>AMR エンコーダーが失敗しました。</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>FLAC エンコーダーが結合できないフレームを書き込みました。</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>フォルダー &quot;%1&quot; を作成できませんでした</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>ファイル &quot;%1&quot; を作成できませんでした</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>出力先が存在するためスキップしました</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>出力先のファイル名が、上書きできない元のファイルと同じです。出力先にカスタム フォルダーを指定してください。</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Sonavert ヘルプ</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>元のファイルを再生(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>変換後のファイルを再生(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>選択したファイルを変換(&amp;C)</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>すべて変換</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>元のフォルダーを開く(&amp;S)</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>出力先フォルダーを開く(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>ファイルを追加(&amp;A)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>フォルダーを追加(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>削除(&amp;R)	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>削除を元に戻す(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>ヘルプ トピック(&amp;H)	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>友達に知らせる(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>フィードバックとサポート(&amp;F)</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>ホームページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>最新バージョンを確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
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
        <translation>少なくとも 1 つのファイルを選択してください。</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>リストにファイルがありません。</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>ファイルを変換中です。変換をキャンセルして終了しますか?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>フォルダーを追加(&amp;F)</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>フォルダーからファイルを追加</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>リスト内のすべてのファイルを削除</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>すべてのファイルを変換</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1 のホームページを開く</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> %1 に変換</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未変換</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>3GPP ファイル (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>3GPP2 ファイル (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Adobe Flash ファイル (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>AIFF ファイル (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>AMR ファイル (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>AU ファイル (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI ファイル (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD オーディオ (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Creative Voice ファイル (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>CRI ADX ファイル (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>DTS ファイル (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>DV ビデオ ファイル (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>DVD ビデオ ファイル (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Electronic Arts CDATA ファイル (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Flash ビデオ ファイル (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>H.264/MPEG4 AVC ビデオ (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Matroska ファイル (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>MJPEG ビデオ ファイル (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>MMF ファイル (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>MP3 ファイル (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>MPEG オーディオ ファイル (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>MPEG ビデオ ファイル (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>MPEG-4 オーディオ ファイル (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>MPEG4 TS HD ビデオ (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>MPEG-4 ビデオ ファイル (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Nullsoft オーディオ/ビデオ ファイル (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>NUT ファイル (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>OGG ファイル (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Opus ファイル (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>QuickTime ファイル (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Raw h261 ファイル (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Raw h263 ファイル (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Raw h264 ビデオ ファイル (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Real Audio ファイル (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Real Media ファイル (*.rm;*.rmvb)</translation>
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
        <translation>VCD ビデオ ファイル (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>WAV ファイル (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Windows Media ファイル (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>YUV ビデオ ファイル (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>サポートされているすべてのファイル</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>AMR Narrow-Band コーデックのパラメーターが無効です。
有効なサンプリングレートは 8000 Hz、チャンネル数は 1、ビットレートは次のいずれかです: 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps。</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>AMR Wide-Band コーデックのパラメーターが無効です。
有効なサンプリングレートは 16000 Hz、チャンネル数は 1、ビットレートは次のいずれかです: 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps。</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>AAC コーデックのパラメーターが無効です。
サンプリングレートは 16000 Hz 以上、ビットレートは 16 kbps 以上である必要があります。</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>FLAC コーデックのパラメーターが無効です。
サンプリングレートは「自動」または 1000～655350 Hz の範囲で指定してください。</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Opus コーデックのパラメーターが無効です。
ビットレートは「自動」または 6～510 kbps の範囲で指定してください。</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR Narrow-Band (狭帯域)</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR Wide-Band (広帯域)</translation>
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
        <translation>符号付き 16 ビット リトルエンディアン PCM</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>符号付き 24 ビット リトルエンディアン PCM</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>符号付き 32 ビット リトルエンディアン PCM</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>符号付き 16 ビット ビッグエンディアン PCM</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>符号付き 24 ビット ビッグエンディアン PCM</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>符号付き 32 ビット ビッグエンディアン PCM</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>符号付き 8 ビット PCM</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>符号なし 8 ビット PCM</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>元のファイルと同じ</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>カスタム フォルダー</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>自動的に名前を変更 (ファイル名の末尾に番号を追加)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>スキップ (変換しない)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>フィルターするファイル拡張子を入力してください。</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>カスタム フォルダーのパスが長すぎます: 最大 259 バイトまでです。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>ReplayGain タグを書き込む</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>音声をノーマライズする</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>ラウドネスの目標値を -31～-5 の範囲の LUFS で入力してください。</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>ラウドネスの目標値は -18 のような LUFS の整数である必要があります。</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>ラウドネスの目標値は -31～-5 LUFS の範囲である必要があります。</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>%1 ファイルにはラウドネス タグの標準的な格納場所がありません: タグは書き込まれませんが、ノーマライズは行われます。</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>オーディオ オプション</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>%1 を変換しています...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>指定されたファイルが見つかりません。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>指定されたファイル拡張子に
関連付けられたアプリケーションがありません。</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>ハイパーリンクを開けません:

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>「%1」を開けません。

開くためのプログラムが見つかりません: デスクトップのオープナー (xdg-utils パッケージの xdg-open) がインストールされていない可能性があります。</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>減らす</translation>
    </message>
</context>
</TS>
