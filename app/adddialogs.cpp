#include "app/adddialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "filelist/openfilefilters.h"
#include "options/generaloptionsrules.h"
#include "options/programsettings.h"
#include "platform/bytetext.h"
#include "platform/settingsstore.h"
#include "ui/userprompts.h"

namespace {

std::string bytes(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

AddDialogs::AddDialogs(QWidget *parent, ProgramSettings &settings, SettingsStore &store)
    : m_parent(parent), m_settings(settings), m_store(store)
{
}

std::vector<std::string> AddDialogs::pickFiles()
{
    QStringList filters;
    for (const std::string &filter : openFileFiltersForDialog())
        filters << QString::fromStdString(filter);
    // The dialog opens where files were last picked, as the system's own dialog
    // remembers it; the first time in the home folder.
    std::string start = m_settings.FilesFolder;
    if (start.size() > 1 && start.back() == '/')
        start.pop_back();
    const QStringList picked = userPrompts().openFiles(
        m_parent, filters, start.empty() ? QDir::homePath() : displayText(start));
    std::vector<std::string> files;
    for (const QString &path : picked)
        files.push_back(bytes(path));
    if (!files.empty()) {
        const std::string &first = files.front();
        m_settings.FilesFolder = first.substr(0, first.rfind('/') + 1);
        writeProgramSettings(m_store, m_settings, FilesFolderGroup);
    }
    return files;
}

std::string AddDialogs::pickFolder()
{
    // As with the custom output folder: a start folder picked as it stands keeps its own
    // bytes (a name that is not UTF-8 survives), and a folder too long to be read back at
    // the next start is searched but not kept.
    const std::string start = chooserStartFolder(m_settings.Folder);
    const QString shownStart = displayText(start);
    const QString chosen = userPrompts().chooseFolder(
        m_parent, QCoreApplication::translate("AddDialogs", "Please choose a folder:"), shownStart);
    if (chosen.isEmpty())
        return {};
    std::string folder = !start.empty() && chosen == shownStart ? start : bytes(chosen);
    if (folder.back() != '/')
        folder += '/';
    if (const std::string kept = customFolderFromChoice(folder); !kept.empty()) {
        m_settings.Folder = kept;
        writeProgramSettings(m_store, m_settings, FolderGroup);
        m_store.sync();
    }
    return folder;
}
