#pragma once

#include <functional>
#include <string>
#include <vector>

class SettingsStore;

// The two choices of the General options page. Each enumerator's number is the
// number stored for it. A stored number that is neither is kept as it is, so
// that saving does not change it, and acts as the first choice.
enum class OutputFolder : int {
    SameAsOriginal = 199,
    Custom = 399,
};
enum class TargetExists : int {
    AutoRename = 11,
    Overwrite = 22,
    Skip = 33,
};

// The settings that the General options page edits. Field names are the
// stored value names.
struct GeneralOptions {
    std::string DestSpecifiedFolder;
    int CreateDirs = 0;
    int BrowseOutputFolder = 1;
    int OutputFiles2MyDocuments = 1;
    std::string FilterExts;
    int EnableExtFilter = 0;
    OutputFolder DestOutputFolderOpt = OutputFolder::SameAsOriginal;
    TargetExists TargetExistsOpt = TargetExists::AutoRename;
    int SimultaneousConversions = 0;    // 0 Auto (one per processor core), 1..16
    int Loudness = 0;                   // 0 off, 1 loudness tags, 2 normalised audio (and tags)
    int LoudnessTarget = -18;           // LUFS, -31..-5, for normalising
    int LoudnessAlbum = 0;              // 1: normalise by the album's gain

    bool operator==(const GeneralOptions &) const = default;
};

// The program settings kept under "Options". Field names are the stored value names.
struct ProgramSettings : GeneralOptions {
    int OutputFormat = 0;
    int OptStartPageIndex = 0;
    std::string Folder;                 // last "Add Folder" choice, with a trailing "/"
    int KeepOrgVideoAspect = 1;
    std::string FilesFolder;            // folder of the last "Add Files" choice, with a trailing "/"
};

constexpr int kMaxSimultaneousConversions = 16;
// How many conversions run at once for the stored value: Auto (0, or anything
// out of range) gives the number of processor cores, held to 1..16.
int simultaneousConversions(int stored);

enum SettingsGroup : unsigned {
    FolderGroup = 4,
    OptionsGroup = 8,
    ClosingGroup = 16,
    FilesFolderGroup = 32,
};

// Defaults before anything is read: with a documents folder the custom folder is
// that folder and the choice is Custom, otherwise the custom folder is empty and
// the choice SameAsOriginal.
ProgramSettings defaultProgramSettings(const std::string &documentsFolder /* empty: none */);

// Reads every stored setting over the values in settings (OutputFormat is never read).
void readProgramSettings(SettingsStore &store, ProgramSettings &settings);
// Writes the groups asked for, in the order closing, folder, options, files folder.
void writeProgramSettings(SettingsStore &store, const ProgramSettings &settings, unsigned groups);

// The extension filter list: empty when EnableExtFilter is 0, else FilterExts
// lower-cased and split at every "," (empty pieces kept).
std::vector<std::string> buildExtensionFilterList(const ProgramSettings &settings);

// Reads FirstRun (1 when missing), writes 0 when it was not 0, and calls openHelp
// when it was not 0 (also when the store cannot be written).
void runFirstRunCheck(SettingsStore &store, const std::function<void()> &openHelp);
