#pragma once

#include <string>

#include "app/commandids.h"

// What the enabling rules look at: the file list's rows and selection, and the
// output of the top-most selected row (empty when none is selected or the row
// has no successful conversion yet).
struct ListSelectionState {
    int rowCount = 0;
    int selectedCount = 0;
    std::string firstSelectedOutput;
    // Rows of the last removal can be brought back.
    bool canUndoRemove = false;
};

// Whether the menu item of a command is enabled. Commands without a rule are
// always enabled. Only menu items follow this; buttons stay enabled and their
// commands answer an empty list or selection with a message.
bool isCommandEnabled(Command command, const ListSelectionState &state);
