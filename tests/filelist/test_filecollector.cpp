#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "filelist/filecollector.h"
#include "filelist/foldersearch.h"
#include "filelist/shortcutreader.h"
#include "runnow.h"
#include "scratchfolder.h"
#include "shortcutfile.h"

namespace {

std::vector<std::string> names(const std::vector<std::string> &paths, const std::string &root)
{
    std::vector<std::string> out;
    for (const std::string &p : paths)
        out.push_back(p.substr(0, root.size()) == root ? p.substr(root.size() + 1) : p);
    return out;
}

std::vector<std::string> sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

} // namespace

TEST(FileCollector, ExtensionKeyIsLowerCaseTextAfterTheLastDotOfTheName)
{
    EXPECT_EQ(FileCollector::extensionKey("/a/b.WAV"), "wav");
    EXPECT_EQ(FileCollector::extensionKey("/a/b.tar.Gz"), "gz");
    EXPECT_EQ(FileCollector::extensionKey("/my.dir/track"), "");
    EXPECT_EQ(FileCollector::extensionKey("/a/trailing."), "");
    EXPECT_EQ(FileCollector::extensionKey("noslash.mp3"), "mp3");
}

TEST(FileCollector, FolderSearchTakesFoldersInDepthAndEntriesInNameOrder)
{
    ScratchFolder dir;
    dir.write("top.wav");
    dir.write("sub/mid.wav");
    dir.write("sub/deeper/low.wav");
    dir.write("Other/side.wav");
    dir.write("B.wav");
    dir.write("a.wav");
    FileCollector collector(false, {});
    collector.searchFolder(dir.path());
    EXPECT_EQ(names(collector.pending(), dir.path()),
              (std::vector<std::string>{"a.wav", "B.wav", "top.wav", "Other/side.wav", "sub/mid.wav",
                                        "sub/deeper/low.wav"}));

    // Many files come in the order of their names, not of their creation.
    ScratchFolder album;
    std::vector<std::string> expected;
    for (int n = 200; n >= 1; --n) {
        char name[32];
        std::snprintf(name, sizeof name, "Track %03d.wav", n);
        album.write(name);
        expected.insert(expected.begin(), name);
    }
    FileCollector tracks(false, {});
    tracks.searchFolder(album.path());
    EXPECT_EQ(names(tracks.pending(), album.path()), expected);
}

TEST(FileCollector, FilterKeepsListedExtensionsAndFollowsShortcuts)
{
    ScratchFolder dir;
    dir.write("in/a.WAV");
    dir.write("in/b.mp3");
    dir.write("in/c.ogg");
    dir.write("in/noext");
    const std::string target = dir.write("elsewhere/e.mp3");
    shortcutfile::write(dir.file("in/d.lnk"), "..\\elsewhere\\e.mp3", "");

    FileCollector collector(true, {"wav", "mp3"});
    collector.searchFolder(dir.path() + "/in/");
    EXPECT_EQ(sorted(names(collector.pending(), dir.path())),
              (std::vector<std::string>{"elsewhere/e.mp3", "in/a.WAV", "in/b.mp3"}));

    // With the filter off everything is taken as it is, shortcuts included.
    FileCollector unfiltered(false, {"wav"});
    unfiltered.searchFolder(dir.path() + "/in");
    EXPECT_EQ(sorted(names(unfiltered.pending(), dir.path())),
              (std::vector<std::string>{"in/a.WAV", "in/b.mp3", "in/c.ogg", "in/d.lnk", "in/noext"}));
}

TEST(FileCollector, FilterEntriesAreTakenAsTheyStand)
{
    ScratchFolder dir;
    const std::string mp3 = dir.write("b.mp3");
    const std::string bare = dir.write("noext");
    FileCollector spaced(true, {"wav", " mp3"});
    spaced.filterPath(mp3);
    spaced.filterPath(bare);
    EXPECT_TRUE(spaced.pending().empty());

    // A filter text ending in a comma gives an empty entry: names without a dot pass.
    FileCollector trailingComma(true, {"wav", ""});
    trailingComma.filterPath(bare);
    EXPECT_EQ(trailingComma.pending(), std::vector<std::string>{bare});
}

TEST(FileCollector, ShortcutChainsEndAndBrokenShortcutsAreLeftOut)
{
    ScratchFolder dir;
    const std::string target = dir.write("song.wav");
    // A two-step chain is followed to its end.
    shortcutfile::write(dir.file("one.lnk"), ".\\two.lnk", "");
    shortcutfile::write(dir.file("two.lnk"), "", target);
    // A cycle and a shortcut to a missing file lead nowhere.
    shortcutfile::write(dir.file("loop1.lnk"), "loop2.lnk", "");
    shortcutfile::write(dir.file("loop2.lnk"), "loop1.lnk", "");
    shortcutfile::write(dir.file("gone.lnk"), "missing.wav", "");
    dir.write("junk.LNK", "not a shortcut at all");

    FileCollector collector(true, {"wav"});
    for (const char *name : {"one.lnk", "loop1.lnk", "gone.lnk", "junk.LNK"})
        collector.filterPath(dir.file(name));
    EXPECT_EQ(collector.pending(), std::vector<std::string>{target});
}

TEST(FileCollector, OnlyRegularFilesAreCollectedAndLinkedFoldersSearchedOnce)
{
    ScratchFolder dir;
    const std::string song = dir.write("music/song.wav");
    dir.write("elsewhere/far.wav");
    ASSERT_EQ(::mkfifo(dir.file("music/pipe.wav").c_str(), 0600), 0);
    // A linked folder is searched; links back up the tree end the walk.
    std::filesystem::create_directory_symlink(dir.file("elsewhere"), dir.file("music/linked"));
    std::filesystem::create_directory_symlink(dir.path(), dir.file("music/loop"));
    std::filesystem::create_directory_symlink(dir.file("music"), dir.file("elsewhere/back"));
    std::filesystem::create_directory_symlink("/proc/self", dir.file("music/proc"));
    std::filesystem::create_symlink(song, dir.file("music/alias.wav"));

    FileCollector collector(false, {});
    collector.searchFolder(dir.file("music"));
    EXPECT_EQ(names(collector.pending(), dir.path()),
              (std::vector<std::string>{"music/alias.wav", "music/song.wav", "music/linked/far.wav"}));

    FileCollector dropped(false, {});
    dropped.addDropped(dir.file("music/pipe.wav"));
    dropped.addDropped(dir.file("nothing-here.wav"));
    dropped.addDropped(song);
    dropped.addDropped(dir.file("music"));
    // The dropped file and its folder: the file comes twice, the probe passes
    // over the second as a duplicate.
    EXPECT_EQ(std::count(dropped.pending().begin(), dropped.pending().end(), song), 2);
    EXPECT_EQ(dropped.pending().size(), 4u);
}

TEST(ShortcutReader, ReadsRelativeAndLocalBasePathsInBothEncodings)
{
    const auto ansi = ShortcutReader::parse(shortcutfile::build("..\\x\\y.mp3", "C:\\Music\\y.mp3"));
    ASSERT_TRUE(ansi);
    EXPECT_EQ(ansi->relativePath, "../x/y.mp3");
    EXPECT_EQ(ansi->localBasePath, "C:/Music/y.mp3");

    const auto wide = ShortcutReader::parse(shortcutfile::build(".\\wide.wav", "", true));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->relativePath, "./wide.wav");
    EXPECT_EQ(wide->localBasePath, "");

    // Cut short anywhere, the data is refused rather than read past its end.
    const std::string whole = shortcutfile::build("rel.wav", "/abs/rel.wav");
    for (size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(ShortcutReader::parse(whole.substr(0, cut))) << cut;
}

TEST(ShortcutReader, ResolvesAgainstTheShortcutsFolderThenTheBasePath)
{
    ScratchFolder dir;
    const std::string near = dir.write("near.wav");
    const std::string far = dir.write("far/far.wav");
    shortcutfile::write(dir.file("rel.lnk"), ".\\near.wav", far);
    shortcutfile::write(dir.file("abs.lnk"), "missing.wav", far);
    EXPECT_EQ(ShortcutReader::resolve(dir.file("rel.lnk")), near);
    EXPECT_EQ(ShortcutReader::resolve(dir.file("abs.lnk")), far);
    std::filesystem::remove(far);
    EXPECT_FALSE(ShortcutReader::resolve(dir.file("abs.lnk")));
}

TEST(FolderSearch, HandsOnTheCollectorsPathsAndCancelLeavesNoThread)
{
    ensureCoreApplication();
    ScratchFolder dir;
    for (int folder = 0; folder < 30; ++folder)
        for (const char *name : {"b.wav", "A.wav", "skip.txt"})
            dir.write("tree/f" + std::to_string(folder) + "/" + name);
    FileCollector collector(true, {"wav"});
    collector.searchFolder(dir.file("tree"));

    auto threads = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/task"), std::filesystem::directory_iterator());
    };
    const auto threadsBefore = threads();
    std::vector<std::string> found;
    int batches = 0;
    FolderSearch search(true, {"wav"});
    runUntilDone([&](std::function<void()> finish) {
        search.start({dir.file("tree")}, false,
                     [&](std::vector<std::string> paths) {
                         ++batches;
                         found.insert(found.end(), paths.begin(), paths.end());
                     },
                     finish);
    });
    EXPECT_EQ(found, collector.pending());
    EXPECT_GE(batches, 1);
    EXPECT_FALSE(search.isRunning());

    bool finished = false;
    found.clear();
    search.start({dir.file("tree")}, false, [&](std::vector<std::string> paths) { found = paths; }, [&] { finished = true; });
    search.cancel();
    QCoreApplication::processEvents();
    EXPECT_FALSE(finished);
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(threads(), threadsBefore);
}
