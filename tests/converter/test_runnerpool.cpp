#include "converter/runnerpool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A pool whose tasks record where they started and wait for the test to end them.
struct Recorder {
    RunnerPool pool;
    std::vector<int> started;     // task numbers, in the order they started
    std::vector<int> slotOf;      // each started task's slot
    std::vector<int> finishedSlots;
    int drained = 0;

    explicit Recorder(int slotCount) : pool(slotCount)
    {
        QObject::connect(&pool, &RunnerPool::taskFinished, [this](int slot) { finishedSlots.push_back(slot); });
        QObject::connect(&pool, &RunnerPool::drained, [this] { ++drained; });
    }

    // count tasks; those in overAtOnce have nothing to run.
    void submit(int count, std::vector<int> overAtOnce = {})
    {
        std::vector<RunnerPool::Task> tasks;
        for (int i = 0; i < count; ++i) {
            const int number = static_cast<int>(started.size() + tasks.size());
            const bool over = std::find(overAtOnce.begin(), overAtOnce.end(), i) != overAtOnce.end();
            tasks.push_back([this, number, over](int slot) {
                started.push_back(number);
                slotOf.resize(static_cast<std::size_t>(number) + 1, -1);
                slotOf[static_cast<std::size_t>(number)] = slot;
                return !over;
            });
        }
        pool.submit(std::move(tasks));
    }
};

} // namespace

// In submission order, at most N at once, each on the slot set free; a task with
// nothing to run gives its slot to the next at once. A missing converter, Stop and
// Cancel all leave the queue unstarted, and the pool says once that it has drained.
TEST(RunnerPool, OrderAtMostNCancelAllAndAMissingToolStopsTheQueue)
{
    {
        Recorder r(2);
        r.submit(6, {1});
        EXPECT_EQ(r.started, (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(r.slotOf[2], 1);  // the slot task 1 did not need
        EXPECT_EQ(r.pool.running(), 2);

        r.pool.finish(1);
        EXPECT_EQ(r.finishedSlots, std::vector<int>{1});
        EXPECT_EQ(r.started.back(), 3);
        EXPECT_EQ(r.slotOf[3], 1);

        // The converter cannot be run: what runs ends, nothing new starts.
        r.pool.finish(0, true);
        EXPECT_EQ(r.started.size(), 4u);
        EXPECT_EQ(r.drained, 0);
        r.pool.finish(1);
        EXPECT_TRUE(r.pool.toolMissing());
        EXPECT_TRUE(r.pool.isIdle());
        EXPECT_EQ(r.drained, 1);
        EXPECT_EQ(r.started.size(), 4u);
    }
    {
        // Cancel ends every running task at once, here from inside the cancel itself.
        Recorder r(2);
        std::vector<int> cancelledSlots;
        r.pool.setCancelSlot([&](int slot) {
            cancelledSlots.push_back(slot);
            r.pool.finish(slot);
        });
        r.submit(3);
        r.pool.cancelAll();
        EXPECT_EQ(cancelledSlots, (std::vector<int>{0, 1}));
        EXPECT_EQ(r.started.size(), 2u);
        EXPECT_TRUE(r.pool.cancelled());
        EXPECT_EQ(r.drained, 1);
    }
    {
        // Stop lets the running task end and starts no other.
        Recorder r(1);
        r.submit(2);
        r.pool.stop();
        EXPECT_EQ(r.drained, 0);
        r.pool.finish(0);
        EXPECT_EQ(r.started.size(), 1u);
        EXPECT_EQ(r.drained, 1);
        EXPECT_FALSE(r.pool.cancelled());
    }
    {
        // Nothing to run at all drains at once; more work later drains again.
        Recorder r(2);
        r.submit(2, {0, 1});
        EXPECT_EQ(r.drained, 1);
        r.submit(1);
        EXPECT_EQ(r.drained, 1);
        r.pool.finish(0);
        EXPECT_EQ(r.drained, 2);
    }
}
