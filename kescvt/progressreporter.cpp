#include "progressreporter.h"

#include "console.h"

#include <cstdio>
#include <ctime>

namespace kescvt {

namespace {

int64_t monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

ProgressReporter::ProgressReporter(bool enabled)
    : m_enabled(enabled), m_lastPrint(monotonicNanoseconds())
{
}

std::string ProgressReporter::lineFor(double seconds)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "|Time>>> %.2f", seconds);
    return buffer;
}

void ProgressReporter::print(double seconds)
{
    if (seconds < m_lastSeconds)
        seconds = m_lastSeconds;
    m_lastSeconds = seconds;
    printLine(lineFor(seconds));
}

void ProgressReporter::update(double seconds)
{
    if (!m_enabled)
        return;
    const int64_t now = monotonicNanoseconds();
    if (now - m_lastPrint < intervalNanoseconds)
        return;
    m_lastPrint = now;
    print(seconds);
}

void ProgressReporter::finish(double seconds)
{
    if (m_enabled)
        print(seconds);
}

} // namespace kescvt
