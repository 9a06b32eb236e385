#pragma once

class MediaListView;
class QWidget;

// What the main window's commands act on: the window with its file list, and
// the window's own jobs. MainCommands asks isBusy() once for every command.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // The window: parent of the menus and messages, owner of the keys.
    virtual QWidget *commandWindow() = 0;
    virtual MediaListView *fileList() const = 0;
    // Adding or converting is under way: only minimising and closing act.
    virtual bool isBusy() const = 0;
    virtual bool canUndoRemove() const = 0;

    virtual void addFiles() = 0;
    virtual void addFolder() = 0;
    virtual void removeSelected() = 0;
    virtual void removeAll() = 0;
    virtual void undoRemove() = 0;
    virtual void convertSelected() = 0;
    virtual void convertAll() = 0;
    virtual void showOptions() = 0;
};
