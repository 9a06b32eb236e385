#include "formats/generaloptionsrules.h"

#include <array>

#include "formats/filtertext.h"

namespace {

constexpr std::array<ChoiceRow, 2> kOutputFolderRows{{
    {"Same as original file", kSameAsOriginal},
    {"A custom folder", kCustomFolder},
}};

constexpr std::array<ChoiceRow, 3> kTargetExistsRows{{
    {"Auto rename (add number at end of file name)", kAutoRename},
    {"Overwrite", 22},
    {"Skip (not convert)", 33},
}};

// The stored custom folder is read back into 260 bytes with the NUL: a longer
// one would be dropped at the next start, so the page takes no longer one.
constexpr size_t kPathBuffer = 260;

} // namespace

GeneralOptions generalOptionsFrom(const ProgramSettings &settings)
{
    GeneralOptions options;
    options.DestOutputFolderOpt = settings.DestOutputFolderOpt;
    options.DestSpecifiedFolder = settings.DestSpecifiedFolder;
    options.CreateDirs = settings.CreateDirs;
    options.BrowseOutputFolder = settings.BrowseOutputFolder;
    options.OutputFiles2MyDocuments = settings.OutputFiles2MyDocuments;
    options.TargetExistsOpt = settings.TargetExistsOpt;
    options.EnableExtFilter = settings.EnableExtFilter;
    options.FilterExts = settings.FilterExts;
    options.SimultaneousConversions = settings.SimultaneousConversions;
    return options;
}

void copyGeneralOptions(const GeneralOptions &options, ProgramSettings &settings)
{
    settings.DestOutputFolderOpt = options.DestOutputFolderOpt;
    settings.DestSpecifiedFolder = options.DestSpecifiedFolder;
    settings.CreateDirs = options.CreateDirs;
    settings.BrowseOutputFolder = options.BrowseOutputFolder;
    settings.OutputFiles2MyDocuments = options.OutputFiles2MyDocuments;
    settings.TargetExistsOpt = options.TargetExistsOpt;
    settings.EnableExtFilter = options.EnableExtFilter;
    settings.FilterExts = options.FilterExts;
    settings.SimultaneousConversions = options.SimultaneousConversions;
}

std::span<const ChoiceRow> outputFolderRows()
{
    return kOutputFolderRows;
}

std::span<const ChoiceRow> targetExistsRows()
{
    return kTargetExistsRows;
}

int rowOfCode(std::span<const ChoiceRow> rows, int code)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].code == code)
            return static_cast<int>(i);
    }
    return -1;
}

const char *generalLeaveMessage(GeneralLeaveCheck check)
{
    switch (check) {
    case GeneralLeaveCheck::NeedOutputFolder:
        return "Please choose an output folder.";
    case GeneralLeaveCheck::NeedExtensions:
        return "Please enter file extensions you need to filter.";
    case GeneralLeaveCheck::FolderTooLong:
        return "The custom folder is too long: it may hold at most 259 bytes.";
    case GeneralLeaveCheck::Ok:
        break;
    }
    return "";
}

GeneralLeaveCheck checkGeneralLeaving(GeneralOptions &options, int targetExistsCode)
{
    if (options.DestOutputFolderOpt == kCustomFolder && options.DestSpecifiedFolder.empty())
        return GeneralLeaveCheck::NeedOutputFolder;
    if (options.DestOutputFolderOpt == kCustomFolder && options.DestSpecifiedFolder.size() >= kPathBuffer)
        return GeneralLeaveCheck::FolderTooLong;
    std::string filter = normaliseFilterText(options.FilterExts);
    if (options.EnableExtFilter != 0 && filter.empty())
        return GeneralLeaveCheck::NeedExtensions;
    options.TargetExistsOpt = targetExistsCode;
    options.FilterExts = std::move(filter);
    return GeneralLeaveCheck::Ok;
}

std::string chooserStartFolder(const std::string &customFolder)
{
    std::string start = customFolder;
    while (start.size() > 1 && start.back() == '/')
        start.pop_back();
    return start;
}

std::string customFolderFromChoice(const std::string &picked)
{
    if (picked.empty())
        return {};
    std::string folder = picked;
    if (folder.back() != '/')
        folder.push_back('/');
    if (folder.size() >= kPathBuffer)
        return {};
    return folder;
}
