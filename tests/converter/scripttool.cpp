// A stand-in for the converter tool that does what its arguments say, in order:
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

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

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

} // namespace

int main(int argc, char **argv)
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
