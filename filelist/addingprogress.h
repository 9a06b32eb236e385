#pragma once

#include <string>

// What adding files needs of its progress window: one text and one bar
// counting the files started. The adding progress window implements it; tests
// implement it in memory.
class AddingProgress {
public:
    virtual ~AddingProgress() = default;

    virtual void setText(const std::string &text) = 0;
    // Bar range 0..maximum, position 0, step 1.
    virtual void startBar(int maximum) = 0;
    virtual void stepBar() = 0;
};
