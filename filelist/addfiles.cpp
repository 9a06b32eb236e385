#include "filelist/addfiles.h"

#include <cstdio>

#include "filelist/addingprogress.h"

namespace {
constexpr int kListedFailures = 10;
}

std::string addFilesWithProgress(const std::vector<std::string> &pending, AddingProgress &progress,
                                 const ProbeAndAddFn &probeAndAdd)
{
    const int count = static_cast<int>(pending.size());
    progress.startBar(count);
    progress.pumpMessages();

    std::string failures;
    int failureCount = 0;
    for (int n = 1; n <= count; ++n) {
        char text[64];
        std::snprintf(text, sizeof text, "Adding file %d of %d...", n, count);
        progress.setText(text);
        progress.stepBar();

        const std::string &path = pending[static_cast<size_t>(n - 1)];
        if (probeAndAdd(path) == -1) {
            if (failureCount < kListedFailures)
                failures += path + "\n";
            else if (failureCount == kListedFailures)
                failures += "<more files>...\n";
            ++failureCount;
        }
        progress.pumpMessages();
        if (progress.cancelRequested())
            break;
    }
    return failures;
}

std::string failedFilesMessage(const std::string &failureText)
{
    return "Failed to load the following files.\n\n" + failureText;
}
