#pragma once

#include <memory>
#include <string>
#include <vector>

#include "converter/progressdisplay.h"

class BatchProgressDisplay;

// The progress lines of the conversions running at once, in the order they
// started, top first. Each runner slot writes to a line of its own through
// start(); when a conversion ends, those below it move up, so a file never
// appears above one that started before it and the free lines are the last.
class LineStack {
public:
    LineStack(BatchProgressDisplay &display, int slots);
    ~LineStack();
    LineStack(const LineStack &) = delete;
    LineStack &operator=(const LineStack &) = delete;

    // The slot's conversion starts: it takes the first free line. What it
    // writes to the answer lands on whichever line it holds.
    ProgressDisplay &start(int slot);
    // The slot's conversion has ended: the lines below move up and the last
    // one left is cleared.
    void end(int slot);

private:
    class Slot;
    BatchProgressDisplay &m_display;
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::vector<int> m_order;  // slots by the line they hold
};
