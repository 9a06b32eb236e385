// A stand-in for the converter tool, for every test that needs one.
//
// Given "-i FILE" it is driven by the content of that file. Each line of that file is printed by a probe; a line prefixed "ds|"
// only in the "DS:\\" form, "plain|" only in the plain form. Lines prefixed
// "conv|" steer a conversion: "conv|fail" writes a partial output and fails,
// "conv|empty" leaves the output empty, "conv|nospace" stops with the tool's
// error line for a full disk and exit status 4, "conv|hang" reports progress and then
// waits to be killed, "conv|squat" puts a file of its own under the final name
// that the hidden ".STEM.snvtmp-XXXXXX.EXT" output stands for; "probe|hang" makes a
// probe print the lines before it and then wait to be killed. Every run appends its arguments to $SNVT_FAKE_LOG as a
// count line followed by each argument's length line and bytes.
//
// Given "--probe-stdin" it answers each NUL-ended name read on standard input as
// "-i NAME" would, each answer followed by the tool's end record; a line "probe|crash" in
// the file makes it die of SIGSEGV there, "probe|hang" makes it hang there.
//
// Without "-i" it does what its arguments say, in order:
//   out:TEXT         write TEXT to standard output (\n, \r and \\ are decoded)
//   err:TEXT         the same on standard error
//   sleep:MS         pause MS milliseconds
//   fill:N           write N bytes of 99-character lines
//   ifstdin:MS:TEXT  write TEXT if standard input has not ended after MS ms
//   fds              write "fds N" with the number of open descriptors
//   exit:N           exit with status N at once
//   signal:N         die of signal N
//   hang             never end (gives up after a minute, so a broken test
//                    cannot leave it behind for good)
// With nothing left to do it exits with status 0.
#include <dirent.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
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



void writeAll(int fd, const std::string &text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            std::_Exit(70);
        done += static_cast<size_t>(n);
    }
}

std::string decode(const char *text)
{
    std::string out;
    for (const char *p = text; *p; ++p) {
        if (*p == '\\' && p[1]) {
            ++p;
            out.push_back(*p == 'n' ? '\n' : *p == 'r' ? '\r' : *p);
        } else {
            out.push_back(*p);
        }
    }
    return out;
}

void sleepMs(long ms)
{
    ::poll(nullptr, 0, static_cast<int>(ms));
}

bool stdinStillOpen(long ms)
{
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    const int ready = ::poll(&fd, 1, static_cast<int>(ms));
    if (ready == 0)
        return true;
    char c;
    return !(fd.revents & (POLLHUP | POLLNVAL | POLLERR)) && ::read(STDIN_FILENO, &c, 1) > 0;
}

int openDescriptors()
{
    DIR *dir = ::opendir("/proc/self/fd");
    if (!dir)
        return -1;
    int count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    ::closedir(dir);
    return count - 1; // the directory's own descriptor
}

bool startsWith(const char *text, const char *prefix, const char **rest)
{
    const size_t n = std::strlen(prefix);
    if (std::strncmp(text, prefix, n) != 0)
        return false;
    *rest = text + n;
    return true;
}

int runActions(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const char *rest = nullptr;
        if (startsWith(arg, "out:", &rest)) {
            writeAll(STDOUT_FILENO, decode(rest));
        } else if (startsWith(arg, "err:", &rest)) {
            writeAll(STDERR_FILENO, decode(rest));
        } else if (startsWith(arg, "sleep:", &rest)) {
            sleepMs(std::atol(rest));
        } else if (startsWith(arg, "fill:", &rest)) {
            const std::string line = std::string(99, 'x') + "\n";
            std::string text;
            for (long n = std::atol(rest); n > 0; n -= 100)
                text += n >= 100 ? line : std::string(static_cast<size_t>(n), '\n');
            writeAll(STDOUT_FILENO, text);
        } else if (startsWith(arg, "ifstdin:", &rest)) {
            const char *colon = std::strchr(rest, ':');
            if (stdinStillOpen(std::atol(rest)) && colon)
                writeAll(STDOUT_FILENO, decode(colon + 1));
        } else if (std::strcmp(arg, "fds") == 0) {
            writeAll(STDOUT_FILENO, "fds " + std::to_string(openDescriptors()) + "\n");
        } else if (startsWith(arg, "exit:", &rest)) {
            return std::atoi(rest);
        } else if (startsWith(arg, "signal:", &rest)) {
            const int sig = std::atoi(rest);
            std::signal(sig, SIG_DFL);
            ::kill(::getpid(), sig);
            sleepMs(5000);
            return 71;
        } else if (std::strcmp(arg, "hang") == 0) {
            sleepMs(60000);
            return 99;
        } else {
            writeAll(STDERR_FILENO, std::string("unknown action: ") + arg + "\n");
            return 64;
        }
    }
    return 0;
}


// The probe of one "-i" value: prints what the tool would and answers the exit status.
// The script an "-i" value names, read as the tool would open it; false (with the tool's
// line for a missing file) when there is none.
bool readScript(std::string input, bool &ds, std::string &content)
{
    ds = startsWith(input, "DS:\\\\");
    if (ds)
        input = input.substr(5);
    if (readAll(input, content))
        return true;
    std::cout << input << ": No such file or directory\n";
    return false;
}

int probe(const std::string &input)
{
    bool ds = false;
    std::string content;
    if (!readScript(input, ds, content))
        return 1;
    for (const auto &line : lines(content)) {
        if (line == "probe|crash") {
            std::cout << std::flush;
            std::signal(SIGSEGV, SIG_DFL);
            ::kill(::getpid(), SIGSEGV);
        }
        if (line == "probe|hang") {
            std::cout << std::flush;
            sleepMs(60000);
            std::_Exit(99);
        }
        if (startsWith(line, "conv|") || startsWith(line, "probe|"))
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

int serveProbes(const char *self)
{
    for (std::string name; std::getline(std::cin, name, '\0');) {
        if (std::cin.eof())
            break;
        char dashI[] = "-i";
        char *args[] = {const_cast<char *>(self), dashI, name.data(), nullptr};
        logRun(3, args);
        const int status = probe(name);
        std::cout << '\0' << "exit " << status << '\n' << std::flush;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--probe-stdin") == 0)
        return serveProbes(argv[0]);
    bool conversion = false;
    bool hasInput = false;
    std::string input;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-@") == 0)
            conversion = true;
        if (std::strcmp(argv[i], "-i") == 0 && i + 1 < argc) {
            hasInput = true;
            input = argv[++i];
        }
    }
    if (!hasInput)
        return runActions(argc, argv);
    logRun(argc, argv);
    if (!conversion)
        return probe(input);
    bool ds = false;
    std::string content;
    if (!readScript(input, ds, content))
        return 1;
    const std::vector<std::string> script = lines(content);

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
    if (has("conv|nospace")) {
        std::cout << "|Time>>> 1.0\n" << std::flush;
        std::cerr << "kescvt: error: No space left on device\n";
        return 4;
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
