#include "options/programsettings.h"
#include "platform/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

namespace {

using Pieces = std::vector<std::string>;

class ProgramSettingsStore : public ::testing::Test {
protected:
    std::string file() const { return m_dir.path().toStdString() + "/store.ini"; }
    QTemporaryDir m_dir;
};

ProgramSettings changed()
{
    ProgramSettings s = defaultProgramSettings("/home/u/Documents");
    s.OutputFormat = 7;
    s.OptStartPageIndex = 1;
    s.Folder = "/music/new/";
    s.DestOutputFolderOpt = OutputFolder::SameAsOriginal;
    s.DestSpecifiedFolder = "/out/\xe9t\xe9";
    s.CreateDirs = 1;
    s.BrowseOutputFolder = 0;
    s.OutputFiles2MyDocuments = 0;
    s.TargetExistsOpt = TargetExists::Skip;
    s.EnableExtFilter = 1;
    s.FilterExts = "mp3,wav";
    s.KeepOrgVideoAspect = 0;
    s.SimultaneousConversions = 3;
    s.Loudness = 2;
    s.LoudnessTarget = -23; // a negative number stored in an unsigned value
    s.LoudnessAlbum = 1;
    return s;
}

} // namespace

TEST_F(ProgramSettingsStore, AllGroupsRoundTripButOutputFormatIsNeverRead)
{
    ProgramSettings saved = changed();
    {
        SettingsStore store(file());
        writeProgramSettings(store, saved, ClosingGroup | FolderGroup | OptionsGroup);
    }
    SettingsStore store(file());
    ProgramSettings loaded = defaultProgramSettings("/home/u/Documents");
    EXPECT_EQ(loaded.DestOutputFolderOpt, OutputFolder::Custom);
    readProgramSettings(store, loaded);
    EXPECT_EQ(store.readNumber("Options", "OutputFormat"), 7u);
    EXPECT_EQ(loaded.OutputFormat, 0);
    saved.OutputFormat = 0;
    EXPECT_EQ(std::tie(loaded.OptStartPageIndex, loaded.Folder, loaded.DestOutputFolderOpt,
                       loaded.DestSpecifiedFolder, loaded.CreateDirs, loaded.BrowseOutputFolder,
                       loaded.OutputFiles2MyDocuments, loaded.TargetExistsOpt, loaded.EnableExtFilter,
                       loaded.FilterExts, loaded.KeepOrgVideoAspect, loaded.SimultaneousConversions, loaded.Loudness,
                       loaded.LoudnessTarget, loaded.LoudnessAlbum),
              std::tie(saved.OptStartPageIndex, saved.Folder, saved.DestOutputFolderOpt,
                       saved.DestSpecifiedFolder, saved.CreateDirs, saved.BrowseOutputFolder,
                       saved.OutputFiles2MyDocuments, saved.TargetExistsOpt, saved.EnableExtFilter,
                       saved.FilterExts, saved.KeepOrgVideoAspect, saved.SimultaneousConversions, saved.Loudness,
                       saved.LoudnessTarget, saved.LoudnessAlbum));
}

TEST(SimultaneousConversions, AutoIsOnePerCoreWithinOneToSixteen)
{
    EXPECT_EQ(simultaneousConversions(1), 1);
    EXPECT_EQ(simultaneousConversions(16), 16);
    const int automatic = simultaneousConversions(0);
    EXPECT_GE(automatic, 1);
    EXPECT_LE(automatic, 16);
    EXPECT_EQ(simultaneousConversions(17), automatic);  // out of range: Auto
    EXPECT_EQ(ProgramSettings{}.SimultaneousConversions, 0);
}

TEST_F(ProgramSettingsStore, GroupsWriteOnlyTheirValues)
{
    const ProgramSettings s = changed();
    SettingsStore store(file());
    writeProgramSettings(store, s, 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file())));
    writeProgramSettings(store, s, FolderGroup);
    EXPECT_EQ(store.readText("Options", "Folder"), "/music/new/");
    EXPECT_FALSE(store.readNumber("Options", "OutputFormat").has_value());
    EXPECT_FALSE(store.readNumber("Options", "TargetExistsOpt").has_value());
    writeProgramSettings(store, s, ClosingGroup);
    EXPECT_EQ(store.readNumber("Options", "OutputFormat"), 7u);
    EXPECT_FALSE(store.readNumber("Options", "TargetExistsOpt").has_value());
}

TEST_F(ProgramSettingsStore, OverlongPathsAreNotRead)
{
    {
        SettingsStore store(file());
        store.writeText("Options", "Folder", "/" + std::string(259, 'f'));
        store.writeText("Options", "DestSpecifiedFolder", "/" + std::string(258, 'd'));
        store.writeText("Options", "FilterExts", std::string(1000, 'x'));
        ASSERT_TRUE(store.sync());
    }
    SettingsStore store(file());
    ProgramSettings s = defaultProgramSettings("/docs");
    readProgramSettings(store, s);
    EXPECT_EQ(s.Folder, "");
    EXPECT_EQ(s.DestSpecifiedFolder, "/" + std::string(258, 'd'));
    EXPECT_EQ(s.FilterExts.size(), 1000u);
}

TEST(ExtensionFilterList, LowerCaseInOrderWithEmptyPieces)
{
    ProgramSettings s;
    s.FilterExts = "MP3,Wav,\xc3\x89T\xc3\x89,\xff" "A,";
    EXPECT_TRUE(buildExtensionFilterList(s).empty());
    s.EnableExtFilter = 1;
    EXPECT_EQ(buildExtensionFilterList(s), (Pieces{"mp3", "wav", "\xc3\xa9t\xc3\xa9", "\xff" "a", ""}));
    s.FilterExts = "";
    EXPECT_TRUE(buildExtensionFilterList(s).empty());
    s.FilterExts = ",";
    EXPECT_EQ(buildExtensionFilterList(s), (Pieces{"", ""}));
}

TEST_F(ProgramSettingsStore, FirstRunOpensHelpOnce)
{
    int opened = 0;
    const auto openHelp = [&] { ++opened; };
    {
        SettingsStore store(file());
        runFirstRunCheck(store, openHelp);
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(store.readNumber("Options", "FirstRun"), 0u);
    }
    SettingsStore store(file());
    runFirstRunCheck(store, openHelp);
    EXPECT_EQ(opened, 1);

    store.writeNumber("Options", "FirstRun", 5);
    ASSERT_TRUE(store.sync());
    runFirstRunCheck(store, openHelp);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(store.readNumber("Options", "FirstRun"), 0u);
}

TEST_F(ProgramSettingsStore, FirstRunOpensHelpEveryTimeWhenTheStoreCannotBeWritten)
{
    std::ofstream(file(), std::ios::binary) << "not a folder";
    int opened = 0;
    for (int start = 0; start < 2; ++start) {
        SettingsStore store(file() + "/Kestrune/Sonavert.ini");
        runFirstRunCheck(store, [&] { ++opened; });
    }
    EXPECT_EQ(opened, 2);
}
