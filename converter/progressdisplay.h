#pragma once

#include <string>

// What the conversion progress reader needs of one progress line of the batch
// progress window: its text and its bar. The window implements it; tests
// implement it in memory.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;

    virtual void setUpperText(const std::string &text) = 0;
    // How much of the conversion is done, in thousandths (0 to 1000); the bar
    // shows that share of its length.
    virtual void setUpperPermille(int permille) = 0;
    // Advances the upper bar `steps` times by its step, for a conversion of
    // unknown length; past its end the bar starts again from its beginning.
    virtual void stepUpper(long steps) = 0;
};
