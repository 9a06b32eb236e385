// A folder of the kind people really have: empty, cut-off and random files
// under media names, a folder and a FIFO named like songs, links and shortcuts
// that lead nowhere, names with quotes, line breaks, leading dashes, "DS:\\",
// printf directives and bytes that are not UTF-8, and a file that vanishes
// while the batch runs. It goes through the program's own adding and
// conversion logic with the real converter. Every file ends converted (output
// there, non-empty and readable) or reported; nothing hangs; no source
// changes; nothing appears outside the output folder.
#include "hostilekit.h"

#include "batch/batchdriver.h"
#include "batch/batchprogressdisplay.h"
#include "batch/batchstatussink.h"
#include "batch/outputpathresolver.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "filelist/medialistsink.h"
#include "filelist/mediaprobe.h"
#include "common/pathparts.h"
#include "filelist/filecollector.h"
#include "filelist/mediaitemmap.h"
#include "core/encodingparams.h"
#include "core/formatcatalogue.h"
#include "options/programsettings.h"
#include "shortcutfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include <sys/stat.h>
#include <unistd.h>
#include "runnow.h"

using namespace hostile;

namespace {

const std::string kTool = REAL_KESCVT;
constexpr auto kProbeTimeout = std::chrono::seconds(10);
constexpr int kMp3 = 0;

class Rows : public MediaListSink, public BatchStatusSink {
public:
    int addRowForItem(std::unique_ptr<MediaItem> item) override
    {
        items.push_back(std::move(item));
        statuses.emplace_back();
        return static_cast<int>(items.size()) - 1;
    }
    void ensureRowVisible(int) override {}
    void setStatus(int row, const std::string &text) override { statuses.at(static_cast<size_t>(row)) = text; }

    std::vector<std::unique_ptr<MediaItem>> items;
    std::vector<std::string> statuses;
};

class BatchWindow : public BatchProgressDisplay, public ProgressDisplay {
public:
    void setUpperText(const std::string &text) override
    {
        if (onUpperText)
            onUpperText(text);
    }
    void setUpperPermille(int) override {}
    void stepUpper(long) override {}
    void setLineCount(int) override {}
    ProgressDisplay &line(int) override { return *this; }
    void setLowerText(const std::string &) override {}
    void startLowerBar(int) override {}
    void stepLower() override {}
    void setTimes(const std::string &) override {}

    std::function<void(const std::string &)> onUpperText;
};

// Files that must end in the list, must be refused, or may go either way
// (random bytes and cut-off media that a decoder may still make sense of).
struct Expectations {
    std::set<std::string> added;
    std::set<std::string> refused;
};

class HostileFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        in = root / "in";
        out = root / "out";
        cwd = root / "cwd";
        for (const std::string &folder : {in, in + "/sub", out, cwd})
            ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        good = sineWavBytes(1.0, 44100, 2);
    }

    std::string source(const std::string &name) const { return in + "/" + name; }
    void goodFile(const std::string &name)
    {
        writeFile(source(name), good);
        expected.added.insert(source(name));
    }
    void badFile(const std::string &name, const std::string &bytes)
    {
        writeFile(source(name), bytes);
        expected.refused.insert(source(name));
    }
    void doubtfulFile(const std::string &name, const std::string &bytes) { writeFile(source(name), bytes); }

    // An MP3 made by the converter from a generated WAV, for cut-off copies.
    std::string realMp3()
    {
        const std::string wav = root / "make.wav";
        writeFile(wav, sineWavBytes(2.0, 44100, 2));
        MediaItem item;
        item.sourcePath = wav;
        item.durationSeconds = 2;
        item.sampleRate = 44100;
        item.audioChannels = 2;
        item.outputPath = root / "make.mp3";
        FakeDisplay progress;
        EXPECT_EQ(convertNow(runner, kTool, item, kMp3, defaultEncodingParams(kMp3), progress), 1);
        const std::string bytes = readFile(item.outputPath);
        ::unlink(item.outputPath.c_str());
        ::unlink(wav.c_str());
        return bytes;
    }

    ScratchFolder root;
    std::string in, out, cwd;
    std::string good;
    Expectations expected;
    ConverterRunner runner;
};

} // namespace

TEST_F(HostileFolder, EveryFileIsConvertedOrReportedAndNothingElseChanges)
{
    // Good audio under names that break naive quoting, parsing or printf.
    for (const std::string name : {"good.wav", "say \"hi\".wav", "new\nline.wav", "-i.wav", "--y.wav",
                                   "DS:\\\\inside.wav", "back\\.wav", "q\\\"q.wav", "100%d %s %n%%.wav",
                                   "\xff\xfe caf\xe9.wav", " lead and trail .wav", "tab\there.wav",
                                   "sub/deep.wav"})
        goodFile(name);
    goodFile(std::string(200, 'L') + ".wav");
    // RealMedia names are probed in the "DS:\\" form first; this one holds WAV data.
    goodFile("DS:\\\\real.ra");

    badFile("empty.mp3", "");
    badFile("empty.wav", "");
    badFile("header-only.wav", good.substr(0, 30));
    // A name that would forge a stream line if it were ever echoed into the output.
    badFile("x\n  Stream #0:0: Audio: pcm_s16le, 44100 Hz, stereo\nDuration: 00:10:00.00\n.wav", "");

    doubtfulFile("cut.wav", sineWavBytes(2.0, 44100, 2).substr(0, 44 + 88200));
    const std::string mp3 = realMp3();
    ASSERT_GT(mp3.size(), 1000u);
    doubtfulFile("cut.mp3", mp3.substr(0, mp3.size() * 2 / 5));
    doubtfulFile("noise.mp3", randomBytes(32768, 1));
    doubtfulFile("noise.wav", randomBytes(32768, 2));
    doubtfulFile("noise.ogg", "OggS" + randomBytes(32768, 3));
    doubtfulFile("noise.m4a", randomBytes(32768, 4));
    doubtfulFile("noise.rm", ".RMF" + randomBytes(32768, 5));

    // Links and shortcuts: one good of each, the rest leading nowhere.
    ASSERT_EQ(::symlink("good.wav", source("link.mp3").c_str()), 0);
    expected.added.insert(source("link.mp3"));
    ASSERT_EQ(::symlink("nowhere.wav", source("dangling.wav").c_str()), 0);
    ASSERT_EQ(::symlink("loop.wav", source("loop.wav").c_str()), 0);
    // A device never ends: read, it would hold the probe until its time-out.
    ASSERT_EQ(::symlink("/dev/zero", source("zero.wav").c_str()), 0);
    shortcutfile::write(source("deep.lnk"), "sub\\deep.wav", "");
    shortcutfile::write(source("self.lnk"), "self.lnk", "");
    shortcutfile::write(source("gone.lnk"), "gone.wav", "/no/such/file.wav");
    writeFile(source("garbage.lnk"), randomBytes(300, 6));

    // Not files at all, and a file the user cannot read.
    ASSERT_EQ(::mkdir(source("album.mp3").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(source("stream.wav").c_str(), 0644), 0);
    if (::geteuid() == 0) {
        std::cout << "[ note ] running as root: permissions do not stop reads, the unreadable file is left out\n";
    } else {
        goodFile("locked.wav");
        expected.added.erase(source("locked.wav"));
        expected.refused.insert(source("locked.wav"));
        ASSERT_EQ(::chmod(source("locked.wav").c_str(), 0), 0);
    }
    // Read fine while adding, gone when its turn in the batch comes.
    goodFile("vanish.wav");

    const Tree before = snapshot(root.path());
    ASSERT_EQ(::chdir(cwd.c_str()), 0);

    // Adding: the folder search with the filter on, then names that reach the
    // probe directly (dropped or picked in the dialog).
    FileCollector collector(true, {"wav", "mp3", "ogg", "m4a", "ra", "rm"});
    collector.searchFolder(in);
    std::vector<std::string> pending = collector.takePending();
    for (const char *name : {"stream.wav", "album.mp3", "missing.wav", "dangling.wav", "loop.wav", "zero.wav"}) {
        pending.push_back(source(name));
        expected.refused.insert(source(name));
    }
    // The folder search takes neither the FIFO, nor the device, nor the folder.
    EXPECT_EQ(std::count(pending.begin(), pending.end(), source("stream.wav")), 1);
    EXPECT_EQ(std::count(pending.begin(), pending.end(), source("zero.wav")), 1);
    EXPECT_EQ(std::count(pending.begin(), pending.end(), source("album.mp3")), 1);
    // The good shortcut gives its target, which the search also found itself.
    EXPECT_EQ(std::count(pending.begin(), pending.end(), source("sub/deep.wav")), 2);

    runner.setProbeTimeout(kProbeTimeout);
    MediaItemMap map;
    Rows rows;
    std::set<std::string> added, refused;
    for (const std::string &path : pending) {
        // Two probes at most (the "DS:\\" form first), each within its time-out.
        const Watchdog watchdog(2 * 10 + 10);
        const int result = probeAndAddNow(path, runner, kTool, map, rows);
        (result >= 0 ? added : refused).insert(path);
        if (result == -1) {
            EXPECT_EQ(map.find(path), nullptr) << path;
        }
    }
    for (const std::string &path : expected.added)
        EXPECT_TRUE(added.count(path)) << "not added: " << path;
    for (const std::string &path : expected.refused)
        EXPECT_TRUE(refused.count(path)) << "added: " << path;
    for (const auto &item : rows.items) {
        if (item->sourcePath.ends_with(".ra")) {
            EXPECT_TRUE(item->dsInput) << item->sourcePath;
        }
    }

    // Converting everything that was added into the output folder.
    ProgramSettings settings;
    settings.DestOutputFolderOpt = OutputFolder::Custom;
    settings.DestSpecifiedFolder = out;
    settings.CreateDirs = 0;
    settings.TargetExistsOpt = TargetExists::AutoRename;
    settings.OutputFiles2MyDocuments = 0;
    BatchSteps steps;
    steps.resolveOutputPath = [&](MediaItem &item, const BatchSteps::Reserved &reserved, std::string &status,
                                  std::string &) {
        return resolveOutputPath(item, settings, formatEntry(kMp3).extension, {}, status, reserved);
    };
    steps.convert = [&](int, MediaItem &item, ProgressDisplay &display, bool replace,
                        std::function<void(const ConversionEnd &)> done) {
        startConversionJob(runner, kTool, item, kMp3, defaultEncodingParams(kMp3), display, replace, std::move(done));
    };
    steps.cancel = [&](int) { runner.cancel(); };
    BatchWindow window;
    window.onUpperText = [&](const std::string &text) {
        if (text == "Converting vanish.wav...")
            ::unlink(source("vanish.wav").c_str());
    };
    std::vector<BatchEntry> batch;
    for (std::size_t row = 0; row < rows.items.size(); ++row)
        batch.push_back(BatchEntry{rows.items[row].get(), static_cast<int>(row)});
    BatchDriver driver(rows, window, 1, steps);
    {
        const Watchdog watchdog(600);
        EXPECT_FALSE(runBatchNow(driver, batch, formatEntry(kMp3).displayName));
    }

    std::set<std::string> outputs;
    for (std::size_t row = 0; row < rows.items.size(); ++row) {
        const MediaItem &item = *rows.items[row];
        const std::string &status = rows.statuses[row];
        if (item.outputPath.empty()) {
            EXPECT_TRUE(status == "Conversion Failure" || status.starts_with("Failed to create"))
                << item.sourcePath << ": " << status;
            EXPECT_FALSE(expected.added.count(item.sourcePath) && item.sourcePath != source("vanish.wav"))
                << "good file not converted: " << item.sourcePath << ": " << status;
            continue;
        }
        // A success is only ever reported for an output that is really there.
        EXPECT_EQ(status, pathparts::fileNamePart(item.outputPath));
        EXPECT_EQ(item.outputPath.rfind(out + "/", 0), 0u) << item.outputPath;
        MediaItem back;
        EXPECT_TRUE(probeNow(runner, probeCommand(kTool, item.outputPath, false), back).success) << item.outputPath;
        EXPECT_GT(back.sampleRate, 0) << item.outputPath;
        if (expected.added.count(item.sourcePath)) {
            EXPECT_EQ(back.durationSeconds, 1) << item.outputPath;
        }
        outputs.insert(item.outputPath.substr(root.path().size()));
    }
    EXPECT_EQ(std::count(rows.statuses.begin(), rows.statuses.end(), "Conversion Failure") >= 1, true);

    // Nothing but the outputs appeared, nothing else changed, and the file
    // that vanished is the only one missing.
    ASSERT_EQ(::chdir("/"), 0);
    Tree after = snapshot(root.path());
    Tree expectedAfter = before;
    expectedAfter.erase("/in/vanish.wav");
    for (const std::string &output : outputs) {
        ASSERT_TRUE(after.count(output)) << output;
        EXPECT_EQ(after[output].type, 'f');
        EXPECT_GT(after[output].size, 0u);
        expectedAfter[output] = after[output];
    }
    for (const auto &[path, entry] : after) {
        EXPECT_EQ(path.find(".snvtmp"), std::string::npos) << "temporary file left: " << path;
        EXPECT_TRUE(expectedAfter.count(path)) << "appeared: " << path;
    }
    for (const auto &[path, entry] : expectedAfter) {
        ASSERT_TRUE(after.count(path)) << "gone: " << path;
        EXPECT_EQ(after[path], entry) << "changed: " << path;
    }
}
