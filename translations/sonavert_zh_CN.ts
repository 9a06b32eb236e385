<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 构建 %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>访问 %1 主页</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>反馈与支持</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>本程序使用 LAME MP3 编码器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>检查更新(&amp;C)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>告诉朋友</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>请选择文件夹：</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>正在添加文件</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>已添加的文件</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>正在搜索文件...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>正在搜索文件... 已找到 %1 个</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>未添加任何文件：它们的扩展名都不在选项中的“对‘添加文件夹’和拖放仅添加以下文件扩展名”列表中。</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>转换 %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>当前文件</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>正在转换...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>正在将第 %1 个文件（共 %2 个）转换为 %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>正在转换 %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>正在测量响度 %1 / %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>正在测量 %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>已用时间 %1，剩余 %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>已用时间 %1，正在估计剩余时间...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>响度未定义（数字静音）：未写入响度标签。</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>已转换 %1 个文件</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>已转换 %1 个文件</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 个已转换，%2 个失败</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%2 个文件中有 %1 个未转换。</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%2 个文件中有 %1 个未转换。</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%2 个文件中有 %1 个未转换。</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%2 个文件中有 %1 个已保存到“文档”文件夹。</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%2 个文件中有 %1 个已保存到“文档”文件夹。</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>正在添加文件 %1 / %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>无法加载以下文件。</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;更多文件&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1，因此文件已改为保存到“文档”文件夹。</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>例如：原始文件为 &quot;/home/user/Music/pop/1.mp3&quot;，输出文件夹为 &quot;/media/output&quot;。如果勾选此选项，输出文件夹将为 &quot;/media/output/home/user/Music/pop&quot;。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>对“添加文件夹”和拖放仅添加以下文件扩展名(&amp;N)</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>注意：使用逗号 (,) 分隔多个扩展名。例如：wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>输出文件夹(&amp;O)：</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>自定义文件夹(&amp;F)：</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>浏览(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>按照原始文件的路径创建文件夹(&amp;C)</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>如果目标文件已存在(&amp;E) </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>如果创建文件失败，则将文件输出到“文档”文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>转换完成后浏览输出文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>同时转换数(&amp;V)：</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>响度</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>模式(&amp;M)：</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>ReplayGain 标签让播放器统一响度（参考值 -18 LUFS）；标准化则直接修改音频本身，每个音轨或专辑使用一个增益，并同样写入标签。</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>目标(&amp;T)：</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>标准化后音频的目标响度，范围为 -31 到 -5 LUFS；如果真峰值会超过 -1 dBTP，则会进一步降低。格式自身的音量在此之后应用。</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>每张专辑使用同一个增益进行标准化（相同专辑标签）(&amp;G)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>请选择输出文件夹：</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>文件扩展名</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>编码参数</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>输出格式(&amp;O)：</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>编解码器(&amp;D)： </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>比特率(&amp;T)：</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>采样率(&amp;R)：</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>声道(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>音量(&amp;V)：</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>无法启动转换器：%1。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>转换器未及时响应，已被停止。</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>转换器被信号 %1 (%2) 停止。</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>转换器已结束，但没有产生可用的结果。</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>转换器不接受其命令行（退出状态 1）。</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>无法将源文件读取为音频或视频（退出状态 2）。</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>不支持所选格式或设置（退出状态 3）。</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>无法创建或写入输出文件（退出状态 4）。</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>转换器被中断（退出状态 5）。</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>转换器失败，退出状态 %1。</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>转换器在读取此文件时停止。</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>没有转换器可以读取的音频或视频流。</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>输出格式未知。</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>目标就是源文件本身。</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>输出文件夹无法接收新文件。</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>转换器未写入任何内容。</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>无法为完成的文件指定名称；另一个文件在此期间占用了该名称。</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>已中断。</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>找不到文件：%1。</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>无法读取 %1 的流：数据已损坏或不是媒体文件。</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>无法读取 %1 的流：%2。</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>无法读取 %1：数据已损坏或不是媒体文件。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 是目录，不是媒体文件。</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 不是普通文件（FIFO、套接字或设备）。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 为空。</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 只包含零字节（未完成或预分配的文件）。</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1：数据已损坏或不是媒体文件。</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 不是本工具可以读取的媒体文件。</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 引用了其他文件 (%2)；只读取媒体文件。</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>无法解码 %1 的音频：%2。</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>%1 中没有可用的音频流。</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>没有适用于 %2 中 %1 音频的解码器。</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>无法解码 %1 的音频。</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>无法从 %1 解码出任何音频。</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>%1 中的音频太少，无法生成文件。</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>无法创建 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>无法写入 %1 的文件头：%2。</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>无法将图片写入 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>无法完成 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>无法关闭 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 是符号链接；本工具只写入普通文件。</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>输出文件就是输入文件：%1。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 已存在（-y 可覆盖）。</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>%1 容器无法容纳 %2 音频。</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>无法向 %1 添加响度标签。</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>音频转换失败：%1。</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 无法编码 %2 Hz、%3 声道：%4。</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>无法再次打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 编码失败：%2。</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>AMR 帧大小错误。</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>AMR 编码器失败。</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>FLAC 编码器写入了无法拼接的帧。</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>无法创建文件夹 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>无法创建文件 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>目标已存在，已跳过</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>目标文件名与无法覆盖的原始文件相同。请将文件输出到自定义文件夹。</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Sonavert 帮助</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>播放源文件(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>播放目标文件(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>转换所选文件(&amp;C)</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>全部转换</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>浏览源文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>浏览目标文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>添加文件(&amp;A)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>添加文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>移除(&amp;R)	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>全部移除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>撤销移除(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>帮助主题(&amp;H)	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>告诉朋友(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>反馈与支持(&amp;F)</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>主页(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>检查最新版本(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
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
        <translation>请至少选择一个文件。</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>列表中没有文件。</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>仍有文件正在转换。要取消转换并退出吗？</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>添加文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>从文件夹添加文件</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>全部移除(&amp;L)</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>移除列表中的所有文件</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>转换所有文件</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>访问 %1 主页</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> 转换为 %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未转换</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>3GPP 文件 (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>3GPP2 文件 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Adobe Flash 文件 (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>AIFF 文件 (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>AMR 文件 (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>AU 文件 (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI 文件 (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD 音频 (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Creative Voice 文件 (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>CRI ADX 文件 (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>DTS 文件 (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>DV 视频文件 (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>DVD 视频文件 (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Electronic Arts CDATA 文件 (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Flash 视频文件 (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>H.264/MPEG4 AVC 视频 (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Matroska 文件 (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>MJPEG 视频文件 (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>MMF 文件 (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>MP3 文件 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>MPEG 音频文件 (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>MPEG 视频文件 (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>MPEG-4 音频文件 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>MPEG4 TS HD 视频 (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>MPEG-4 视频文件 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Nullsoft 音频/视频文件 (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>NUT 文件 (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>OGG 文件 (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Opus 文件 (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>QuickTime 文件 (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>原始 h261 文件 (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>原始 h263 文件 (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>原始 h264 视频文件 (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Real Audio 文件 (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Real Media 文件 (*.rm;*.rmvb)</translation>
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
        <translation>VCD 视频文件 (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>WAV 文件 (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Windows Media 文件 (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>YUV 视频文件 (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>所有支持的文件</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>AMR Narrow-Band 编解码器参数无效。
有效采样率为 8000 Hz，声道数为 1，比特率为以下值之一：4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps。</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>AMR Wide-Band 编解码器参数无效。
有效采样率为 16000 Hz，声道数为 1，比特率为以下值之一：6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps。</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>AAC 编解码器参数无效。
采样率必须大于或等于 16000 Hz，比特率必须大于或等于 16 kbps。</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>FLAC 编解码器参数无效。
采样率必须为“自动”或介于 1000 到 655350 Hz 之间。</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Opus 编解码器参数无效。
比特率必须为“自动”或介于 6 到 510 kbps 之间。</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR Narrow-Band（窄带）</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR Wide-Band（宽带）</translation>
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
        <translation>有符号 16 位小端 PCM</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>有符号 24 位小端 PCM</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>有符号 32 位小端 PCM</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>有符号 16 位大端 PCM</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>有符号 24 位大端 PCM</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>有符号 32 位大端 PCM</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>有符号 8 位 PCM</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>无符号 8 位 PCM</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>与原始文件相同</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>自定义文件夹</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>自动重命名（在文件名末尾添加编号）</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>跳过（不转换）</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>请选择输出文件夹。</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>请输入需要筛选的文件扩展名。</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>自定义文件夹路径过长：最多只能有 259 个字节。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>写入 ReplayGain 标签</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>标准化音频</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>请输入以 LUFS 为单位的响度目标值，范围为 -31 到 -5。</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>响度目标值必须是整数 LUFS，例如 -18。</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>响度目标值必须介于 -31 到 -5 LUFS 之间。</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>%1 文件没有存放响度标签的标准位置：将不写入标签，但标准化仍然有效。</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>音频选项</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>正在转换 %1...%2%</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与给定文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>无法打开超链接：

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>无法打开“%1”。

找不到可以打开它的程序：可能缺少桌面的打开程序（来自 xdg-utils 软件包的 xdg-open）。</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>减少</translation>
    </message>
</context>
</TS>
