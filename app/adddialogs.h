#pragma once

#include <string>
#include <vector>

class QWidget;
class SettingsStore;
struct ProgramSettings;

// The Add Files and Add Folder dialogs and the folders they remember between
// starts: each opens where the last choice was made.
class AddDialogs {
public:
    AddDialogs(QWidget *parent, ProgramSettings &settings, SettingsStore &store);

    // The files picked, as bytes; none when the dialog was cancelled.
    std::vector<std::string> pickFiles();
    // The folder picked, as bytes with a trailing '/'; empty when cancelled.
    std::string pickFolder();

private:
    QWidget *m_parent;
    ProgramSettings &m_settings;
    SettingsStore &m_store;
};
