#pragma once

#include "converter/progressdisplay.h"

#include <functional>
#include <poll.h>
#include <string>
#include <vector>

// A progress window in memory: records what the reader showed, and presses
// Cancel after a given number of passes when asked to (pass() is called by the
// helpers of runnow.h). Its passes can be made slow.
class FakeDisplay : public ProgressDisplay {
public:
    explicit FakeDisplay(int width = 200) : m_width(width) {}

    void setUpperText(const std::string &text) override { texts.push_back(text); }
    void setUpperRange(int minimum, int maximum) override
    {
        rangeMin = minimum;
        rangeMax = maximum;
    }
    void setUpperPosition(int position) override { positions.push_back(position); }
    void stepUpper() override { ++steps; }
    int upperBarWidth() const override { return m_width; }
    bool pass()
    {
        ++pumps;
        if (pumpMs > 0)
            ::poll(nullptr, 0, pumpMs); // a window slow to repaint
        if (onPump)
            onPump();
        if (cancelAfterPumps > 0 && pumps >= cancelAfterPumps)
            cancel = true;
        return cancel;
    }

    std::vector<std::string> texts;
    std::vector<int> positions;
    int rangeMin = -1;
    int rangeMax = -1;
    int steps = 0;
    int pumps = 0;
    int cancelAfterPumps = 0;
    int pumpMs = 0;
    std::function<void()> onPump;  // runs at each pass
    bool cancel = false;

private:
    int m_width;
};
