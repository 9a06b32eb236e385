#pragma once

#include <string>
#include <vector>

#include "core/encodingparams.h"
#include "options/programsettings.h"

class SettingsStore;

// What the program works with and keeps between starts, apart from the
// window's size: the settings, the encoding parameters of every format, the
// extension filter made from the settings and the current output format.
struct AppState {
    AppState() = default;
    // The defaults, before anything is read; documentsFolder may be empty.
    explicit AppState(const std::string &documentsFolder);

    // Reads the settings, builds the filter from them and reads the parameters.
    void load(SettingsStore &store);
    // Writes what a closing window keeps: the current format among it.
    void save(SettingsStore &store);

    ProgramSettings settings;
    EncodingParamsSet params;
    std::vector<std::string> extensionFilter;
    int currentFormat = 0;
};
