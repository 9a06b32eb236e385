#include "converter/progressreader.h"

#include <QCoreApplication>

#include "converter/linesplitter.h"
#include "converter/outputparsers.h"
#include "converter/progressdisplay.h"

#include <algorithm>
#include <limits>

namespace {

std::string_view fileNamePart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Seconds in units of 1/2000 s, cut toward zero. A negative time counts as 0
// and a huge one saturates rather than wrapping.
std::uint64_t timeUnits(double seconds)
{
    const double units = seconds * 2000.0;
    if (!(units > 0.0))
        return 0;
    if (units >= 18446744073709551615.0)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(units);
}

} // namespace

ProgressReader::ProgressReader(ProgressDisplay &display, int durationSeconds, std::string_view sourcePath)
    : m_display(display)
    , m_duration(durationSeconds > 0 ? static_cast<std::uint64_t>(durationSeconds) : 0)
    , m_name(fileNamePart(sourcePath))
{
}

std::string ProgressReader::percentText(std::string_view name, int percent)
{
    // The window splits the percentage off the end again when it shows several lines.
    // The name goes in as its bytes, which need not be UTF-8.
    std::string text = QCoreApplication::translate("ProgressReader", "Converting %1...%2%").toStdString();
    if (const auto at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, std::to_string(percent));
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

void ProgressReader::begin()
{
    m_display.setUpperPermille(0);
}

void ProgressReader::takeRead(std::string_view data, LineSplitter &lines)
{
    if (data.empty())
        return;
    if (m_duration == 0) {
        m_display.stepUpper(1);
        return;
    }
    lines.split(data, [this](std::string_view line) { takeLine(line); });
}

void ProgressReader::takeLine(std::string_view line)
{
    if (m_duration == 0)
        return;
    const std::optional<double> seconds = parseProgressTime(line);
    if (!seconds)
        return;
    const std::uint64_t time = timeUnits(*seconds);
    m_lastTime = time;

    const int percent = static_cast<int>(std::min<std::uint64_t>(time / (20 * m_duration), 100));
    if (percent > m_lastPercent) {
        m_display.setUpperText(percentText(m_name, percent));
        m_lastPercent = percent;
    }
    // Held at the end: a time past the duration must not leave the range.
    const int permille = static_cast<int>(std::min<std::uint64_t>(time / (2 * m_duration), 1000));
    if (permille > m_lastPermille) {
        m_display.setUpperPermille(permille);
        m_lastPermille = permille;
    }
}

int ProgressReader::finish()
{
    if (m_duration == 0)
        return 1;
    if (m_lastTime == 0)
        return 0;
    if (m_lastPercent != 100) {
        m_display.setUpperText(percentText(m_name, 100));
        m_lastPercent = 100;
    }
    if (m_lastPermille < 1000) {
        m_display.setUpperPermille(1000);
        m_lastPermille = 1000;
    }
    return 1;
}
