// Shortcuts made on other machines or by hand: their target texts are turned
// into one plain absolute name per file, so a file reached through a shortcut
// is recognised as the file itself and nothing depends on the folder the
// program happened to be started in.
#include "hostilekit.h"

#include "filelist/filecollector.h"
#include "filelist/shortcutreader.h"
#include "shortcutfile.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace hostile;

TEST(ShortcutTargets, AreOnePlainNamePerFile)
{
    ScratchFolder dir;
    const std::string song = dir / "song.wav";
    writeFile(song, "x");
    std::string backslashed = dir.path();
    for (char &c : backslashed)
        if (c == '/')
            c = '\\';
    shortcutfile::write(dir / "base.lnk", "", "/.." + dir.path() + "/./sub/../song.wav");
    shortcutfile::write(dir / "relative.lnk", "\\..\\.." + backslashed + "\\song.wav", "");
    EXPECT_EQ(ShortcutReader::resolve(dir / "base.lnk"), song);
    EXPECT_EQ(ShortcutReader::resolve(dir / "relative.lnk"), song);

    // Found by the search and through both shortcuts: the same name each time,
    // so the list's duplicate check sees one file.
    FileCollector collector(true, {"wav"});
    collector.searchFolder(dir.path());
    for (const std::string &path : collector.pending())
        EXPECT_EQ(path, song);
}

TEST(ShortcutTargets, ADriveLetterPathIsNotReadInTheCurrentFolder)
{
    ScratchFolder dir;
    // "C:\Music\song.wav" from a Windows machine, and a current folder that
    // happens to hold "C:/Music/song.wav".
    ASSERT_EQ(::mkdir((dir / "C:").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((dir / "C:/Music").c_str(), 0755), 0);
    writeFile(dir / "C:/Music/song.wav", "x");
    ASSERT_EQ(::mkdir((dir / "links").c_str(), 0755), 0);
    shortcutfile::write(dir / "links/windows.lnk", "", "C:\\Music\\song.wav");
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    const auto target = ShortcutReader::resolve(dir / "links/windows.lnk");
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_FALSE(target.has_value()) << *target;
}
