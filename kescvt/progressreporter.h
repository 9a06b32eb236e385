// Progress lines of a run with "-@", for example "|Time>>> 12.48": the marker at the first
// character, one blank, the output time reached in seconds. Printed a few times a second of
// wall time, never going back, and once more with the full time at the end.
#pragma once

#include <cstdint>
#include <string>

namespace kescvt {

class ProgressReporter {
public:
    explicit ProgressReporter(bool enabled);

    void update(double seconds);
    void finish(double seconds);

    static std::string lineFor(double seconds);
    static constexpr int64_t intervalNanoseconds = 200'000'000;

private:
    void print(double seconds);

    bool m_enabled;
    int64_t m_lastPrint = 0;
    double m_lastSeconds = 0.0;
};

} // namespace kescvt
