#include "options/generaloptionsrules.h"

#include <QtGlobal>

#include <array>

#include "options/filtertext.h"

namespace {

constexpr std::array<ChoiceRow<OutputFolder>, 2> kOutputFolderRows{{
    {QT_TRANSLATE_NOOP("Options", "Same as original file"), OutputFolder::SameAsOriginal},
    {QT_TRANSLATE_NOOP("Options", "A custom folder"), OutputFolder::Custom},
}};

constexpr std::array<ChoiceRow<TargetExists>, 3> kTargetExistsRows{{
    {QT_TRANSLATE_NOOP("Options", "Auto rename (add number at end of file name)"), TargetExists::AutoRename},
    {QT_TRANSLATE_NOOP("Options", "Overwrite"), TargetExists::Overwrite},
    {QT_TRANSLATE_NOOP("Options", "Skip (not convert)"), TargetExists::Skip},
}};

// The stored custom folder is read back into 260 bytes with the NUL: a longer
// one would be dropped at the next start, so the page takes no longer one.
constexpr size_t kPathBuffer = 260;

} // namespace

GeneralOptions generalOptionsFrom(const ProgramSettings &settings)
{
    return settings;
}

void copyGeneralOptions(const GeneralOptions &options, ProgramSettings &settings)
{
    static_cast<GeneralOptions &>(settings) = options;
}

std::span<const ChoiceRow<OutputFolder>> outputFolderRows()
{
    return kOutputFolderRows;
}

std::span<const ChoiceRow<TargetExists>> targetExistsRows()
{
    return kTargetExistsRows;
}

const char *generalLeaveMessage(GeneralLeaveCheck check)
{
    switch (check) {
    case GeneralLeaveCheck::NeedOutputFolder:
        return QT_TRANSLATE_NOOP("Options", "Please choose an output folder.");
    case GeneralLeaveCheck::NeedExtensions:
        return QT_TRANSLATE_NOOP("Options", "Please enter file extensions you need to filter.");
    case GeneralLeaveCheck::FolderTooLong:
        return QT_TRANSLATE_NOOP("Options", "The custom folder is too long: it may hold at most 259 bytes.");
    case GeneralLeaveCheck::Ok:
        break;
    }
    return "";
}

GeneralLeaveCheck checkGeneralLeaving(GeneralOptions &options, TargetExists targetExists)
{
    if (options.DestOutputFolderOpt == OutputFolder::Custom && options.DestSpecifiedFolder.empty())
        return GeneralLeaveCheck::NeedOutputFolder;
    if (options.DestOutputFolderOpt == OutputFolder::Custom && options.DestSpecifiedFolder.size() >= kPathBuffer)
        return GeneralLeaveCheck::FolderTooLong;
    std::string filter = normaliseFilterText(options.FilterExts);
    if (options.EnableExtFilter != 0 && filter.empty())
        return GeneralLeaveCheck::NeedExtensions;
    options.TargetExistsOpt = targetExists;
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
