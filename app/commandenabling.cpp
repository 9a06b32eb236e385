#include "app/commandenabling.h"

#include "app/commandids.h"

bool isCommandEnabled(int command, const ListSelectionState &state)
{
    using namespace commandid;
    switch (command) {
    case kRemoveAll:
    case kConvertAll:
        return state.rowCount > 0;
    case kUndoRemove:
        return state.canUndoRemove;
    case kRemove:
    case kConvertSelected:
        return state.selectedCount > 0;
    case kPlaySource:
    case kBrowseSourceFolder:
        return state.selectedCount == 1;
    case kPlayDestination:
    case kBrowseDestinationFolder:
        return state.selectedCount == 1 && !state.firstSelectedOutput.empty();
    default:
        return true;
    }
}
