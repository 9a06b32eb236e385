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
