#pragma once

#include <span>
#include <string>

#include "formats/programsettings.h"

// The program settings that the General options page edits, as the page
// holds them. A fresh page holds the values below; the Options command then
// overwrites them from the main window.
struct GeneralOptions {
    std::string DestSpecifiedFolder;
    int CreateDirs = 0;
    int BrowseOutputFolder = 1;
    int OutputFiles2MyDocuments = 1;
    std::string FilterExts;
    int EnableExtFilter = 0;
    int DestOutputFolderOpt = 199;
    int TargetExistsOpt = 11;
    int SimultaneousConversions = 0;

    bool operator==(const GeneralOptions &) const = default;
};

GeneralOptions generalOptionsFrom(const ProgramSettings &settings);
// Copies the eight settings back; every other setting stays as it is.
void copyGeneralOptions(const GeneralOptions &options, ProgramSettings &settings);

// One row of the page's two lists: its text and the code stored for it.
struct ChoiceRow {
    const char *text;
    int code;
};

constexpr int kSameAsOriginal = 199;
constexpr int kCustomFolder = 399;
constexpr int kAutoRename = 11;

// "Same as original file" (199), "A custom folder" (399).
std::span<const ChoiceRow> outputFolderRows();
// "Auto rename ..." (11), "Overwrite" (22), "Skip (not convert)" (33).
std::span<const ChoiceRow> targetExistsRows();
// The row showing code, or -1 when no row has it.
int rowOfCode(std::span<const ChoiceRow> rows, int code);

// Outcome of the checks made when the General page is about to be left.
enum class GeneralLeaveCheck {
    Ok,
    NeedOutputFolder,   // a custom folder is chosen but none is given
    NeedExtensions,     // the filter is on but its text holds no extension
    FolderTooLong,      // the custom folder would not be read back (259 bytes at most)
};

// The message shown for a refused check ("" for Ok).
const char *generalLeaveMessage(GeneralLeaveCheck check);

// Runs the leaving checks over options whose folder choice and filter text were
// just read from the controls, with targetExistsCode the code of the selected
// row of the existing-target list. On Ok the filter text is replaced by its
// normalised form and the policy by targetExistsCode; on a refusal the filter
// text and the policy are left as they were.
GeneralLeaveCheck checkGeneralLeaving(GeneralOptions &options, int targetExistsCode);

// The folder at which the folder chooser starts: the custom folder without its
// trailing "/" (the root itself stays "/").
std::string chooserStartFolder(const std::string &customFolder);

// The custom folder made of a picked folder: the path with a "/" at its end.
// Empty when nothing usable was picked (empty, or more than the 259 bytes that
// are read back at the next start), in which case the custom folder stays as
// it was.
std::string customFolderFromChoice(const std::string &picked);
