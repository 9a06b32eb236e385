#pragma once

#include <string>

// One file of the list: where it is, what the converter reported about it, and
// the target of its last successful conversion. Paths are byte strings: Linux
// file names need not be valid UTF-8.
struct MediaItem {
    std::string sourcePath;
    int videoWidth = 0;       // an odd width is stored plus 1
    int videoHeight = 0;
    double frameRate = 0.0;
    int audioChannels = 0;    // 1 mono, 2 stereo (also for "5:1")
    int sampleRate = 0;       // Hz
    int durationSeconds = 0;
    bool dsInput = false;     // probed through the "DS:\\" prefixed form
    std::string outputPath;   // empty unless the last conversion succeeded
};
