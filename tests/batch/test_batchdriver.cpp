#include <cmath>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "batch/albumloudness.h"
#include "batch/batchdriver.h"
#include "batch/batchprogressdisplay.h"
#include "batch/batchstatussink.h"
#include "batch/batchtarget.h"
#include "fakedisplay.h"
#include "scratchfolder.h"

namespace {

class FakeBatchDisplay : public BatchProgressDisplay {
public:
    void setLineCount(int count) override { lines.resize(static_cast<size_t>(count)); }
    ProgressDisplay &line(int index) override { return lines.at(static_cast<size_t>(index)); }
    void setLowerText(const std::string &text) override { lowerTexts.push_back(text); }
    void startLowerBar(int maximum) override { lowerMaximum = maximum; }
    void stepLower() override { ++lowerSteps; }
    void setTimes(const std::string &text) override { times = text; }

    std::vector<FakeDisplay> lines;
    std::vector<std::string> lowerTexts;
    int lowerMaximum = -1;
    int lowerSteps = 0;
    std::string times;
};

class FakeList : public BatchStatusSink {
public:
    void ensureRowVisible(int row) override { shown.push_back(row); }
    void setStatus(int row, const std::string &text) override
    {
        status[row] = text;
        detail[row].clear();
    }
    void setStatusDetail(int row, const std::string &text) override { detail[row] = text; }
    std::vector<int> shown;
    std::map<int, std::string> status;
    std::map<int, std::string> detail;
};

// A conversion that has started and waits for the test to end it.
struct Running {
    int slot;
    MediaItem *item;
    std::function<void(const ConversionEnd &)> done;
};

struct Fixture {
    ScratchFolder dir;
    std::vector<MediaItem> items;
    std::vector<BatchEntry> batch;
    FakeBatchDisplay display;
    FakeList list;
    std::vector<Running> running;
    std::vector<int> cancelledSlots;
    bool finished = false;

    // Sources in<n>.wav, or the given names, each in a folder of its own.
    explicit Fixture(int count, std::vector<std::string> names = {})
    {
        items.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::string name = names.empty() ? "in" + std::to_string(i + 1) + ".wav" : names[static_cast<size_t>(i)];
            items[static_cast<size_t>(i)].sourcePath = dir.file("src" + std::to_string(i) + "/" + name);
            list.status[i] = "before";
        }
        for (int i = 0; i < count; ++i)
            batch.push_back(BatchEntry{&items[static_cast<size_t>(i)], i});
    }

    // Resolves into out/ with the real rules; conversions wait in `running`.
    BatchSteps steps(int policy = 11)
    {
        BatchSteps s;
        s.resolveOutputPath = [this, policy](MediaItem &item, const BatchSteps::Reserved &reserved,
                                             std::string &status, std::string &) {
            ProgramSettings settings;
            settings.DestOutputFolderOpt = OutputFolder::Custom;
            settings.DestSpecifiedFolder = dir.file("out");
            settings.TargetExistsOpt = static_cast<TargetExists>(policy);
            settings.OutputFiles2MyDocuments = 0;
            return resolveOutputPath(item, settings, "mp3", {}, status, reserved);
        };
        s.convert = [this](int slot, MediaItem &item, ProgressDisplay &, bool,
                           std::function<void(const ConversionEnd &)> done) {
            running.push_back(Running{slot, &item, std::move(done)});
        };
        s.cancel = [this](int slot) {
            cancelledSlots.push_back(slot);
            for (auto it = running.begin(); it != running.end(); ++it) {
                if (it->slot == slot) {
                    auto done = std::move(it->done);
                    running.erase(it);
                    done(ConversionEnd{false, "Cancelled.", false, {}});
                    return;
                }
            }
        };
        return s;
    }

    void start(BatchDriver &driver)
    {
        driver.start(batch, "MP3", [this] { finished = true; });
    }

    // Ends the running conversion of item n (0-based): writes its output, or fails with reason.
    void end(int n, const std::string &reason = "")
    {
        for (auto it = running.begin(); it != running.end(); ++it) {
            if (it->item != &items[static_cast<size_t>(n)])
                continue;
            if (reason.empty())
                dir.write(it->item->outputPath.substr(dir.path().size() + 1), "data");
            auto done = std::move(it->done);
            running.erase(it);
            done(ConversionEnd{reason.empty(), reason, reason == "missing", {}});
            return;
        }
        ADD_FAILURE() << "item " << n << " is not running";
    }
};

} // namespace

TEST(BatchDriver, OneAtATimeCountsStartedFilesAndReportsEachFailure)
{
    Fixture f(3);
    BatchDriver driver(f.list, f.display, 1, f.steps());
    f.start(driver);
    ASSERT_EQ(f.running.size(), 1u);
    EXPECT_EQ(f.list.status[0], "Converting...");
    EXPECT_EQ(f.list.status[1], "before");
    f.end(0, "No such file or directory.");
    f.end(1);
    f.end(2, "The converter wrote nothing.");
    EXPECT_TRUE(f.finished);
    EXPECT_EQ(f.list.status[0], "Conversion Failure");
    EXPECT_EQ(f.list.detail[0], "No such file or directory.");
    EXPECT_EQ(f.list.status[1], "in2.mp3");
    EXPECT_EQ(f.list.detail[1], "Saved as " + f.dir.file("out/in2.mp3"));
    EXPECT_TRUE(f.items[0].outputPath.empty());
    EXPECT_EQ(f.display.lowerSteps, 3);
    EXPECT_EQ(f.display.lowerTexts.back(), "Converting 3 of 3 file(s) to MP3...");
    EXPECT_EQ(f.display.lines[0].texts.front(), "Converting in1.wav...");
    EXPECT_EQ(BatchDriver::failureSummary(driver.failures(), driver.count()),
              "2 of 3 files were not converted.\n\nin1.wav: No such file or directory.\n"
              "in3.wav: The converter wrote nothing.\n");
    EXPECT_EQ(BatchDriver::outcomeText(3, 2), "1 converted, 2 failed");
    EXPECT_EQ(BatchDriver::outcomeText(10, 0), "10 files converted");
}

TEST(BatchDriver, SeveralAtOnceInDisplayOrderEachOnItsOwnLine)
{
    Fixture f(4);
    BatchDriver driver(f.list, f.display, 2, f.steps());
    f.start(driver);
    ASSERT_EQ(f.display.lines.size(), 2u);
    ASSERT_EQ(f.running.size(), 2u);
    EXPECT_EQ(f.running[0].item, &f.items[0]);
    EXPECT_EQ(f.running[1].item, &f.items[1]);
    EXPECT_EQ(f.display.lines[1].texts.front(), "Converting in2.wav...");
    EXPECT_EQ(f.display.lowerTexts.back(), "Converting 2 of 4 file(s) to MP3...");
    EXPECT_EQ(f.display.lowerSteps, 0);  // counts finished files
    EXPECT_EQ(f.display.times.rfind("Elapsed 00:00:0", 0), 0u);

    // The second ends first: the third takes its line.
    f.end(1);
    EXPECT_EQ(f.list.status[1], "in2.mp3");
    EXPECT_EQ(f.list.status[0], "Converting...");
    EXPECT_EQ(f.display.lowerSteps, 1);
    EXPECT_EQ(f.running.back().item, &f.items[2]);
    EXPECT_EQ(f.running.back().slot, 1);
    EXPECT_EQ(f.display.lines[1].texts.back(), "Converting in3.wav...");
    f.end(0, "Damaged data.");
    f.end(2);
    f.end(3);
    EXPECT_TRUE(f.finished);
    EXPECT_EQ(f.list.status[0], "Conversion Failure");
    EXPECT_EQ(f.display.lowerSteps, 4);
    EXPECT_EQ(driver.failures().size(), 1u);
}

TEST(BatchDriver, LinesFillTopFirstAndFollowTheStartOrder)
{
    Fixture f(4);
    BatchDriver driver(f.list, f.display, 3, f.steps());
    f.start(driver);
    // The top one ends: the others move up, the next file takes the bottom line.
    f.end(0);
    EXPECT_EQ(f.display.lines[0].texts.back(), "Converting in2.wav...");
    EXPECT_EQ(f.display.lines[1].texts.back(), "Converting in3.wav...");
    EXPECT_EQ(f.display.lines[2].texts.back(), "Converting in4.wav...");
    EXPECT_EQ(f.running.back().slot, 0);  // on the runner set free
    // With no file left, the free lines are the last ones, and empty.
    f.end(2);
    EXPECT_EQ(f.display.lines[1].texts.back(), "Converting in4.wav...");
    EXPECT_EQ(f.display.lines[2].texts.back(), "");
    f.end(1);
    EXPECT_EQ(f.display.lines[0].texts.back(), "Converting in4.wav...");
    EXPECT_EQ(f.display.lines[1].texts.back(), "");
    EXPECT_EQ(f.display.times.find("remaining 00:00:00"), std::string::npos);
}

TEST(BatchDriver, ConversionsGetMoreThreadsOnlyWhereCoresWouldIdle)
{
    struct Case {
        int files;
        int parallel;
        int cores;
        std::vector<int> threads; // of each file, in the order they start
    };
    const Case cases[] = {
        {1, 4, 4, {4}},                // a lone file: every core
        {6, 4, 4, {1, 1, 1, 1, 1, 1}}, // more files than cores: as before
        {3, 4, 4, {1, 1, 2}},          // the last to start takes what the others leave
        {2, 1, 2, {1, 2}},             // one at a time: the last file alone, on both
        {2, 2, 1, {1, 1}},             // cores not set: as before
    };
    for (const Case &c : cases) {
        Fixture f(c.files);
        BatchDriver *driver = nullptr;
        std::vector<int> threads;
        BatchSteps steps = f.steps();
        steps.convert = [&, convert = steps.convert](int slot, MediaItem &item, ProgressDisplay &line, bool replace,
                                                     std::function<void(const ConversionEnd &)> done) {
            threads.push_back(driver->threadsOf(slot));
            convert(slot, item, line, replace, std::move(done));
        };
        BatchDriver batch(f.list, f.display, c.parallel, std::move(steps));
        driver = &batch;
        if (c.cores > 1)
            batch.setCores(c.cores);
        f.start(batch);
        while (!f.running.empty())
            f.end(static_cast<int>(f.running.front().item - f.items.data()));
        EXPECT_TRUE(f.finished);
        EXPECT_EQ(threads, c.threads) << c.files << " files, " << c.parallel << " at once, " << c.cores << " cores";
    }
}

TEST(BatchDriver, CancelEndsEveryRunningConversionAndLeavesTheRest)
{
    Fixture f(4);
    BatchDriver driver(f.list, f.display, 2, f.steps());
    f.start(driver);
    driver.cancel();
    EXPECT_EQ(f.cancelledSlots, (std::vector<int>{0, 1}));
    EXPECT_TRUE(f.finished);
    EXPECT_TRUE(driver.cancelled());
    EXPECT_EQ(f.list.status[0], "Cancelled");
    EXPECT_EQ(f.list.status[1], "Cancelled");
    EXPECT_EQ(f.list.status[2], "before");
    EXPECT_EQ(f.list.status[3], "before");
    EXPECT_TRUE(f.running.empty());
    EXPECT_TRUE(f.items[0].outputPath.empty());
}

TEST(BatchDriver, SameNamedSourcesNeverShareATarget)
{
    {
        // Auto rename: the name reserved by the running first is taken as existing.
        Fixture f(2, {"song.wav", "song.wav"});
        BatchDriver driver(f.list, f.display, 2, f.steps(11));
        f.start(driver);
        ASSERT_EQ(f.running.size(), 2u);
        f.end(1);
        f.end(0);
        EXPECT_EQ(f.list.status[0], "song.mp3");
        EXPECT_EQ(f.list.status[1], "song_1.mp3");
    }
    {
        // Skip: the second is skipped although nothing is on disk yet, and a
        // skip is the user's choice, not a failure to report.
        Fixture f(2, {"song.wav", "song.wav"});
        BatchDriver driver(f.list, f.display, 2, f.steps(33));
        f.start(driver);
        EXPECT_EQ(f.list.status[1], "Target exists and skipped");
        f.end(0);
        EXPECT_EQ(f.list.status[0], "song.mp3");
        EXPECT_TRUE(driver.failures().empty());
        EXPECT_TRUE(f.finished);
    }
}

TEST(BatchDriver, MissingConverterStopsTheBatchAndIsReportedOnce)
{
    Fixture f(4);
    BatchDriver driver(f.list, f.display, 2, f.steps());
    f.start(driver);
    f.end(0, "missing");
    f.end(1, "missing");
    EXPECT_TRUE(f.finished);
    EXPECT_EQ(driver.toolFailure(), "missing");
    EXPECT_EQ(f.list.status[2], "before");
}

TEST(BatchTarget, NotesWhenTheOutputFallsBackToTheDocumentsFolder)
{
    ScratchFolder dir;
    MediaItem item;
    item.sourcePath = dir.write("in/song.wav");
    dir.write("blocker");  // a file where the custom folder should be made
    ProgramSettings settings;
    settings.DestOutputFolderOpt = OutputFolder::Custom;
    settings.DestSpecifiedFolder = dir.file("blocker/out");
    const DocumentsFolderFn documents = [&] { return std::optional<std::string>(dir.file("docs")); };
    std::string status, note;
    ASSERT_EQ(resolveBatchTarget(item, settings, "mp3", documents, {}, status, note), TargetOutcome::Resolved);
    EXPECT_EQ(item.outputPath, dir.file("docs/song.mp3"));
    EXPECT_EQ(note, "Failed to create folder \"" + dir.file("blocker/out")
                        + "\", so the file went to the Documents folder instead.");

    settings.DestSpecifiedFolder = dir.file("out");
    note.clear();
    ASSERT_EQ(resolveBatchTarget(item, settings, "mp3", documents, {}, status, note), TargetOutcome::Resolved);
    EXPECT_EQ(item.outputPath, dir.file("out/song.mp3"));
    EXPECT_EQ(note, "");
}

namespace {

// A block histogram of n blocks all at one loudness, as the converter prints it.
LoudnessMeasure measuredAt(double lufs, const std::string &album, long blocks = 100)
{
    LoudnessMeasure measure;
    measure.complete = true;
    measure.figures.integrated = lufs;
    measure.figures.peak = std::pow(10.0, lufs / 20.0);
    measure.blocks[static_cast<int>((lufs + 70.0) / 0.1)] = blocks;
    measure.album = album;
    return measure;
}

struct PendingMeasure {
    int slot;
    MediaItem *item;
    std::function<void(const LoudnessMeasure &)> done;
};

} // namespace

// Files of one album tag pool their loudness; a file without one, or of another album,
// keeps its own; silence gets a word in the tooltip, not a failure. Conversions start
// only once every file is measured.
TEST(BatchDriver, AlbumPassMeasuresEveryFileBeforeConvertingAndGroupsByAlbumTag)
{
    Fixture f(4);
    std::vector<PendingMeasure> measures;
    BatchSteps steps = f.steps();
    steps.measure = [&](int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done) {
        measures.push_back(PendingMeasure{slot, &item, std::move(done)});
    };
    BatchDriver driver(f.list, f.display, 2, steps);
    f.start(driver);
    ASSERT_EQ(measures.size(), 2u);
    EXPECT_EQ(f.display.lowerTexts.back(), "Measuring loudness 2 of 4...");
    const LoudnessMeasure results[] = {measuredAt(-20, "A"), measuredAt(-26, "A"), measuredAt(-14, "B"),
                                       measuredAt(-30, "")};
    for (int i = 0; i < 4; ++i) {
        auto pending = std::move(measures.front());
        measures.erase(measures.begin());
        EXPECT_TRUE(f.running.empty());
        LoudnessMeasure result = results[i];
        if (i == 3) { // digital silence: no blocks, no loudness
            result.blocks.clear();
            result.figures.integrated.reset();
        }
        pending.done(result);
    }
    ASSERT_EQ(f.running.size(), 2u);
    EXPECT_EQ(f.display.lowerMaximum, 4);

    const MeasuredLoudness first = driver.measuredLoudness(f.items[0]);
    const MeasuredLoudness second = driver.measuredLoudness(f.items[1]);
    ASSERT_TRUE(first.album && first.album->integrated && second.album);
    // Blocks count at the centre of their 0.1 LU bin: half a bin off at most.
    EXPECT_NEAR(*first.album->integrated, -20.0 + 10 * std::log10((1 + std::pow(10.0, -0.6)) / 2), 0.06);
    EXPECT_EQ(*first.album->integrated, *second.album->integrated);
    EXPECT_NEAR(first.album->peak, 0.1, 1e-9);
    EXPECT_NEAR(*driver.measuredLoudness(f.items[2]).album->integrated, -14.0, 0.06);
    EXPECT_FALSE(driver.measuredLoudness(f.items[3]).album);
    EXPECT_EQ(*driver.measuredLoudness(f.items[0]).track->integrated, -20.0);

    f.end(0);
    f.end(1);
    f.end(2);
    f.end(3);
    EXPECT_TRUE(f.finished);
    EXPECT_NE(f.list.detail[3].find("Loudness undefined (digital silence)"), std::string::npos) << f.list.detail[3];
    EXPECT_EQ(f.list.detail[0].find("Loudness undefined"), std::string::npos);
    EXPECT_TRUE(driver.failures().empty());
}

TEST(BatchDriver, CancelDuringTheAlbumPassEndsTheBatchWithoutConverting)
{
    Fixture f(3);
    std::vector<PendingMeasure> measures;
    BatchSteps steps = f.steps();
    steps.measure = [&](int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done) {
        measures.push_back(PendingMeasure{slot, &item, std::move(done)});
    };
    steps.cancel = [&](int slot) {
        f.cancelledSlots.push_back(slot);
        for (auto it = measures.begin(); it != measures.end(); ++it)
            if (it->slot == slot) {
                auto done = std::move(it->done);
                measures.erase(it);
                done(LoudnessMeasure{});
                return;
            }
    };
    BatchDriver driver(f.list, f.display, 2, steps);
    f.start(driver);
    ASSERT_EQ(measures.size(), 2u);
    driver.cancel();
    EXPECT_EQ(f.cancelledSlots.size(), 2u);
    EXPECT_TRUE(f.finished);
    EXPECT_TRUE(driver.cancelled());
    EXPECT_TRUE(f.running.empty());
    EXPECT_TRUE(measures.empty());
}
