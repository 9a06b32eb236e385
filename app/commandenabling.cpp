#include "app/commandenabling.h"


bool isCommandEnabled(Command command, const ListSelectionState &state)
{
    switch (command) {
    case Command::RemoveAll:
    case Command::ConvertAll:
        return state.rowCount > 0;
    case Command::UndoRemove:
        return state.canUndoRemove;
    case Command::Remove:
    case Command::ConvertSelected:
        return state.selectedCount > 0;
    case Command::PlaySource:
    case Command::BrowseSourceFolder:
        return state.selectedCount == 1;
    case Command::PlayDestination:
    case Command::BrowseDestinationFolder:
        return state.selectedCount == 1 && !state.firstSelectedOutput.empty();
    default:
        return true;
    }
}
