#include "platform/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The user-scope store follows XDG_CONFIG_HOME, which QSettings reads once per
// process: point it at a private folder before any test runs.
class ConfigHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        setenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()).constData(), 1);
    }
    static std::string path() { return instance->m_dir.path().toStdString(); }
    static ConfigHome *instance;

private:
    QTemporaryDir m_dir;
};
ConfigHome *ConfigHome::instance =
    static_cast<ConfigHome *>(::testing::AddGlobalTestEnvironment(new ConfigHome));

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string file(const char *name = "store.ini") const
    {
        return (m_dir.path() + QLatin1Char('/') + QLatin1String(name)).toStdString();
    }
    void writeRaw(const std::string &path, const std::string &bytes) const
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsStoreTest, TextsAndNumbersRoundTrip)
{
    const std::string notUtf8 = "/m\xe9lodie/\xff\xfe.mp3";
    {
        SettingsStore store(file());
        store.writeText("Options", "Folder", notUtf8);
        store.writeText("Options", "FilterExts", "MP3,wav,");
        store.writeText("Options", "Odd", "@ByteArray(x)");
        store.writeText("Options", "Empty", "");
        store.writeText("VideoParam2\\3", "AudioCodec", "wma7x");
        store.writeNumber("Options", "Big", 4294967295u);
        store.writeNumber("Options", "Zero", 0);
        EXPECT_TRUE(store.sync());
    }
    SettingsStore store(file());
    EXPECT_EQ(store.readText("Options", "Folder"), notUtf8);
    EXPECT_EQ(store.readText("Options", "FilterExts"), "MP3,wav,");
    EXPECT_EQ(store.readText("Options", "Odd"), "@ByteArray(x)");
    EXPECT_EQ(store.readText("Options", "Empty"), "");
    EXPECT_EQ(store.readText("VideoParam2\\3", "AudioCodec"), "wma7x");
    EXPECT_EQ(store.readNumber("Options", "Big"), 4294967295u);
    EXPECT_EQ(store.readNumber("Options", "Zero"), 0u);
    EXPECT_TRUE(store.groupExists("VideoParam2\\3"));
    EXPECT_FALSE(store.groupExists("VideoParam2\\4"));
    EXPECT_FALSE(store.readText("Options", "Missing").has_value());
    EXPECT_FALSE(store.readNumber("Options", "Folder").has_value());
}

TEST_F(SettingsStoreTest, HandWrittenValues)
{
    writeRaw(file(), "[Options]\nFilterExts=mp3,wav\nTargetExistsOpt= 22 \nNeg=-1\n");
    SettingsStore store(file());
    EXPECT_EQ(store.readText("Options", "FilterExts"), "mp3,wav");
    EXPECT_EQ(store.readNumber("Options", "TargetExistsOpt"), 22u);
    EXPECT_EQ(store.readNumber("Options", "Neg"), 0xFFFFFFFFu);
}

TEST_F(SettingsStoreTest, TextThatDoesNotFitIsNotRead)
{
    {
        SettingsStore store(file());
        store.writeText("Options", "Fits", std::string(259, 'a'));
        store.writeText("Options", "TooLong", std::string(260, 'a'));
        store.writeText("Options", "Utf8", std::string(129, 'a') + std::string(65, 'x') + "\xc3\xa9");
        ASSERT_TRUE(store.sync());
    }
    SettingsStore store(file());
    EXPECT_EQ(store.readText("Options", "Fits", 260), std::string(259, 'a'));
    EXPECT_FALSE(store.readText("Options", "TooLong", 260).has_value());
    EXPECT_EQ(store.readText("Options", "TooLong")->size(), 260u);
    // The limit counts bytes, not characters: 196 bytes + NUL fits 197, not 196.
    EXPECT_TRUE(store.readText("Options", "Utf8", 197).has_value());
    EXPECT_FALSE(store.readText("Options", "Utf8", 196).has_value());
}

TEST_F(SettingsStoreTest, MissingFileReadsNothing)
{
    SettingsStore store(file("absent.ini"));
    EXPECT_FALSE(store.groupExists("Options"));
    EXPECT_FALSE(store.readText("Options", "Folder").has_value());
    EXPECT_FALSE(store.readNumber("Options", "FirstRun").has_value());
}

TEST_F(SettingsStoreTest, DamagedFileKeepsItsReadableValuesAndACopy)
{
    const std::string damaged = "[Options]\n# a note\nFirstRun=0\nnot a setting\n"
                                "[VideoParam2]\n3\\AudioCodec=mp3\n";
    writeRaw(file(), damaged);
    const auto readRaw = [](const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    {
        SettingsStore store(file());
        EXPECT_EQ(store.readNumber("Options", "FirstRun"), 0u);
        EXPECT_EQ(store.readText("VideoParam2\\3", "AudioCodec"), "mp3");
        EXPECT_FALSE(QFile::exists(QString::fromStdString(file() + ".damaged")));
        store.writeNumber("Options", "OutputFormat", 2);
        // The copy is there before anything replaces the file.
        EXPECT_EQ(readRaw(file() + ".damaged"), damaged);
        EXPECT_EQ(readRaw(file()), damaged);
        EXPECT_TRUE(store.sync());
    }
    SettingsStore store(file());
    EXPECT_EQ(store.readNumber("Options", "FirstRun"), 0u);
    EXPECT_EQ(store.readNumber("Options", "OutputFormat"), 2u);
    EXPECT_EQ(store.readText("VideoParam2\\3", "AudioCodec"), "mp3");
    EXPECT_EQ(readRaw(file() + ".damaged"), damaged);
}

TEST_F(SettingsStoreTest, UnwritableFolderLosesTheWriteSilently)
{
    // A regular file where the folder should be: not writable even for root.
    const std::string folder = file("later");
    writeRaw(folder, "x");
    SettingsStore store(folder + "/Sonavert.ini");
    store.writeNumber("Options", "A", 1);
    EXPECT_FALSE(store.sync());
    // A failed save does not make the next one report failure too.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(folder)));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    store.writeNumber("Options", "B", 2);
    EXPECT_TRUE(store.sync());
    SettingsStore again(folder + "/Sonavert.ini");
    EXPECT_EQ(again.readNumber("Options", "B"), 2u);
}

TEST_F(SettingsStoreTest, UserStoreLivesUnderXdgConfigHome)
{
    {
        SettingsStore store;
        store.writeText("Options", "DestSpecifiedFolder", "/home/u/Documents");
        ASSERT_TRUE(store.sync());
    }
    const std::string expected = ConfigHome::path() + "/Kestrune/Sonavert.ini";
    ASSERT_TRUE(QFile::exists(QString::fromStdString(expected)));
    SettingsStore byPath(expected);
    EXPECT_EQ(byPath.readText("Options", "DestSpecifiedFolder"), "/home/u/Documents");
}

TEST_F(SettingsStoreTest, TwoProcessesSavingAtOnceLeaveAWholeFile)
{
    const std::string path = file();
    constexpr int kRounds = 25;
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        int failures = 0;
        for (int i = 1; i <= kRounds; ++i) {
            SettingsStore store(path);
            store.writeNumber("VideoParam2\\1", "Round", static_cast<std::uint32_t>(i));
            store.writeText("VideoParam2\\1", "AudioCodec", "mp2");
            failures += store.sync() ? 0 : 1;
        }
        _exit(failures == 0 ? 0 : 1);
    }
    for (int i = 1; i <= kRounds; ++i) {
        SettingsStore store(path);
        store.writeNumber("Options", "Round", static_cast<std::uint32_t>(i));
        store.writeText("Options", "FilterExts", "mp3,wav");
        EXPECT_TRUE(store.sync());
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    SettingsStore store(path);
    EXPECT_EQ(store.readNumber("Options", "Round"), static_cast<std::uint32_t>(kRounds));
    EXPECT_EQ(store.readText("Options", "FilterExts"), "mp3,wav");
    EXPECT_EQ(store.readNumber("VideoParam2\\1", "Round"), static_cast<std::uint32_t>(kRounds));
    EXPECT_EQ(store.readText("VideoParam2\\1", "AudioCodec"), "mp2");
}
