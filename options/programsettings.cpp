#include "options/programsettings.h"

#include <algorithm>
#include <thread>

#include "common/fieldsplit.h"
#include "platform/bytecase.h"
#include "platform/settingsstore.h"

namespace {

constexpr const char *kGroup = "Options";
// Text buffers of the stored paths hold 260 bytes with the terminating NUL.
constexpr size_t kPathBufferBytes = 260;

void readNumber(SettingsStore &store, const char *name, int &setting)
{
    if (const auto value = store.readNumber(kGroup, name))
        setting = static_cast<int>(*value);
}

template <typename Choice>
void readChoice(SettingsStore &store, const char *name, Choice &setting)
{
    int number = static_cast<int>(setting);
    readNumber(store, name, number);
    setting = static_cast<Choice>(number);
}

void readText(SettingsStore &store, const char *name, std::string &setting, size_t maxBytes)
{
    if (auto value = store.readText(kGroup, name, maxBytes))
        setting = std::move(*value);
}

void writeNumber(SettingsStore &store, const char *name, int value)
{
    store.writeNumber(kGroup, name, static_cast<std::uint32_t>(value));
}

} // namespace

ProgramSettings defaultProgramSettings(const std::string &documentsFolder)
{
    ProgramSettings settings;
    if (!documentsFolder.empty()) {
        settings.DestSpecifiedFolder = documentsFolder;
        settings.DestOutputFolderOpt = OutputFolder::Custom;
    } else {
        settings.DestOutputFolderOpt = OutputFolder::SameAsOriginal;
    }
    return settings;
}

void readProgramSettings(SettingsStore &store, ProgramSettings &settings)
{
    // A value that is missing or does not fit its buffer leaves the setting as it
    // is. OutputFormat is written on exit but never read: every start is on MP3.
    readText(store, "Folder", settings.Folder, kPathBufferBytes);
    readChoice(store, "DestOutputFolderOpt", settings.DestOutputFolderOpt);
    readText(store, "DestSpecifiedFolder", settings.DestSpecifiedFolder, kPathBufferBytes);
    readNumber(store, "CreateDirs", settings.CreateDirs);
    readNumber(store, "BrowseOutputFolder", settings.BrowseOutputFolder);
    readNumber(store, "OutputFiles2MyDocuments", settings.OutputFiles2MyDocuments);
    readChoice(store, "TargetExistsOpt", settings.TargetExistsOpt);
    readNumber(store, "EnableExtFilter", settings.EnableExtFilter);
    readText(store, "FilterExts", settings.FilterExts, 0);
    readNumber(store, "KeepOrgVideoAspect", settings.KeepOrgVideoAspect);
    readNumber(store, "OptStartPageIndex", settings.OptStartPageIndex);
    readText(store, "FilesFolder", settings.FilesFolder, kPathBufferBytes);
    readNumber(store, "SimultaneousConversions", settings.SimultaneousConversions);
    readNumber(store, "Loudness", settings.Loudness);
    readNumber(store, "LoudnessTarget", settings.LoudnessTarget);
    readNumber(store, "LoudnessAlbum", settings.LoudnessAlbum);
}

int simultaneousConversions(int stored)
{
    if (stored >= 1 && stored <= kMaxSimultaneousConversions)
        return stored;
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, kMaxSimultaneousConversions);
}

void writeProgramSettings(SettingsStore &store, const ProgramSettings &settings, unsigned groups)
{
    if ((groups & (ClosingGroup | FolderGroup | OptionsGroup | FilesFolderGroup)) == 0)
        return;
    if (groups & ClosingGroup) {
        writeNumber(store, "OutputFormat", settings.OutputFormat);
        writeNumber(store, "OptStartPageIndex", settings.OptStartPageIndex);
    }
    if (groups & FolderGroup)
        store.writeText(kGroup, "Folder", settings.Folder);
    if (groups & OptionsGroup) {
        writeNumber(store, "DestOutputFolderOpt", static_cast<int>(settings.DestOutputFolderOpt));
        store.writeText(kGroup, "DestSpecifiedFolder", settings.DestSpecifiedFolder);
        writeNumber(store, "CreateDirs", settings.CreateDirs);
        writeNumber(store, "BrowseOutputFolder", settings.BrowseOutputFolder);
        writeNumber(store, "OutputFiles2MyDocuments", settings.OutputFiles2MyDocuments);
        writeNumber(store, "TargetExistsOpt", static_cast<int>(settings.TargetExistsOpt));
        writeNumber(store, "EnableExtFilter", settings.EnableExtFilter);
        store.writeText(kGroup, "FilterExts", settings.FilterExts);
        writeNumber(store, "KeepOrgVideoAspect", settings.KeepOrgVideoAspect);
        writeNumber(store, "SimultaneousConversions", settings.SimultaneousConversions);
        writeNumber(store, "Loudness", settings.Loudness);
        writeNumber(store, "LoudnessTarget", settings.LoudnessTarget);
        writeNumber(store, "LoudnessAlbum", settings.LoudnessAlbum);
    }
    if (groups & FilesFolderGroup)
        store.writeText(kGroup, "FilesFolder", settings.FilesFolder);
    // A store that cannot be written loses this write silently.
    store.sync();
}

std::vector<std::string> buildExtensionFilterList(const ProgramSettings &settings)
{
    if (settings.EnableExtFilter == 0)
        return {};
    return fieldSplit(toLowerBytes(settings.FilterExts), ',');
}

void runFirstRunCheck(SettingsStore &store, const std::function<void()> &openHelp)
{
    const std::uint32_t firstRun = store.readNumber(kGroup, "FirstRun").value_or(1);
    if (firstRun == 0)
        return;
    store.writeNumber(kGroup, "FirstRun", 0);
    store.sync();
    // Offered even when the marker could not be saved: the user still gets help.
    if (openHelp)
        openHelp();
}
