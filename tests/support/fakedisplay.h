#pragma once

#include "converter/progressdisplay.h"

#include <functional>
#include <poll.h>
#include <string>
#include <vector>

// A progress window in memory: records what the reader showed, and presses
// Cancel from the start or after a given number of passes when asked to
// (pass() is called by the helpers of runnow.h). Its passes can be made slow.
class FakeDisplay : public ProgressDisplay {
public:
    explicit FakeDisplay(bool cancelled = false) : cancel(cancelled) {}

    void setUpperText(const std::string &text) override { texts.push_back(text); }
    void setUpperPermille(int permille) override { permilles.push_back(permille); }
    void stepUpper(long count) override { steps += static_cast<int>(count); }
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

    // What the window shows now.
    std::string upperText() const { return texts.empty() ? std::string() : texts.back(); }
    int permille() const { return permilles.empty() ? 0 : permilles.back(); }

    std::vector<std::string> texts;
    std::vector<int> permilles;
    int steps = 0;
    int pumps = 0;
    int cancelAfterPumps = 0;
    int pumpMs = 0;
    std::function<void()> onPump;  // runs at each pass
    bool cancel = false;
};
