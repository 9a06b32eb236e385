// Arbitrary converter output, cut into reads at arbitrary points, goes through
// the line splitter, the probe reader and the progress reader without a crash;
// the progress display only ever moves forward and stays inside its range.
#include "converter/linesplitter.h"
#include "converter/probereader.h"
#include "converter/progressdisplay.h"
#include "converter/progressreader.h"
#include "filelist/mediaitem.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class CheckingDisplay : public ProgressDisplay {
public:
    void setUpperText(const std::string &) override {}
    void setUpperRange(int minimum, int maximum) override
    {
        if (minimum != 0 || maximum != width)
            std::abort();
    }
    void setUpperPosition(int position) override
    {
        if (position < 0 || position > width || (position != 0 && position <= last))
            std::abort();
        last = position;
    }
    void stepUpper() override {}
    int upperBarWidth() const override { return width; }
    bool cancelRequested() const override { return false; }
    void pumpMessages() override {}

    int width = 0;
    int last = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    // The first bytes choose the source's length, the bar's width and the read size.
    const int duration = data[0] * 37;
    const std::size_t readSize = 1 + data[2] % 64;
    CheckingDisplay display;
    display.width = data[1];
    const std::string_view text(reinterpret_cast<const char *>(data + 3), size - 3);

    MediaItem item;
    ProbeReader probe(item);
    LineSplitter probeLines;
    ProgressReader progress(display, duration, "/in/a.wav");
    LineSplitter progressLines;
    progress.begin();
    for (std::size_t pos = 0; pos < text.size(); pos += readSize) {
        const std::string_view chunk = text.substr(pos, readSize);
        probeLines.split(chunk, [&](std::string_view line) { probe.takeLine(line); });
        progress.takeRead(chunk, progressLines);
    }
    (void)probe.verdict();
    (void)progress.finish();
    if (progress.lastPercent() < 0 || progress.lastPercent() > 100)
        std::abort();
    return 0;
}
