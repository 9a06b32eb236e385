<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 v%2 build %3</source>
        <translation>%1 v%2 build %3</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visiter le site de %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Commentaires et assistance</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Ce programme utilise l&apos;encodeur MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
</context>
<context>
    <name>AddDialogs</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Veuillez choisir un dossier :</translation>
    </message>
</context>
<context>
    <name>AddingProgressWindow</name>
    <message>
        <source>Adding files</source>
        <translation>Ajout de fichiers</translation>
    </message>
    <message>
        <source>Files added</source>
        <translation>Fichiers ajoutés</translation>
    </message>
</context>
<context>
    <name>AddingRun</name>
    <message>
        <source>Searching files...</source>
        <translation>Recherche des fichiers...</translation>
    </message>
    <message>
        <source>Searching files... %1 found</source>
        <translation>Recherche des fichiers... %1 trouvé(s)</translation>
    </message>
    <message>
        <source>No file was added: none of them has an extension listed under &quot;Only add the following file extensions for &quot;Add Folder&quot; and Drag/Drop&quot; in Options.</source>
        <translation>Aucun fichier n&apos;a été ajouté : aucun n&apos;a une extension indiquée sous « N&apos;ajouter que les extensions suivantes pour “Ajouter un dossier” et le glisser-déposer » dans les options.</translation>
    </message>
</context>
<context>
    <name>BatchProgressWindow</name>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversion %1</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Fichier en cours</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>BatchText</name>
    <message>
        <source>Converting...</source>
        <translation>Conversion...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Échec de la conversion</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Conversion de %1 sur %2 fichier(s) en %3...</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Conversion de %1...</translation>
    </message>
    <message>
        <source>Measuring loudness %1 of %2...</source>
        <translation>Mesure de la sonie %1 sur %2...</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Mesure de %1...</translation>
    </message>
    <message>
        <source>Elapsed %1, remaining %2</source>
        <translation>Écoulé : %1, restant : %2</translation>
    </message>
    <message>
        <source>Elapsed %1, estimating the time remaining...</source>
        <translation>Écoulé : %1, estimation du temps restant...</translation>
    </message>
    <message>
        <source>Loudness undefined (digital silence): no loudness tags were written.</source>
        <translation>Sonie indéfinie (silence numérique) : aucune balise de sonie n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>%1 file converted</source>
        <translation>%1 fichier converti</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 fichiers convertis</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 converti(s), %2 en échec</translation>
    </message>
    <message>
        <source>%1 of %2 file was not converted.</source>
        <translation>%1 fichier sur %2 n&apos;a pas été converti.</translation>
    </message>
    <message>
        <source>%1 of %2 files was not converted.</source>
        <translation>%1 fichier sur %2 n&apos;a pas été converti.</translation>
    </message>
    <message>
        <source>%1 of %2 files were not converted.</source>
        <translation>%1 fichiers sur %2 n&apos;ont pas été convertis.</translation>
    </message>
    <message>
        <source>%1 of %2 file went to the Documents folder.</source>
        <translation>%1 fichier sur %2 a été enregistré dans le dossier « Documents ».</translation>
    </message>
    <message>
        <source>%1 of %2 files went to the Documents folder.</source>
        <translation>%1 fichier(s) sur %2 enregistré(s) dans le dossier « Documents ».</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Ajout du fichier %1 sur %2...</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Impossible de charger les fichiers suivants.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;autres fichiers&gt;...</translation>
    </message>
    <message>
        <source>%1, so the file went to the Documents folder instead.</source>
        <translation>%1, le fichier a donc été enregistré dans le dossier « Documents ».</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>For example: original file is &quot;/home/user/Music/pop/1.mp3&quot; and output folder is &quot;/media/output.&quot; If the option is checked, the output folder will be &quot;/media/output/home/user/Music/pop.&quot;</source>
        <translation>Exemple : le fichier d&apos;origine est « /home/user/Music/pop/1.mp3 » et le dossier de sortie est « /media/output ». Si l&apos;option est cochée, le dossier de sortie sera « /media/output/home/user/Music/pop ».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&amp;N&apos;ajouter que les extensions suivantes pour « Ajouter un dossier » et le glisser-déposer</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Remarque : séparez plusieurs extensions par une virgule (,). Exemple : wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Dossier de sortie :</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Dossier &amp;personnalisé :</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Pa&amp;rcourir</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Créer les dossiers selon le chemin du fichier d&apos;origine</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <translation>Si le fichier cible &amp;existe </translation>
    </message>
    <message>
        <source>Output files to the &amp;Documents folder if creating file failure</source>
        <translation>Enregistrer dans le dossier « Doc&amp;uments » si la création du fichier échoue</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Ouvrir le dossier de sortie à la fin de la conversion</translation>
    </message>
    <message>
        <source>Simultaneous con&amp;versions:</source>
        <translation>Con&amp;versions simultanées :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising changes the audio itself, with one gain per track or album, and tags it as well.</source>
        <translation>Les balises ReplayGain permettent aux lecteurs d&apos;égaliser la sonie (référence -18 LUFS) ; la normalisation modifie l&apos;audio lui-même, avec un gain par piste ou par album, et écrit aussi les balises.</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>C&amp;ible :</translation>
    </message>
    <message>
        <source>The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where the true peak would pass -1 dBTP. The format&apos;s own volume applies after it.</source>
        <translation>La sonie visée par la normalisation, de -31 à -5 LUFS ; elle est encore abaissée là où la crête réelle (true peak) dépasserait -1 dBTP. Le volume propre au format s&apos;applique ensuite.</translation>
    </message>
    <message>
        <source>Normalise each album with one &amp;gain (same album tag)</source>
        <translation>Normaliser chaque album avec un seul &amp;gain (même balise d&apos;album)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Veuillez choisir un dossier de sortie :</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensions de fichier</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>COptVideoPage</name>
    <message>
        <source>Encoding Parameters</source>
        <translation>Paramètres d&apos;encodage</translation>
    </message>
    <message>
        <source>&amp;Output Format:</source>
        <translation>&amp;Format de sortie :</translation>
    </message>
    <message>
        <source>Co&amp;dec: </source>
        <translation>Co&amp;dec : </translation>
    </message>
    <message>
        <source>Bi&amp;t Rate:</source>
        <translation>Dé&amp;bit :</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Sample &amp;Rate:</source>
        <translation>Fréquence d&apos;éc&amp;hantillonnage :</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>C&amp;hannels:</source>
        <translation>C&amp;anaux :</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The converter could not be started: %1.</source>
        <translation>Le convertisseur n&apos;a pas pu être démarré : %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The converter did not answer in time and was stopped.</source>
        <translation>Le convertisseur n&apos;a pas répondu à temps et a été arrêté.</translation>
    </message>
    <message>
        <source>The converter was stopped by signal %1 (%2).</source>
        <translation>Le convertisseur a été arrêté par le signal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter ended without a usable result.</source>
        <translation>Le convertisseur s&apos;est terminé sans résultat exploitable.</translation>
    </message>
    <message>
        <source>The converter did not accept its command line (exit status 1).</source>
        <translation>Le convertisseur n&apos;a pas accepté sa ligne de commande (code de sortie 1).</translation>
    </message>
    <message>
        <source>The source cannot be read as audio or video (exit status 2).</source>
        <translation>La source ne peut pas être lue comme audio ou vidéo (code de sortie 2).</translation>
    </message>
    <message>
        <source>The chosen format or setting is not supported (exit status 3).</source>
        <translation>Le format ou le réglage choisi n&apos;est pas pris en charge (code de sortie 3).</translation>
    </message>
    <message>
        <source>The output file cannot be created or written (exit status 4).</source>
        <translation>Le fichier de sortie ne peut pas être créé ou écrit (code de sortie 4).</translation>
    </message>
    <message>
        <source>The converter was interrupted (exit status 5).</source>
        <translation>Le convertisseur a été interrompu (code de sortie 5).</translation>
    </message>
    <message>
        <source>The converter failed with exit status %1.</source>
        <translation>Le convertisseur a échoué avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The converter stopped while reading this file.</source>
        <translation>Le convertisseur s&apos;est arrêté pendant la lecture de ce fichier.</translation>
    </message>
    <message>
        <source>No audio or video stream the converter can read.</source>
        <translation>Aucun flux audio ou vidéo lisible par le convertisseur.</translation>
    </message>
    <message>
        <source>The output format is unknown.</source>
        <translation>Le format de sortie est inconnu.</translation>
    </message>
    <message>
        <source>The target is the source file itself.</source>
        <translation>La cible est le fichier source lui-même.</translation>
    </message>
    <message>
        <source>The output folder does not take a new file.</source>
        <translation>Impossible de créer un nouveau fichier dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Le convertisseur n&apos;a rien écrit.</translation>
    </message>
    <message>
        <source>The finished file could not be given its name; another file took it meanwhile.</source>
        <translation>Le fichier terminé n&apos;a pas pu recevoir son nom ; un autre fichier l&apos;a pris entre-temps.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>File not found: %1.</source>
        <translation>Fichier introuvable : %1.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: the data is damaged or is not media.</source>
        <translation>Impossible de lire les flux de %1 : les données sont endommagées ou ne sont pas multimédias.</translation>
    </message>
    <message>
        <source>Cannot read the streams of %1: %2.</source>
        <translation>Impossible de lire les flux de %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: the data is damaged or is not media.</source>
        <translation>Impossible de lire %1 : les données sont endommagées ou ne sont pas multimédias.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is a directory, not a media file.</source>
        <translation>%1 est un dossier, pas un fichier multimédia.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (FIFO, socket or device).</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (FIFO, socket ou périphérique).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 holds nothing but zero bytes (an unfinished or preallocated file).</source>
        <translation>%1 ne contient que des octets nuls (fichier inachevé ou préalloué).</translation>
    </message>
    <message>
        <source>%1: the data is damaged or is not media.</source>
        <translation>%1 : les données sont endommagées ou ne sont pas multimédias.</translation>
    </message>
    <message>
        <source>%1 is not a media file the tool can read.</source>
        <translation>%1 n&apos;est pas un fichier multimédia que le convertisseur peut lire.</translation>
    </message>
    <message>
        <source>%1 refers to other files (%2); only media files are read.</source>
        <translation>%1 fait référence à d&apos;autres fichiers (%2) ; seuls les fichiers multimédias sont lus.</translation>
    </message>
    <message>
        <source>Cannot decode the audio of %1: %2.</source>
        <translation>Impossible de décoder l&apos;audio de %1 : %2.</translation>
    </message>
    <message>
        <source>No usable audio stream in %1.</source>
        <translation>Aucun flux audio utilisable dans %1.</translation>
    </message>
    <message>
        <source>No decoder for the %1 audio of %2.</source>
        <translation>Aucun décodeur pour l&apos;audio %1 de %2.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded.</source>
        <translation>L&apos;audio de %1 ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>No audio could be decoded from %1.</source>
        <translation>Aucun audio n&apos;a pu être décodé depuis %1.</translation>
    </message>
    <message>
        <source>Too little audio in %1 to make a file of.</source>
        <translation>Trop peu d&apos;audio dans %1 pour en faire un fichier.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Impossible de créer %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the header of %1: %2.</source>
        <translation>Impossible d&apos;écrire l&apos;en-tête de %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the picture into %1: %2.</source>
        <translation>Impossible d&apos;écrire l&apos;image dans %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2.</source>
        <translation>Impossible de finaliser %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot close %1: %2.</source>
        <translation>Impossible de fermer %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the tool writes only regular files.</source>
        <translation>%1 est un lien symbolique ; le convertisseur n&apos;écrit que des fichiers ordinaires.</translation>
    </message>
    <message>
        <source>The output file is the input file: %1.</source>
        <translation>Le fichier de sortie est le fichier d&apos;entrée : %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 exists (-y overwrites it).</source>
        <translation>%1 existe déjà (-y l&apos;écrase).</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 audio.</source>
        <translation>Le conteneur %1 ne peut pas contenir d&apos;audio %2.</translation>
    </message>
    <message>
        <source>Cannot add the loudness tags to %1.</source>
        <translation>Impossible d&apos;ajouter les balises de sonie à %1.</translation>
    </message>
    <message>
        <source>Audio conversion failed: %1.</source>
        <translation>Échec de la conversion audio : %1.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2 Hz, %3 channels: %4.</source>
        <translation>%1 ne peut pas encoder %2 Hz, %3 canaux : %4.</translation>
    </message>
    <message>
        <source>%1 cannot be opened again: %2.</source>
        <translation>%1 ne peut pas être rouvert : %2.</translation>
    </message>
    <message>
        <source>%1 failed to encode: %2.</source>
        <translation>%1 n&apos;a pas pu encoder : %2.</translation>
    </message>
    <message>
        <source>AMR frame of the wrong size.</source>
        <translation>Trame AMR de taille incorrecte.</translation>
    </message>
    <message>
        <source>The AMR encoder failed.</source>
        <translation>L&apos;encodeur AMR a échoué.</translation>
    </message>
    <message>
        <source>The FLAC encoder wrote a frame that cannot be joined.</source>
        <translation>L&apos;encodeur FLAC a écrit une trame qui ne peut pas être assemblée.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Impossible de créer le dossier « %1 »</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Impossible de créer le fichier « %1 »</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>La cible existe, ignoré</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Le nom du fichier cible est celui du fichier d&apos;origine, qui ne peut pas être écrasé. Veuillez enregistrer les fichiers dans un dossier personnalisé.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sonavert Help</source>
        <translation>Aide de Sonavert</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Lire la source</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Lire la &amp;destination</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Convertir la sélection</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Ouvrir le dossier &amp;source</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ouvrir le dossier de des&amp;tination</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Ajouter des fichiers...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Ajouter un d&amp;ossier</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Retirer	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Tout ret&amp;irer</translation>
    </message>
    <message>
        <source>&amp;Undo Remove	Ctrl+Z</source>
        <translation>A&amp;nnuler le retrait	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Rubriques d&apos;aide	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>Recommander à un &amp;ami</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Commentaires et assistance</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Page d&apos;accueil</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Vérifier la dernière version</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À pr&amp;opos...</translation>
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
        <translation>Veuillez sélectionner au moins un fichier.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>La liste ne contient aucun fichier.</translation>
    </message>
    <message>
        <source>Files are still being converted. Cancel the conversions and quit?</source>
        <translation>Des fichiers sont encore en cours de conversion. Annuler les conversions et quitter ?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Ajouter les fichiers d&apos;un dossier</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>T&amp;out retirer</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Convertir tous les fichiers</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visiter le site de %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> en %1</translation>
    </message>
</context>
<context>
    <name>MediaListModel</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non converti</translation>
    </message>
</context>
<context>
    <name>MediaListView</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>3GPP Files (*.3gp)</source>
        <translation>Fichiers 3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 Files (*.3g2)</source>
        <translation>Fichiers 3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Fichiers Adobe Flash (*.swf)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <source>AIFF Files (*.aiff;*.aif;*.aifc;*.afc)</source>
        <translation>Fichiers AIFF (*.aiff;*.aif;*.aifc;*.afc)</translation>
    </message>
    <message>
        <source>AMR Files (*.amr;*.awb)</source>
        <translation>Fichiers AMR (*.amr;*.awb)</translation>
    </message>
    <message>
        <source>AU Files (*.au;*.snd)</source>
        <translation>Fichiers AU (*.au;*.snd)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Fichiers AVI (*.avi)</translation>
    </message>
    <message>
        <source>CD Audio (*.cda)</source>
        <translation>CD audio (*.cda)</translation>
    </message>
    <message>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Fichiers Creative Voice (*.voc)</translation>
    </message>
    <message>
        <source>CRI ADX Files (*.adx)</source>
        <translation>Fichiers CRI ADX (*.adx)</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <source>DTS Files (*.dts)</source>
        <translation>Fichiers DTS (*.dts)</translation>
    </message>
    <message>
        <source>DV Video Files (*.dv;*.dif)</source>
        <translation>Fichiers vidéo DV (*.dv;*.dif)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob;*.dvd)</source>
        <translation>Fichiers vidéo DVD (*.vob;*.dvd)</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Fichiers Electronic Arts CDATA (*.cdata)</translation>
    </message>
    <message>
        <source>Flash Video Files (*.flv)</source>
        <translation>Fichiers vidéo Flash (*.flv)</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec (*.flac)</source>
        <translation>Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video (*.m2ts;*.mts)</source>
        <translation>Vidéo H.264/MPEG4 AVC (*.m2ts;*.mts)</translation>
    </message>
    <message>
        <source>Matroska Files (*.mkv;*.mka)</source>
        <translation>Fichiers Matroska (*.mkv;*.mka)</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <source>MJPEG Video Files (*.mjpg;*.mjpeg)</source>
        <translation>Fichiers vidéo MJPEG (*.mjpg;*.mjpeg)</translation>
    </message>
    <message>
        <source>MMF Files (*.mmf)</source>
        <translation>Fichiers MMF (*.mmf)</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio (*.ape;*.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape;*.mac)</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)</source>
        <translation>Fichiers MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>MPEG Audio Files (*.mpa;*.mpga;*.m2a)</source>
        <translation>Fichiers audio MPEG (*.mpa;*.mpga;*.m2a)</translation>
    </message>
    <message>
        <source>MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</source>
        <translation>Fichiers vidéo MPEG (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)</source>
        <translation>Fichiers audio MPEG-4 (*.m4a;*.m4b;*.mp4)</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>Vidéo HD MPEG4 TS (*.ts)</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)</source>
        <translation>Fichiers vidéo MPEG-4 (*.mp4;*.m4v;*.mpv;*.psp)</translation>
    </message>
    <message>
        <source>Musepack (*.mpc;*.mp+;*.mpp)</source>
        <translation>Musepack (*.mpc;*.mp+;*.mpp)</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files (*.nsv;*.nsa)</source>
        <translation>Fichiers audio/vidéo Nullsoft (*.nsv;*.nsa)</translation>
    </message>
    <message>
        <source>NUT Files (*.nut)</source>
        <translation>Fichiers NUT (*.nut)</translation>
    </message>
    <message>
        <source>OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</source>
        <translation>Fichiers OGG (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)</translation>
    </message>
    <message>
        <source>Opus Files (*.opus)</source>
        <translation>Fichiers Opus (*.opus)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov;*.qt)</source>
        <translation>Fichiers QuickTime (*.mov;*.qt)</translation>
    </message>
    <message>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Fichiers h261 bruts (*.h261)</translation>
    </message>
    <message>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Fichiers h263 bruts (*.h263)</translation>
    </message>
    <message>
        <source>Raw h264 Video Files (*.h264;*.264)</source>
        <translation>Fichiers vidéo h264 bruts (*.h264;*.264)</translation>
    </message>
    <message>
        <source>Real Audio Files (*.ra;*.ram)</source>
        <translation>Fichiers Real Audio (*.ra;*.ram)</translation>
    </message>
    <message>
        <source>Real Media Files (*.rm;*.rmvb)</source>
        <translation>Fichiers Real Media (*.rm;*.rmvb)</translation>
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
        <translation>Fichiers vidéo VCD (*.dat)</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <source>Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</source>
        <translation>Fichiers Windows Media (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)</translation>
    </message>
    <message>
        <source>YUV Video File (*.yuv)</source>
        <translation>Fichier vidéo YUV (*.yuv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Invalid parameters for AMR Narrow-Band codec.
Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</source>
        <translation>Paramètres non valides pour le codec AMR bande étroite.
Valeurs valides : fréquence d&apos;échantillonnage 8000 Hz, 1 canal et un débit parmi 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AMR Wide-Band codec.
Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</source>
        <translation>Paramètres non valides pour le codec AMR large bande.
Valeurs valides : fréquence d&apos;échantillonnage 16000 Hz, 1 canal et un débit parmi 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for AAC codec.
Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal to or be greater than 16 kbps.</source>
        <translation>Paramètres non valides pour le codec AAC.
La fréquence d&apos;échantillonnage doit être d&apos;au moins 16000 Hz et le débit doit être d&apos;au moins 16 kbps.</translation>
    </message>
    <message>
        <source>Invalid parameters for FLAC codec.
Sample rate must be Auto or between 1000 and 655350 Hz.</source>
        <translation>Paramètres non valides pour le codec FLAC.
La fréquence d&apos;échantillonnage doit être « Auto » ou comprise entre 1000 et 655350 Hz.</translation>
    </message>
    <message>
        <source>Invalid parameters for Opus codec.
Bit rate must be Auto or between 6 and 510 kbps.</source>
        <translation>Paramètres non valides pour le codec Opus.
Le débit doit être « Auto » ou compris entre 6 et 510 kbps.</translation>
    </message>
    <message>
        <source>AMR Narrow-Band</source>
        <translation>AMR bande étroite</translation>
    </message>
    <message>
        <source>AMR Wide-Band</source>
        <translation>AMR large bande</translation>
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
        <translation>PCM 16 bits signé little-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Little-Endian PCM</source>
        <translation>PCM 24 bits signé little-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Little-Endian PCM</source>
        <translation>PCM 32 bits signé little-endian</translation>
    </message>
    <message>
        <source>Signed 16-bit Big-Endian PCM</source>
        <translation>PCM 16 bits signé big-endian</translation>
    </message>
    <message>
        <source>Signed 24-bit Big-Endian PCM</source>
        <translation>PCM 24 bits signé big-endian</translation>
    </message>
    <message>
        <source>Signed 32-bit Big-Endian PCM</source>
        <translation>PCM 32 bits signé big-endian</translation>
    </message>
    <message>
        <source>Signed 8-bit PCM</source>
        <translation>PCM 8 bits signé</translation>
    </message>
    <message>
        <source>Unsigned 8-bit PCM</source>
        <translation>PCM 8 bits non signé</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <translation>Identique au fichier d&apos;origine</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Un dossier personnalisé</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Renommer automatiquement (ajouter un numéro à la fin du nom)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Ignorer (ne pas convertir)</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Veuillez choisir un dossier de sortie.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Veuillez saisir les extensions de fichier à filtrer.</translation>
    </message>
    <message>
        <source>The custom folder is too long: it may hold at most 259 bytes.</source>
        <translation>Le chemin du dossier personnalisé est trop long : il ne peut pas dépasser 259 octets.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Écrire les balises ReplayGain</translation>
    </message>
    <message>
        <source>Normalise the audio</source>
        <translation>Normaliser l&apos;audio</translation>
    </message>
    <message>
        <source>Please enter a loudness target in LUFS, from -31 to -5.</source>
        <translation>Veuillez saisir une sonie cible en LUFS, entre -31 et -5.</translation>
    </message>
    <message>
        <source>The loudness target must be a whole number of LUFS, such as -18.</source>
        <translation>La sonie cible doit être un nombre entier de LUFS, par exemple -18.</translation>
    </message>
    <message>
        <source>The loudness target must lie between -31 and -5 LUFS.</source>
        <translation>La sonie cible doit être comprise entre -31 et -5 LUFS.</translation>
    </message>
    <message>
        <source>%1 files have no standard place for loudness tags: tags are left out, normalising still works.</source>
        <translation>Les fichiers %1 n&apos;ont pas d&apos;emplacement standard pour les balises de sonie : les balises sont omises, la normalisation fonctionne quand même.</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Audio Options</source>
        <translation>Options audio</translation>
    </message>
</context>
<context>
    <name>ProgressReader</name>
    <message>
        <source>Converting %1...%2%</source>
        <translation>Conversion de %1...%2 %</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de fichier indiquée.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d&apos;ouvrir le lien :

%1</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot;.

No program to open it was found: the desktop&apos;s opener (xdg-open, from the xdg-utils package) may be missing.</source>
        <translation>Impossible d&apos;ouvrir « %1 ».

Aucun programme pour l&apos;ouvrir n&apos;a été trouvé : l&apos;outil d&apos;ouverture du bureau (xdg-open, du paquet xdg-utils) est peut-être absent.</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
</context>
</TS>
