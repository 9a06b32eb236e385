// The one error type of the tool: a message for the user and the exit status it ends with.
#pragma once

#include <stdexcept>
#include <string>

namespace kescvt {

// Exit statuses, documented in main.cpp's usage text.
enum ExitStatus : int {
    ExitOk = 0,
    ExitUsage = 1,       // unknown option, missing or malformed value
    ExitInput = 2,       // input missing, unreadable, not media, no usable stream
    ExitUnsupported = 3, // codec, container or value the tool cannot produce
    ExitOutput = 4,      // output cannot be created or written
    ExitInterrupted = 5, // stopped by a signal
};

class ToolError : public std::runtime_error {
public:
    ToolError(ExitStatus status, const std::string &message)
        : std::runtime_error(message), m_status(status)
    {
    }
    ExitStatus status() const { return m_status; }

private:
    ExitStatus m_status;
};

} // namespace kescvt
