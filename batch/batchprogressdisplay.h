#pragma once

#include <string>

#include "converter/progressdisplay.h"

// The batch progress window as the batch loop sees it: the upper part used by
// the conversion progress reader, plus the lower text and the lower bar that
// count the files.
class BatchProgressDisplay : public ProgressDisplay {
public:
    virtual void setLowerText(const std::string &text) = 0;
    // Lower bar range 0..maximum, step 1, position 0.
    virtual void startLowerBar(int maximum) = 0;
    virtual void stepLower() = 0;
};
