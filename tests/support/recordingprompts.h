#pragma once

#include "fakeprompts.h"

// Fake prompts installed for the life of the object.
class RecordingPrompts final : public FakePrompts {
public:
    RecordingPrompts() { setUserPrompts(this); }
    ~RecordingPrompts() override { setUserPrompts(nullptr); }
    RecordingPrompts(const RecordingPrompts &) = delete;
    RecordingPrompts &operator=(const RecordingPrompts &) = delete;
};
