#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/encodingparams.h"
#include "options/programsettings.h"

class QWidget;
class SettingsStore;

// What the Options command works on: the main window's own state.
struct OptionsTarget {
    int &currentFormat;                        // 0..15
    EncodingParamsSet &params;                 // the main window's 16 records
    ProgramSettings &settings;                 // includes OptStartPageIndex
    std::vector<std::string> &extensionFilter; // rebuilt after OK
    SettingsStore &store;                      // saving after OK
    std::function<void(int)> selectFormat;     // moves the main window's selector to a format
};

// Runs the Options sheet modally over owner, with the wait cursor held. OK
// carries the General settings and the shown format's parameters back and
// saves them; Cancel drops every edit. Either way the page active at the end
// becomes OptStartPageIndex (written by the main window when it closes).
void runOptionsCommand(QWidget *owner, OptionsTarget target);
