#include "converter/failurereason.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include <string.h>

namespace {

std::string sentence(std::string text)
{
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

} // namespace

std::string runFailureReason(const RunReport &report)
{
    switch (report.outcome) {
    case RunOutcome::FailedToStart:
        return sentence("The converter could not be started: "
                        + std::string(std::strerror(report.startError ? report.startError : ENOENT)));
    case RunOutcome::Cancelled:
        return "Cancelled.";
    case RunOutcome::TimedOut:
        return "The converter did not answer in time and was stopped.";
    case RunOutcome::Signalled:
        return "The converter was stopped by signal " + std::to_string(report.signal) + " ("
               + std::string(::strsignal(report.signal)) + ").";
    case RunOutcome::Exited:
        break;
    }
    if (!report.errorLine.empty()) {
        std::string words = report.errorLine;
        words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
        return sentence(words);
    }
    // The tool's documented exit statuses.
    switch (report.exitCode) {
    case 0:
        return "The converter ended without a usable result.";
    case 1:
        return "The converter did not accept its command line (exit status 1).";
    case 2:
        return "The source cannot be read as audio or video (exit status 2).";
    case 3:
        return "The chosen format or setting is not supported (exit status 3).";
    case 4:
        return "The output file cannot be created or written (exit status 4).";
    case 5:
        return "The converter was interrupted (exit status 5).";
    default:
        return "The converter failed with exit status " + std::to_string(report.exitCode) + ".";
    }
}
