#pragma once

#include "scratchfolder.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// The runs of the fake converter tool, read back from its log.
inline std::vector<std::vector<std::string>> fakeRuns(const std::string &logPath)
{
    std::vector<std::vector<std::string>> runs;
    std::istringstream in(readFile(logPath));
    std::size_t count = 0;
    while (in >> count) {
        std::vector<std::string> args;
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t length = 0;
            in >> length;
            in.get();
            std::string arg(length, '\0');
            in.read(arg.data(), static_cast<std::streamsize>(length));
            args.push_back(arg);
        }
        runs.push_back(args);
    }
    return runs;
}

// Points the fake tool's log into a scratch folder for the life of the object.
class FakeToolLog {
public:
    explicit FakeToolLog(const ScratchFolder &dir) : m_path(dir / "fake.log")
    {
        ::setenv("SNVT_FAKE_LOG", m_path.c_str(), 1);
    }
    ~FakeToolLog() { ::unsetenv("SNVT_FAKE_LOG"); }
    std::vector<std::vector<std::string>> runs() const { return fakeRuns(m_path); }

private:
    std::string m_path;
};
