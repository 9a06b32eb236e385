#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "batch/batchdriver.h"
#include "batch/batchprogressdisplay.h"
#include "filelist/batchstatussink.h"
#include "scratchfolder.h"

namespace {

class FakeDisplay : public BatchProgressDisplay {
public:
    void setUpperText(const std::string &text) override { upperTexts.push_back(text); }
    void setUpperRange(int, int) override {}
    void setUpperPosition(int) override {}
    void stepUpper() override {}
    int upperBarWidth() const override { return 300; }
    bool cancelRequested() const override { return cancel; }
    void pumpMessages() override
    {
        if (onPump)
            onPump();
    }
    void setLowerText(const std::string &text) override { lowerTexts.push_back(text); }
    void startLowerBar(int maximum) override { lowerMaximum = maximum; }
    void stepLower() override { ++lowerSteps; }

    std::vector<std::string> upperTexts;
    std::vector<std::string> lowerTexts;
    int lowerMaximum = -1;
    int lowerSteps = 0;
    bool cancel = false;
    std::function<void()> onPump;
};

class FakeList : public BatchStatusSink {
public:
    void ensureRowVisible(int row) override { shown.push_back(row); }
    void setStatus(int row, const std::string &text) override { status[row] = text; }
    std::vector<int> shown;
    std::map<int, std::string> status;
};

struct Fixture {
    ScratchFolder dir;
    std::vector<MediaItem> items;
    std::vector<BatchEntry> batch;
    FakeDisplay display;
    FakeList list;

    explicit Fixture(int count)
    {
        items.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            items[static_cast<size_t>(i)].sourcePath = dir.file("in" + std::to_string(i + 1) + ".wav");
            list.status[i] = "before";
        }
        for (int i = 0; i < count; ++i)
            batch.push_back(BatchEntry{&items[static_cast<size_t>(i)], i});
    }

    // Resolves to out<n>.mp3 and writes content there on conversion.
    BatchSteps steps(const std::string &content = "data")
    {
        BatchSteps s;
        s.resolveOutputPath = [this](MediaItem &item, std::string &) {
            item.outputPath = dir.file(item.sourcePath.substr(dir.path().size() + 3, 1) + ".mp3");
            return true;
        };
        s.convert = [this, content](MediaItem &item, ProgressDisplay &) {
            dir.write(item.outputPath.substr(dir.path().size() + 1), content);
            return 1;
        };
        return s;
    }
};

} // namespace

TEST(BatchDriver, EmptyOutputOrFailedRunIsAConversionFailure)
{
    Fixture f(2);
    BatchSteps steps = f.steps("");
    auto convert = steps.convert;
    steps.convert = [&](MediaItem &item, ProgressDisplay &display) {
        const int result = convert(item, display);
        return &item == &f.items[1] ? 0 : result;
    };
    BatchDriver driver(f.list, f.display, steps);
    EXPECT_FALSE(driver.run(f.batch, "WAV"));
    EXPECT_EQ(f.list.status[0], "Conversion Failure");
    EXPECT_EQ(f.list.status[1], "Conversion Failure");
    EXPECT_TRUE(f.items[0].outputPath.empty());
    EXPECT_EQ(BatchDriver::firstExistingOutput(f.batch), "");
}

TEST(BatchDriver, CancelSeenAfterASuccessKeepsTheOutputName)
{
    Fixture f(2);
    BatchSteps steps = f.steps();
    int pumps = 0;
    // The pump after the first success delivers the Cancel click.
    f.display.onPump = [&] {
        if (++pumps == 2)
            f.display.cancel = true;
    };
    BatchDriver driver(f.list, f.display, steps);
    EXPECT_TRUE(driver.run(f.batch, "MP3"));
    EXPECT_EQ(f.list.status[0], "1.mp3");
    EXPECT_EQ(f.list.status[1], "before");
    EXPECT_FALSE(f.items[0].outputPath.empty());
}
