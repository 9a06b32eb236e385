// kescvt: the converter tool Sonavert runs for every probe and every conversion.
//
//   kescvt -i INPUT
//       prints "Duration:" and "Stream #" lines about INPUT.
//   kescvt -@ -i INPUT -y [-f CONTAINER] -vn [-acodec CODEC] -ar RATE [-ab RATEk] [-ac N]
//          [-vol V] [-threads N] [-loudness 1|2 [-target LUFS] [-track-loudness L,P] [-album-loudness L,P]]
//          OUTPUT
//       converts the best audio stream of INPUT into OUTPUT, printing "|Time>>> T" lines;
//       -loudness adds loudness tags (1) or normalises the audio to the target and tags it (2).
//   kescvt -measure -i INPUT
//       decodes INPUT and prints "Loudness:", "Blocks:", "Album:" and "AlbumArtist:" lines.
//   kescvt --probe-stdin
//       probes each NUL-ended name read on standard input as "kescvt -i NAME" would, each
//       answer followed by an end record with its exit status (see probeservice.h).
//
// INPUT may be written "DS:\\PATH". Exit statuses: 0 done, 1 bad command line, 2 input
// cannot be read, 3 codec/container/value not supported, 4 output cannot be written,
// 5 interrupted. A failed conversion removes what it wrote of OUTPUT. The tool also stops
// (status 5) when the program that started it goes away, and refuses an input whose
// opening takes longer than probeSeconds (status 2).

#include "console.h"
#include "inputfile.h"
#include "interruption.h"
#include "loudnessmeter.h"
#include "probereport.h"
#include "probeservice.h"
#include "toolerror.h"
#include "tooloptions.h"
#include "transcoder.h"
#include "usage.h"

#include <cstring>
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

int measure(const kescvt::ToolOptions &options)
{
    kescvt::printLoudnessReport(options.input);
    return kescvt::ExitOk;
}

int convert(const kescvt::ToolOptions &options)
{
    kescvt::Transcoder transcoder(options);
    transcoder.run();
    return kescvt::ExitOk;
}

// One run of the command line; the probe service runs every file through here too, so
// each answer and its safeguards are those of "kescvt -i".
int run(int argc, char **argv)
{
    try {
        const kescvt::ToolOptions options = kescvt::parseToolOptions(argc, argv);
        kescvt::endAtOnceOnStop(options.output);
        kescvt::startProbeDeadline(probeSeconds);
        if (options.measure)
            return measure(options);
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

} // namespace

int main(int argc, char **argv)
{
    av_log_set_level(AV_LOG_QUIET);
    kescvt::limitAllocations();
    kescvt::installInterruptionHandlers();
    if (kescvt::answerInformationRequest(argc, argv))
        return kescvt::ExitOk;
    if (argc < 2) {
        kescvt::printError("usage: kescvt -i INPUT | kescvt -@ -i INPUT -y [options] OUTPUT");
        return kescvt::ExitUsage;
    }
    if (argc == 2 && std::strcmp(argv[1], kescvt::probeServiceOption) == 0) {
        return kescvt::serveProbes([argv](const std::string &name) {
            std::string input = name;
            char dashI[] = "-i";
            char *args[] = {argv[0], dashI, input.data(), nullptr};
            return run(3, args);
        });
    }
    return run(argc, argv);
}
