// Adds many small WAV files to the main window (folder search, probe through
// the converter runner, rows in the list) and compares the time with spawning
// "kescvt -i" on each file in a plain loop.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>

#include "app/mainwindow.h"
#include "filelist/widgets/medialistview.h"
#include "platform/settingsstore.h"
#include "scratchfolder.h"
#include "sinewav.h"

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// Runs tool -i path with its output read through a pipe, as a probe would.
void probeDirectly(const std::string &tool, const std::string &path)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    std::vector<char *> argv = {const_cast<char *>(tool.c_str()), const_cast<char *>("-i"),
                                const_cast<char *>(path.c_str()), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    char buffer[65536];
    while (rc == 0 && ::read(fds[0], buffer, sizeof buffer) > 0) {
    }
    ::close(fds[0]);
    int status = 0;
    if (rc == 0)
        ::waitpid(pid, &status, 0);
}

// CPU seconds (user + system) of this process, or of its ended children.
double cpuSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const std::string tool = argc > 1 ? argv[1] : QCoreApplication::applicationDirPath().toStdString()
                                                        + "/../../app/kescvt";
    const int count = argc > 2 ? std::atoi(argv[2]) : 1000;

    ScratchFolder dir;
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        files.push_back(dir.file("in/f" + std::to_string(i) + ".wav"));
        if (i == 0)
            ::mkdir(dir.file("in").c_str(), 0700);
        writeSineWav(files.back(), 0.1, 8000);
    }

    // The plain loop runs before and after the window's run, so that a change
    // of load on the machine weighs on both sides alike.
    auto directLoop = [&] {
        const auto begin = Clock::now();
        for (const std::string &f : files)
            probeDirectly(tool, f);
        return seconds(begin);
    };
    const double directBefore = directLoop();

    SettingsStore store(dir.file("settings.ini"));
    MainWindowSetup setup;
    setup.store = &store;
    setup.converterPath = tool;
    setup.documentsFolder = [&] { return std::optional<std::string>(dir.path()); };
    setup.openFirstRunHelp = [] {};
    setup.closeHelp = [] {};
    MainWindow window(setup);
    window.show();
    QApplication::processEvents();
    const double ownBefore = cpuSeconds(RUSAGE_SELF);
    auto start = Clock::now();
    window.addDropped({dir.file("in")});
    const double viaWindow = seconds(start);
    const double ownCpu = cpuSeconds(RUSAGE_SELF) - ownBefore;
    const double direct = (directBefore + directLoop()) / 2;

    std::printf("files: %d, rows added: %d\n", count, window.fileList()->rowCount());
    std::printf("kescvt -i in a loop:  %8.2f s (%.2f ms per file)\n", direct, 1000 * direct / count);
    std::printf("adding to the window: %8.2f s (%.2f ms per file)\n", viaWindow, 1000 * viaWindow / count);
    std::printf("overhead: %+.1f %%\n", 100.0 * (viaWindow - direct) / direct);
    std::printf("the window's own CPU while adding: %.2f s (%.2f ms per file)\n", ownCpu,
                1000 * ownCpu / count);
    return 0;
}
