#include <gtest/gtest.h>

#include "filelist/addfiles.h"
#include "filelist/addingprogress.h"

namespace {

class RecordingProgress : public AddingProgress {
public:
    void setText(const std::string &text) override { texts.push_back(text); }
    void startBar(int maximum) override { barMaximum = maximum; }
    void stepBar() override { ++steps; }
    bool cancelRequested() const override { return cancelAfter >= 0 && steps >= cancelAfter; }
    void pumpMessages() override { ++pumps; }

    std::vector<std::string> texts;
    int barMaximum = -1;
    int steps = 0;
    int pumps = 0;
    int cancelAfter = -1;
};

} // namespace

TEST(AddFiles, TwelveFailuresListTenPathsAndOneMoreLine)
{
    std::vector<std::string> pending;
    for (int i = 1; i <= 12; ++i)
        pending.push_back("/bad/" + std::to_string(i) + ".wav");
    pending.push_back("/good.wav");
    RecordingProgress progress;
    const std::string failures = addFilesWithProgress(pending, progress, [](const std::string &p) {
        return p == "/good.wav" ? 3 : -1;
    });
    std::string expected;
    for (int i = 1; i <= 10; ++i)
        expected += "/bad/" + std::to_string(i) + ".wav\n";
    expected += "<more files>...\n";
    EXPECT_EQ(failures, expected);
    EXPECT_EQ(failedFilesMessage(failures), "Failed to load the following files.\n\n" + expected);
    EXPECT_EQ(progress.barMaximum, 13);
    EXPECT_EQ(progress.steps, 13);
    EXPECT_EQ(progress.texts.front(), "Adding file 1 of 13...");
    EXPECT_EQ(progress.texts.back(), "Adding file 13 of 13...");
}

TEST(AddFiles, DuplicatesAreNoFailureAndCancelStopsAtTheNextFile)
{
    RecordingProgress progress;
    progress.cancelAfter = 2;
    std::vector<std::string> probed;
    const std::string failures =
        addFilesWithProgress({"/a", "/a", "/b", "/c"}, progress, [&](const std::string &p) {
            probed.push_back(p);
            return 0;
        });
    EXPECT_EQ(failures, "");
    EXPECT_EQ(probed, (std::vector<std::string>{"/a", "/a"}));
}
