#pragma once

#include <string>

// What the conversion progress reader needs of one progress line of the batch
// progress window: its text and its bar. The window implements it; tests
// implement it in memory.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;

    virtual void setUpperText(const std::string &text) = 0;
    virtual void setUpperRange(int minimum, int maximum) = 0;
    virtual void setUpperPosition(int position) = 0;
    // Advances the upper bar by its step (10 by default); past the end of the
    // range the bar starts again from its beginning.
    virtual void stepUpper() = 0;
    // Width in pixels of the upper bar.
    virtual int upperBarWidth() const = 0;
};
