// A stand-in for the converter tool, driven by the content of the file it is
// given. Each line of that file is printed by a probe; a line prefixed "ds|"
// only in the "DS:\\" form, "plain|" only in the plain form. Lines prefixed
// "conv|" steer a conversion: "conv|fail" writes a partial output and fails,
// "conv|empty" leaves the output empty, "conv|hang" reports progress and then
// waits to be killed, "conv|squat" puts a file of its own under the final name
// that the hidden ".STEM.snvtmp-XXXXXX.EXT" output stands for. Every run appends its arguments to $SNVT_FAKE_LOG as a
// count line followed by each argument's length line and bytes.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

void logRun(int argc, char **argv)
{
    const char *logPath = std::getenv("SNVT_FAKE_LOG");
    if (!logPath)
        return;
    std::ofstream log(logPath, std::ios::binary | std::ios::app);
    log << argc - 1 << '\n';
    for (int i = 1; i < argc; ++i)
        log << std::strlen(argv[i]) << '\n' << argv[i];
}

bool readAll(const std::string &path, std::string &content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::vector<std::string> lines(const std::string &content)
{
    std::vector<std::string> result;
    std::istringstream in(content);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

bool startsWith(const std::string &s, const char *prefix)
{
    return s.rfind(prefix, 0) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    logRun(argc, argv);
    bool conversion = false;
    std::string input;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-@") == 0)
            conversion = true;
        if (std::strcmp(argv[i], "-i") == 0 && i + 1 < argc)
            input = argv[++i];
    }
    const bool ds = startsWith(input, "DS:\\\\");
    if (ds)
        input = input.substr(5);

    std::string content;
    if (!readAll(input, content)) {
        std::cout << input << ": No such file or directory\n";
        return 1;
    }
    const std::vector<std::string> script = lines(content);

    if (!conversion) {
        for (const auto &line : script) {
            if (startsWith(line, "conv|"))
                continue;
            if (startsWith(line, "ds|")) {
                if (ds)
                    std::cout << line.substr(3) << '\n';
            } else if (startsWith(line, "plain|")) {
                if (!ds)
                    std::cout << line.substr(6) << '\n';
            } else {
                std::cout << line << '\n';
            }
        }
        return 0;
    }

    const std::string output = argv[argc - 1];
    auto has = [&](const char *directive) {
        for (const auto &line : script) {
            if (line == directive)
                return true;
        }
        return false;
    };
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (has("conv|fail")) {
        out << "partial";
        out.close();
        std::cout << "|Time>>> 1.0\nError while encoding\n" << std::flush;
        return 1;
    }
    if (has("conv|squat")) {
        const std::size_t slash = output.rfind('/') + 1;
        const std::size_t marker = output.find(".snvtmp-", slash);
        const std::string finalName = output.substr(0, slash) + output.substr(slash + 1, marker - slash - 1)
            + output.substr(marker + 14);
        std::ofstream(finalName, std::ios::binary) << "squatter";
    }
    if (!has("conv|empty"))
        out << "converted:" << content;
    out.close();
    std::cout << "|Time>>> 1.0\n" << std::flush;
    if (has("conv|hang")) {
        for (;;)
            ::pause();
    }
    std::cout << "|Time>>> 5.0\n" << std::flush;
    return 0;
}
