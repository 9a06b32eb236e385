#include <gtest/gtest.h>

#include "filelist/addfiles.h"
#include "filelist/addingprogress.h"

namespace {

class RecordingProgress : public AddingProgress {
public:
    void setText(const std::string &text) override { texts.push_back(text); }
    void startBar(int maximum) override { barMaximum = maximum; }
    void stepBar() override { ++steps; }

    std::vector<std::string> texts;
    int barMaximum = -1;
    int steps = 0;
};

struct Probing {
    std::string path;
    std::function<void(ProbeEnd)> done;
};

ProbeEnd readable()
{
    ProbeEnd end;
    end.item = std::make_unique<MediaItem>();
    return end;
}

ProbeEnd unreadable(const std::string &reason, bool toolMissing = false)
{
    ProbeEnd end;
    end.reason = reason;
    end.toolMissing = toolMissing;
    return end;
}

} // namespace

TEST(AddFiles, ProbesSeveralAtOnceAndAddsInListOrder)
{
    RecordingProgress progress;
    std::vector<Probing> probing;
    std::vector<std::string> listed{"/listed"};
    std::vector<std::string> added;
    bool finished = false;
    FileAdder adder(
        progress, 2, [&](const std::string &p) { return std::find(listed.begin(), listed.end(), p) != listed.end(); },
        [](const std::string &p) { return p; },
        [&](int, const std::string &p, std::function<void(ProbeEnd)> done) { probing.push_back({p, std::move(done)}); },
        [&](const std::string &p, std::unique_ptr<MediaItem>) {
            added.push_back(p);
            return static_cast<int>(added.size()) - 1;
        });
    adder.start({"/a", "/listed", "/a", "/b", "/c"}, [&] { finished = true; });
    // "/listed" and the second "/a" need no probe.
    ASSERT_EQ(probing.size(), 2u);
    EXPECT_EQ(probing[1].path, "/b");
    EXPECT_EQ(progress.texts.back(), "Adding file 4 of 5...");

    probing[1].done(unreadable("Damaged."));  // /b ends first
    EXPECT_TRUE(added.empty());               // /a comes first
    probing[0].done(readable());
    EXPECT_EQ(added, std::vector<std::string>{"/a"});
    adder.cancel();  // between files: /c, already started, still ends
    EXPECT_FALSE(finished);
    probing[2].done(readable());
    EXPECT_TRUE(finished);
    EXPECT_EQ(added, (std::vector<std::string>{"/a", "/c"}));
    EXPECT_EQ(adder.failureText(), "/b: Damaged.\n");
}

TEST(AddFiles, MissingConverterIsReportedOnceAndStopsAdding)
{
    RecordingProgress progress;
    std::vector<Probing> probing;
    bool finished = false;
    FileAdder adder(
        progress, 1, [](const std::string &) { return false; }, [](const std::string &p) { return p; },
        [&](int, const std::string &p, std::function<void(ProbeEnd)> done) { probing.push_back({p, std::move(done)}); },
        [](const std::string &, std::unique_ptr<MediaItem>) { return 0; });
    adder.start({"/a", "/b", "/c"}, [&] { finished = true; });
    probing[0].done(unreadable("The converter could not be started: No such file or directory.", true));
    EXPECT_TRUE(finished);
    EXPECT_EQ(adder.failureText(), "");
    EXPECT_EQ(adder.toolFailure(), "The converter could not be started: No such file or directory.");
}

TEST(AddFiles, PathsFoundDuringASearchAreProbedAsTheyArriveAndKeepTheirOrder)
{
    RecordingProgress progress;
    std::vector<Probing> probing;
    std::vector<std::string> added;
    bool finished = false;
    FileAdder adder(
        progress, 2, [&](const std::string &p) { return std::find(added.begin(), added.end(), p) != added.end(); },
        [](const std::string &p) { return p; },
        [&](int, const std::string &p, std::function<void(ProbeEnd)> done) { probing.push_back({p, std::move(done)}); },
        [&](const std::string &p, std::unique_ptr<MediaItem>) {
            added.push_back(p);
            return static_cast<int>(added.size()) - 1;
        });
    adder.start({}, [&] { finished = true; }, true);
    adder.addPending({"/a"});
    ASSERT_EQ(probing.size(), 1u);
    probing[0].done(readable());
    EXPECT_EQ(added, std::vector<std::string>{"/a"});
    EXPECT_FALSE(finished);  // the search may still find more
    adder.addPending({"/b", "/a", "/c"});
    ASSERT_EQ(probing.size(), 3u);  // "/a" is listed by now
    EXPECT_TRUE(progress.texts.empty());  // the search owns the text until it ends
    adder.endPending();
    EXPECT_EQ(progress.barMaximum, 4);
    EXPECT_EQ(progress.texts.back(), "Adding file 4 of 4...");
    probing[2].done(unreadable("Damaged."));
    probing[1].done(readable());
    EXPECT_TRUE(finished);
    EXPECT_EQ(added, (std::vector<std::string>{"/a", "/b"}));
    EXPECT_EQ(adder.failureText(), "/c: Damaged.\n");
}
