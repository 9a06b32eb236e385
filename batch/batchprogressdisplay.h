#pragma once

#include <string>

#include "converter/progressdisplay.h"

// The batch progress window as the batch driver sees it: one progress line
// (text and bar) per conversion that can run at once, the lower text and the
// lower bar that count the files, and a line for the elapsed and remaining
// time. With one line it is the classic window: the line is the upper part.
class BatchProgressDisplay {
public:
    virtual ~BatchProgressDisplay() = default;

    virtual void setLineCount(int count) = 0;
    virtual ProgressDisplay &line(int index) = 0;
    virtual void setLowerText(const std::string &text) = 0;
    // Lower bar range 0..maximum, step 1, position 0.
    virtual void startLowerBar(int maximum) = 0;
    virtual void stepLower() = 0;
    // "Elapsed ... remaining ..."; only shown with more than one line.
    virtual void setTimes(const std::string &text) = 0;
};
