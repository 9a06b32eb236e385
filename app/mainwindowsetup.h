#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

class QObject;
class SettingsStore;

// What the main window takes from its surroundings. Every field has a working
// default; tests replace them.
struct MainWindowSetup {
    // The settings store; nullptr: the user's own store, owned by the window.
    SettingsStore *store = nullptr;
    // The converter tool; empty: the one beside the executable.
    std::string converterPath;
    // The documents folder; unset: the user's XDG documents folder.
    std::function<std::optional<std::string>()> documentsFolder;
    // Opens the file manager with the file selected; unset: the shell action.
    std::function<void(const std::string &path)> showInFolder;
    // The help page; empty: snvc.html in the program folder.
    std::string helpFile;
    // Opens the help maximised at a user's first start; unset: the help viewer.
    std::function<void()> openFirstRunHelp;
    // Closes the help window when the main window closes; unset: the help viewer.
    std::function<void()> closeHelp;
    // A desktop notification; unset: the freedesktop notification service.
    std::function<void(const QString &summary, const QString &body)> notify;
};

// Gives every unset field of setup its working default; the help opened at a
// first start comes up from context's event loop. Returns the user's own store
// when setup named none (setup.store then points to it), else nullptr.
std::unique_ptr<SettingsStore> completeSetup(MainWindowSetup &setup, QObject *context);
