// Arbitrary converter output, cut into reads of arbitrary sizes, goes through
// the line splitter, the probe reader and the progress reader without a crash;
// the progress display only ever moves forward and stays inside its range.
// Cutting the same output at other places (never inside a run of line breaks,
// where the cut itself changes the lines) gives the same lines, the same media
// item and the same progress, verdicts included.
#include "converter/linesplitter.h"
#include "converter/probereader.h"
#include "converter/progressdisplay.h"
#include "converter/progressreader.h"
#include "core/mediaitem.h"

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class CheckingDisplay : public ProgressDisplay {
public:
    void setUpperText(const std::string &text) override
    {
        // "Converting <name>...<n>%", n growing.
        const std::size_t dots = text.rfind("...");
        check(text.starts_with("Converting ") && dots != std::string::npos && text.ends_with("%"));
        const int percent = std::atoi(text.c_str() + dots + 3);
        check(percent > m_lastPercent && percent <= 100);
        m_lastPercent = percent;
        log.push_back("text " + text);
    }
    void setUpperPermille(int permille) override
    {
        check(permille >= 0 && permille <= 1000 && (permille == 0 || permille > m_lastPermille));
        m_lastPermille = permille;
        log.push_back("permille " + std::to_string(permille));
    }
    void stepUpper(long count) override { steps += static_cast<int>(count); }
    int lastPercent() const { return m_lastPercent; }

    std::vector<std::string> log;
    int steps = 0;

private:
    int m_lastPercent = 0;
    int m_lastPermille = 0;
};

struct Outcome {
    std::vector<std::string> lines;
    std::string carried;
    MediaItem item;
    int probeVerdict = 0;
    std::vector<std::string> display;
    int reads = 0;
    int steps = 0;
    int lastPercent = 0;
    int progressVerdict = 0;
};

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Feeds text in reads that end at the given cut positions.
Outcome run(std::string_view text, const std::vector<std::size_t> &cuts, int duration)
{
    Outcome out;
    ProbeReader probe(out.item);
    LineSplitter probeLines;
    CheckingDisplay display;
    ProgressReader progress(display, duration, "/in/a.wav");
    LineSplitter progressLines;
    progress.begin();
    std::size_t start = 0;
    for (std::size_t cut : cuts) {
        const std::string_view chunk = text.substr(start, cut - start);
        start = cut;
        ++out.reads;
        probeLines.split(chunk, [&](std::string_view line) {
            out.lines.emplace_back(line);
            probe.takeLine(line);
        });
        progress.takeRead(chunk, progressLines);
        if (duration > 0)
            check(progressLines.carried() == probeLines.carried());
    }
    out.carried = probeLines.carried();
    out.probeVerdict = probe.verdict();
    out.progressVerdict = progress.finish();
    out.lastPercent = display.lastPercent();
    out.display = display.log;
    out.steps = display.steps;
    check(out.lastPercent >= 0 && out.lastPercent <= 100);
    if (duration > 0)
        check(out.progressVerdict == 0 || out.lastPercent == 100);
    else
        check(out.progressVerdict == 1 && out.steps == out.reads);
    return out;
}

// Read ends chosen by the generator: anywhere when anywhere is set, otherwise
// never between two break characters.
std::vector<std::size_t> cutsFor(std::string_view text, std::mt19937 &random, bool anywhere)
{
    std::vector<std::size_t> cuts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos + 1 + random() % 48;
        if (next >= text.size()) {
            cuts.push_back(text.size());
            break;
        }
        if (!anywhere) {
            while (next < text.size() && isBreak(text[next - 1]) && isBreak(text[next]))
                ++next;
        }
        cuts.push_back(next);
        pos = next;
    }
    return cuts;
}

bool sameItem(const MediaItem &a, const MediaItem &b)
{
    return a.durationSeconds == b.durationSeconds && a.videoWidth == b.videoWidth && a.videoHeight == b.videoHeight
        && a.frameRate == b.frameRate && a.sampleRate == b.sampleRate && a.audioChannels == b.audioChannels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // The first bytes choose the source's length and the cuts; the second is not
    // used, so that the seeds keep their meaning.
    const int duration = data[0] * 37;
    std::mt19937 random(data[2] | (data[3] << 8));
    const std::string_view text(reinterpret_cast<const char *>(data + 4), size - 4);

    (void)run(text, cutsFor(text, random, true), duration);

    const Outcome whole = run(text, text.empty() ? std::vector<std::size_t>{} : std::vector<std::size_t>{text.size()},
                              duration);
    const Outcome cut = run(text, cutsFor(text, random, false), duration);
    check(cut.lines == whole.lines);
    check(cut.carried == whole.carried);
    check(sameItem(cut.item, whole.item) && cut.probeVerdict == whole.probeVerdict);
    if (duration > 0) {
        check(cut.display == whole.display);
        check(cut.lastPercent == whole.lastPercent && cut.progressVerdict == whole.progressVerdict);
    }
    return 0;
}
