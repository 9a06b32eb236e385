#include "batch/outputpathresolver.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isDir(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

ProgramSettings customFolder(const std::string &folder, int createDirs = 0)
{
    ProgramSettings settings;
    settings.DestOutputFolderOpt = OutputFolder::Custom;
    settings.DestSpecifiedFolder = folder;
    settings.CreateDirs = createDirs;
    settings.OutputFiles2MyDocuments = 0;
    return settings;
}

ProgramSettings besideSource(TargetExists policy)
{
    ProgramSettings settings;
    settings.DestOutputFolderOpt = OutputFolder::SameAsOriginal;
    settings.TargetExistsOpt = policy;
    settings.OutputFiles2MyDocuments = 0;
    return settings;
}

MediaItem itemFor(const std::string &source)
{
    MediaItem item;
    item.sourcePath = source;
    return item;
}

// Resolves and returns the target, or "!" followed by the status on failure.
std::string resolve(const std::string &source, const ProgramSettings &settings,
                    const DocumentsFolderFn &documents = {})
{
    MediaItem item = itemFor(source);
    std::string status;
    if (resolveOutputPath(item, settings, "mp3", documents, status) == TargetOutcome::Resolved)
        return item.outputPath;
    EXPECT_TRUE(item.outputPath.empty());
    return "!" + status;
}

} // namespace

TEST(EnsureFolder, CreatesEveryMissingLevel)
{
    ScratchFolder dir;
    EXPECT_TRUE(ensureFolder(dir.path(), false));
    EXPECT_FALSE(ensureFolder(dir / "a/b/c", false));
    EXPECT_FALSE(isDir(dir / "a"));
    EXPECT_TRUE(ensureFolder(dir / "a/b/c", true));
    EXPECT_TRUE(isDir(dir / "a/b/c"));
    EXPECT_TRUE(ensureFolder(dir / "x//y/", true));
    EXPECT_TRUE(isDir(dir / "x/y"));

    writeFile(dir / "file", "x");
    EXPECT_FALSE(ensureFolder(dir / "file", true));
    EXPECT_FALSE(ensureFolder(dir / "file/sub", true));
    EXPECT_FALSE(ensureFolder("", true));
}

TEST(ResolveOutputPath, CreateFoldersRebuildsTheSourcePathBelowTheCustomFolder)
{
    ScratchFolder dir;
    const std::string source = dir / "Music/pop/1.mp3";
    ASSERT_TRUE(ensureFolder(dir / "Music/pop", true));
    writeFile(source, "source");
    const std::string rebuilt = dir.path().substr(1) + "/Music/pop";

    EXPECT_EQ(resolve(source, customFolder(dir / "Output", 1)), dir / "Output/" + rebuilt + "/1.mp3");
    EXPECT_TRUE(isDir(dir / "Output/" + rebuilt));
    EXPECT_EQ(resolve(source, customFolder(dir / "Output/", 0)), dir / "Output/1.mp3");

    // Beside the source the target is the source itself.
    EXPECT_EQ(resolve(source, besideSource(TargetExists::AutoRename)), dir / "Music/pop/1_1.mp3");
    EXPECT_EQ(resolve(source, besideSource(TargetExists::Overwrite)),
              "!Target file name is same as original file that can't be overwritten. "
              "Please output files to a custom folder.");
    EXPECT_EQ(resolve(source, besideSource(TargetExists::Skip)), "!Target exists and skipped");
    EXPECT_EQ(readFile(source), "source");
    // Proving a target leaves nothing behind.
    EXPECT_EQ(folderEntries(dir / "Music/pop"), (std::set<std::string>{"1.mp3"}));
}

TEST(ResolveOutputPath, SourcePathsAreRebuiltWithoutDoubleSlashesOrClimbing)
{
    ScratchFolder dir;
    EXPECT_EQ(resolve("//server/share/a.wav", customFolder(dir / "out", 1)), dir / "out/server/share/a.mp3");
    EXPECT_EQ(resolve("/m/../../etc/./a.wav", customFolder(dir / "out", 1)), dir / "out/etc/a.mp3");
}

TEST(ResolveOutputPath, StemRules)
{
    ScratchFolder dir;
    ASSERT_TRUE(ensureFolder(dir / "my.dir", true));
    EXPECT_EQ(resolve(dir / "track", besideSource(TargetExists::AutoRename)), dir / "track.mp3");
    EXPECT_EQ(resolve(dir / "my.dir/track", besideSource(TargetExists::AutoRename)), dir / "my.dir/track.mp3");
    EXPECT_EQ(resolve(dir / "my.dir/song.live.flac", besideSource(TargetExists::AutoRename)), dir / "my.dir/song.live.mp3");
}

TEST(ResolveOutputPath, AutoRenameTakesTheFirstFreeNumber)
{
    ScratchFolder dir;
    writeFile(dir / "a.wav", "w");
    writeFile(dir / "a.mp3", "0");
    writeFile(dir / "a_1.mp3", "1");
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists::AutoRename)), dir / "a_2.mp3");

    ::unlink((dir / "a_1.mp3").c_str());
    writeFile(dir / "a_2.mp3", "2");
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists::AutoRename)), dir / "a_1.mp3");
    // An unknown policy value renames too.
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists{0})), dir / "a_1.mp3");
}

TEST(ResolveOutputPath, OverwriteLeavesTheExistingTargetUntouched)
{
    ScratchFolder dir;
    writeFile(dir / "a.wav", "w");
    writeFile(dir / "a.mp3", "existing");
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists::Overwrite)), dir / "a.mp3");
    EXPECT_EQ(readFile(dir / "a.mp3"), "existing");
    EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{"a.wav", "a.mp3"}));
}

TEST(ResolveOutputPath, OverwriteRefusesTheSourceUnderAnyName)
{
    ScratchFolder dir;
    writeFile(dir / "a.mp3", "source");
    const std::string refusal = "!Target file name is same as original file that can't be overwritten. "
                                "Please output files to a custom folder.";
    ProgramSettings settings = customFolder(dir / ".", 0);
    settings.TargetExistsOpt = TargetExists::Overwrite;
    EXPECT_EQ(resolve(dir / "a.mp3", settings), refusal);
    ASSERT_EQ(::symlink(dir.path().c_str(), (dir / "link").c_str()), 0);
    settings.DestSpecifiedFolder = dir / "link";
    EXPECT_EQ(resolve(dir / "a.mp3", settings), refusal);
    // Letter case alone makes another file, which may be overwritten.
    writeFile(dir / "a.MP3", "another source");
    EXPECT_EQ(resolve(dir / "a.MP3", besideSource(TargetExists::Overwrite)), dir / "a.mp3");
    EXPECT_EQ(readFile(dir / "a.mp3"), "source");
}

TEST(ResolveOutputPath, AFolderNamedLikeTheTargetCountsAsExisting)
{
    ScratchFolder dir;
    ASSERT_TRUE(ensureFolder(dir / "a.mp3", true));
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists::AutoRename)), dir / "a_1.mp3");
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists::Skip)), "!Target exists and skipped");
    EXPECT_EQ(resolve(dir / "a.wav", besideSource(TargetExists::Overwrite)), "!Failed to create file \"" + dir / "a.mp3\"");
    EXPECT_TRUE(isDir(dir / "a.mp3"));
}

TEST(ResolveOutputPath, FolderFailuresFallBackToTheDocumentsFolderOnce)
{
    ScratchFolder dir;
    writeFile(dir / "blocker", "a file where a folder should be");
    ASSERT_TRUE(ensureFolder(dir / "Documents", true));
    int asked = 0;
    const DocumentsFolderFn documents = [&] { ++asked; return std::optional<std::string>(dir / "Documents"); };

    ProgramSettings settings = customFolder(dir / "blocker/out", 1);
    EXPECT_EQ(resolve("/m/a.wav", settings, documents), "!Failed to create folder \"" + dir / "blocker/out\"");
    EXPECT_EQ(asked, 0);

    settings.OutputFiles2MyDocuments = 1;
    EXPECT_EQ(resolve("/m/a.wav", settings, documents), dir / "Documents/m/a.mp3");
    EXPECT_EQ(asked, 1);

    // A documents folder that fails as well: one retry, its own status.
    asked = 0;
    const DocumentsFolderFn blocked = [&] { ++asked; return std::optional<std::string>(dir / "blocker/docs"); };
    EXPECT_EQ(resolve("/m/a.wav", settings, blocked), "!Failed to create folder \"" + dir / "blocker/docs\"");
    EXPECT_EQ(asked, 1);

    // No documents folder: the first failure is reported.
    const DocumentsFolderFn none = [] { return std::optional<std::string>(); };
    EXPECT_EQ(resolve("/m/a.wav", settings, none), "!Failed to create folder \"" + dir / "blocker/out\"");
}

TEST(ResolveOutputPath, EmptyCustomFolder)
{
    ScratchFolder dir;
    ProgramSettings settings = customFolder("", 0);
    EXPECT_EQ(resolve("/m/a.wav", settings), "!Failed to create folder \"\"");
    settings.OutputFiles2MyDocuments = 1;
    EXPECT_EQ(resolve("/m/a.wav", settings, [&] { return std::optional<std::string>(dir.path()); }),
              dir / "a.mp3");
}

TEST(ResolveOutputPath, FallbackFromBesideTheSourceDropsTheCreateFlag)
{
    ScratchFolder dir;
    ProgramSettings settings = besideSource(TargetExists::AutoRename);
    settings.CreateDirs = 1;
    settings.OutputFiles2MyDocuments = 1;
    // The source's folder is gone, so no file can be created beside it.
    EXPECT_EQ(resolve(dir / "gone/a.wav", settings, [&] { return std::optional<std::string>(dir / "Docs"); }),
              dir / "Docs/a.mp3");
}

TEST(ResolveOutputPath, SkipNeverFallsBack)
{
    ScratchFolder dir;
    writeFile(dir / "a.mp3", "x");
    ProgramSettings settings = besideSource(TargetExists::Skip);
    settings.OutputFiles2MyDocuments = 1;
    int asked = 0;
    EXPECT_EQ(resolve(dir / "a.wav", settings, [&] { ++asked; return std::optional<std::string>(dir.path()); }),
              "!Target exists and skipped");
    EXPECT_EQ(asked, 0);
}

TEST(ResolveOutputPath, ANameTooLongForTheFileSystemFailsBeforeConverting)
{
    ScratchFolder dir;
    // A 255-byte source name; its target, with a longer extension, is 256 bytes.
    const std::string stem(252, 'n');
    writeFile(dir / (stem + ".au"), "x");
    ProgramSettings settings = besideSource(TargetExists::AutoRename);
    int asked = 0;
    const DocumentsFolderFn documents = [&] { ++asked; return std::optional<std::string>(dir / "Docs"); };
    EXPECT_EQ(resolve(dir / (stem + ".au"), settings, documents),
              "!Failed to create file \"" + dir / (stem + ".mp3\""));
    EXPECT_EQ(asked, 0);
    settings.OutputFiles2MyDocuments = 1;
    EXPECT_EQ(resolve(dir / (stem + ".au"), settings, documents),
              "!Failed to create file \"" + dir / ("Docs/" + stem + ".mp3\""));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{stem + ".au", "Docs"}));
}
