#include "probeservice.h"

#include "console.h"
#include "interruption.h"
#include "toolerror.h"

#include <cstdio>
#include <cstdlib>

namespace kescvt {

std::string probeEndRecord(int status)
{
    return std::string(1, '\0') + "exit " + std::to_string(status);
}

int serveProbes(const std::function<int(const std::string &name)> &probe)
{
    // Our standard input carries the names now; its end is the end of work, not the
    // program going away (the parent-death signal still tells that).
    stopWatchingStdin();
    endAtOnceOnStop({});
    struct Line {
        char *bytes = nullptr;
        size_t capacity = 0;
        ~Line() { std::free(bytes); }
    } line;
    for (;;) {
        const ssize_t got = ::getdelim(&line.bytes, &line.capacity, '\0', stdin);
        // A name cut off by the end of input was never finished by its writer.
        if (got <= 0 || line.bytes[got - 1] != '\0')
            return ExitOk;
        const int status = probe(std::string(line.bytes, static_cast<size_t>(got - 1)));
        stopProbeDeadline();
        printLine(probeEndRecord(status));
        if (interruptionRequested())
            return ExitInterrupted;
    }
}

} // namespace kescvt
