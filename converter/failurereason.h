#pragma once

#include <string>

#include <QString>

#include "converter/runreport.h"

// A failed run of the converter in plain words, for the row's tooltip and the
// summary after a batch: the tool's own error line when it gave one, otherwise
// what its exit status or its end means.
std::string runFailureReason(const RunReport &report);

// A reason as the window shows it, in the user's language: each line that is
// one of the known reasons (the tool's own words included) is translated, any
// other line is shown as it is. English comes back unchanged.
QString displayedFailureReason(const std::string &reason);

// The same for any text the core keeps in English (a row's status, a progress
// line, a summary), already decoded for display.
QString displayedText(const QString &text);

// True when the tool itself could not be run (missing, not executable): the
// same for every file, so it is reported once.
inline bool toolCouldNotStart(const RunReport &report)
{
    return report.outcome == RunOutcome::FailedToStart;
}
