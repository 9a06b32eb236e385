#pragma once

// The main window's commands. A button, its menu items and its key share one,
// and every command reaches MainCommands::run() by it.
enum class Command {
    AddFiles = 1,
    AddFolder,
    Remove,
    RemoveAll,
    UndoRemove,
    ConvertSelected,
    ConvertAll,
    PlaySource,
    PlayDestination,
    BrowseSourceFolder,
    BrowseDestinationFolder,
    Options,
    HelpTopics,
    TellAFriend,
    FeedbackAndSupport,
    Homepage,
    CheckLatestVersion,
    About,
    ShowHelpMenu,
    Minimize,
    Close,
    // Ctrl+A: taken by the window so the file list does not select everything,
    // and does nothing.
    NoAction,
};

// Menus carry a command as their item's id; 0, which no command has, marks a
// separator there.
constexpr int menuId(Command command)
{
    return static_cast<int>(command);
}

// The command of a menu item's id; NoAction for an id that is none.
constexpr Command commandOfMenuId(int id)
{
    return id >= menuId(Command::AddFiles) && id <= menuId(Command::NoAction) ? static_cast<Command>(id)
                                                                              : Command::NoAction;
}
