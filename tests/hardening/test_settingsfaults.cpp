// Settings files as they turn up after crashes, disk errors, hand edits and
// other machines: binary junk, values of the wrong kind, serialised objects
// that do not fit, a folder where the file should be, no permission. The
// program starts on its defaults (or on the values that still read cleanly),
// never crashes, and a save that cannot be written changes nothing.
#include "hostilekit.h"
#include "unprivileged.h"

#include "core/encodingparams.h"
#include "options/programsettings.h"
#include "platform/settingsstore.h"

#include <gtest/gtest.h>

#include <iostream>
#include <tuple>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace hostile;

namespace {

const std::string kDocuments = "/home/u/Documents";

auto fields(const ProgramSettings &s)
{
    return std::tie(s.OutputFormat, s.OptStartPageIndex, s.Folder, s.DestOutputFolderOpt, s.DestSpecifiedFolder,
                    s.CreateDirs, s.BrowseOutputFolder, s.OutputFiles2MyDocuments, s.TargetExistsOpt,
                    s.EnableExtFilter, s.FilterExts, s.KeepOrgVideoAspect);
}

// What the main window does at start-up with a store: settings, the 16
// encoding records and the first-run check.
struct Startup {
    ProgramSettings settings = defaultProgramSettings(kDocuments);
    EncodingParamsSet params = defaultEncodingParamsSet();
    int helpOpened = 0;
};

Startup startWith(SettingsStore &store)
{
    Startup s;
    readProgramSettings(store, s.settings);
    for (int n = 0; n < kFormatCount; ++n)
        loadEncodingParams(store, n, s.params[static_cast<size_t>(n)]);
    runFirstRunCheck(store, [&s] { ++s.helpOpened; });
    return s;
}

void expectDefaults(const Startup &s)
{
    EXPECT_TRUE(fields(s.settings) == fields(defaultProgramSettings(kDocuments)));
    EXPECT_EQ(s.params, defaultEncodingParamsSet());
}

} // namespace

TEST(SettingsFaults, JunkFilesStartOnDefaults)
{
    ScratchFolder dir;
    const std::vector<std::string> junk{
        randomBytes(4096, 1),
        std::string("[Options]\0\0\0TargetExistsOpt=22\n", 32) + randomBytes(512, 2),
        "\xef\xbb\xbf[Options]\n[\n]]]\n=\n==\n\\\n[VideoParam2\n",
        "[Options]\nTargetExistsOpt=" + std::string(1 << 20, '9') + "\n" + randomBytes(64, 3),
        std::string(100000, '['),
    };
    for (std::size_t i = 0; i < junk.size(); ++i) {
        SCOPED_TRACE("junk " + std::to_string(i));
        const std::string file = dir / ("junk" + std::to_string(i) + ".ini");
        writeFile(file, junk[i]);
        SettingsStore store(file);
        const Startup s = startWith(store);
        // Whatever the file held, a number that is not a number is not read.
        EXPECT_NE(s.settings.TargetExistsOpt, TargetExists{0});
        if (i != 1)
            expectDefaults(s);
    }
}

// Hand-edited or foreign values of the wrong kind: each is left at its
// default; the ones that are fine are read.
TEST(SettingsFaults, ValuesOfTheWrongKindKeepTheirDefaults)
{
    ScratchFolder dir;
    const std::string file = dir / "odd.ini";
    writeFile(file,
              "[Options]\n"
              "DestOutputFolderOpt=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10NoSuchType)\n"
              "CreateDirs=@Variant(\\0\\0\\0\\n\\xff\\xff\\xff\\xff)\n"
              "BrowseOutputFolder=@ByteArray(\\xff\\xfe)\n"
              "OutputFiles2MyDocuments=@Rect(1 2 3 4)\n"
              "TargetExistsOpt=33 apples\n"
              "EnableExtFilter=0x1\n"
              "KeepOrgVideoAspect=1e3\n"
              "OptStartPageIndex=1\n"
              "Folder=@Variant(\\0\\0\\0\\x7f\\0\\0\\0)\n"
              "DestSpecifiedFolder=/out/ok\n"
              "FilterExts=@Size(1 2)\n"
              "[VideoParam2]\n"
              "0\\AudioCodec=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x04Junk\\0\\0)\n"
              "0\\AudioBitRate=@ByteArray(\\x80)\n"
              "1\\AudioCodec=mp2\n");
    SettingsStore store(file);
    const Startup s = startWith(store);
    const ProgramSettings defaults = defaultProgramSettings(kDocuments);
    EXPECT_EQ(s.settings.DestOutputFolderOpt, defaults.DestOutputFolderOpt);
    EXPECT_EQ(s.settings.TargetExistsOpt, defaults.TargetExistsOpt);
    EXPECT_EQ(s.settings.EnableExtFilter, defaults.EnableExtFilter);
    EXPECT_EQ(s.settings.KeepOrgVideoAspect, defaults.KeepOrgVideoAspect);
    EXPECT_EQ(s.settings.OptStartPageIndex, 1);
    EXPECT_EQ(s.settings.DestSpecifiedFolder, "/out/ok");
    EXPECT_EQ(s.params[1].AudioCodec, "mp2");
    // The records with odd texts were read as texts of some kind; the command
    // builder quotes whatever they hold.
    EXPECT_EQ(s.params[2], defaultEncodingParams(2));
}

TEST(SettingsFaults, AFolderWhereTheFileShouldBe)
{
    ScratchFolder dir;
    const std::string file = dir / "Sonavert.ini";
    ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
    // Two starts, each in a process of its own as they would be: within one
    // process QSettings keeps values whose save failed in its shared cache.
    for (int start = 1; start <= 2; ++start) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            SettingsStore store(file);
            const Startup s = startWith(store);
            int faults = 0;
            if (!(fields(s.settings) == fields(defaultProgramSettings(kDocuments))) || s.params != defaultEncodingParamsSet())
                faults |= 1;
            // FirstRun = 0 cannot be kept, so the help opens at every start.
            if (s.helpOpened != 1)
                faults |= 2;
            ProgramSettings changed = s.settings;
            changed.TargetExistsOpt = TargetExists::Overwrite;
            writeProgramSettings(store, changed, ClosingGroup | FolderGroup | OptionsGroup);
            if (store.sync())
                faults |= 4;
            ::_exit(faults);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "start " << start << " crashed";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "start " << start << ": 1 not defaults, 2 no help, 4 saved";
    }
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

// As root the checks run as "nobody": permissions stop neither reads nor writes for root.
TEST(SettingsFaults, UnreadableFileAndUnwritableFolder)
{
    runUnprivileged([] {
        ScratchFolder dir;
        const std::string file = dir / "locked.ini";
        writeFile(file, "[Options]\nTargetExistsOpt=33\nFirstRun=0\n");
        ASSERT_EQ(::chmod(file.c_str(), 0), 0);
        ASSERT_NE(::access(file.c_str(), R_OK), 0) << "permissions do not apply to this user";
        {
            SettingsStore store(file);
            const Startup s = startWith(store);
            expectDefaults(s);
            EXPECT_EQ(s.helpOpened, 1);
        }
        ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
        EXPECT_EQ(readFile(file), "[Options]\nTargetExistsOpt=33\nFirstRun=0\n");

        const std::string folder = dir / "readonly";
        ASSERT_EQ(::mkdir(folder.c_str(), 0555), 0);
        SettingsStore store(folder + "/Sonavert.ini");
        const Startup s = startWith(store);
        expectDefaults(s);
        writeProgramSettings(store, s.settings, OptionsGroup);
        EXPECT_FALSE(store.sync());
        EXPECT_FALSE(exists(folder + "/Sonavert.ini"));
    });
}
