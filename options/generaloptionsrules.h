#pragma once

#include <span>
#include <string>

#include "options/programsettings.h"

// A fresh page holds GeneralOptions' own defaults; the Options command then
// overwrites them from the main window.
GeneralOptions generalOptionsFrom(const ProgramSettings &settings);
// Copies the eight settings back; every other setting stays as it is.
void copyGeneralOptions(const GeneralOptions &options, ProgramSettings &settings);

// One row of the page's two lists: its text and its choice.
template <typename Choice>
struct ChoiceRow {
    const char *text;
    Choice choice;
};

// "Same as original file", "A custom folder".
std::span<const ChoiceRow<OutputFolder>> outputFolderRows();
// "Auto rename ...", "Overwrite", "Skip (not convert)".
std::span<const ChoiceRow<TargetExists>> targetExistsRows();

// The row showing choice, or -1 when no row has it.
template <typename Choice>
int rowOfChoice(std::span<const ChoiceRow<Choice>> rows, Choice choice)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].choice == choice)
            return static_cast<int>(i);
    }
    return -1;
}

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
// just read from the controls, with targetExists the choice selected in the
// existing-target list. On Ok the filter text is replaced by its normalised
// form and the policy by targetExists; on a refusal the filter text and the
// policy are left as they were.
GeneralLeaveCheck checkGeneralLeaving(GeneralOptions &options, TargetExists targetExists);

// The folder at which the folder chooser starts: the custom folder without its
// trailing "/" (the root itself stays "/").
std::string chooserStartFolder(const std::string &customFolder);

// The custom folder made of a picked folder: the path with a "/" at its end.
// Empty when nothing usable was picked (empty, or more than the 259 bytes that
// are read back at the next start), in which case the custom folder stays as
// it was.
std::string customFolderFromChoice(const std::string &picked);
