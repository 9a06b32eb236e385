// kescvt: the converter tool Sonavert runs for every probe and every conversion.
//
//   kescvt -i INPUT
//       prints "Duration:" and "Stream #" lines about INPUT.
//   kescvt -@ -i INPUT -y [-f CONTAINER] -vn [-acodec CODEC] -ar RATE [-ab RATEk] [-ac N]
//          [-vol V] [-threads N] OUTPUT
//       converts the best audio stream of INPUT into OUTPUT, printing "|Time>>> T" lines.
//
// INPUT may be written "DS:\\PATH". Exit statuses: 0 done, 1 bad command line, 2 input
// cannot be read, 3 codec/container/value not supported, 4 output cannot be written,
// 5 interrupted. A failed conversion removes what it wrote of OUTPUT. The tool also stops
// (status 5) when the program that started it goes away, and refuses an input whose
// opening takes longer than probeSeconds (status 2).

#include "console.h"
#include "inputfile.h"
#include "interruption.h"
#include "probereport.h"
#include "toolerror.h"
#include "tooloptions.h"
#include "transcoder.h"

#include <new>

namespace {

constexpr unsigned probeSeconds = 15;

int probe(const kescvt::ToolOptions &options)
{
    kescvt::InputFile input(options.input);
    kescvt::stopProbeDeadline();
    if (kescvt::printProbeReport(input.context()) == 0)
        throw kescvt::ToolError(kescvt::ExitInput,
                                "no audio or video stream in " + kescvt::printable(options.input));
    return kescvt::ExitOk;
}

int convert(const kescvt::ToolOptions &options)
{
    kescvt::Transcoder transcoder(options);
    transcoder.run();
    return kescvt::ExitOk;
}

} // namespace

int main(int argc, char **argv)
{
    av_log_set_level(AV_LOG_QUIET);
    kescvt::limitAllocations();
    kescvt::installInterruptionHandlers();
    if (argc < 2) {
        kescvt::printError("usage: kescvt -i INPUT | kescvt -@ -i INPUT -y [options] OUTPUT");
        return kescvt::ExitUsage;
    }
    try {
        const kescvt::ToolOptions options = kescvt::parseToolOptions(argc, argv);
        kescvt::endAtOnceOnStop(options.output);
        kescvt::startProbeDeadline(probeSeconds);
        return options.output.empty() ? probe(options) : convert(options);
    } catch (const kescvt::ToolError &error) {
        if (error.status() == kescvt::ExitInterrupted)
            kescvt::removePreparedTarget();
        kescvt::printError(error.what());
        return error.status();
    } catch (const std::bad_alloc &) {
        kescvt::printError("out of memory");
        return kescvt::ExitOutput;
    }
}
