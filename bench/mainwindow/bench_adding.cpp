// Adds many small WAV files to the main window (folder search, probe through
// the converter runner, rows in the list), one probe at a time and with Auto
// (one per core), and compares the times with spawning "kescvt -i" on each
// file in a plain loop.
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
#include <QEventLoop>

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

    // One window per run, so every run adds the whole folder.
    auto addThroughWindow = [&](int simultaneous, int &rows) {
        SettingsStore store(dir.file("settings" + std::to_string(simultaneous) + ".ini"));
        store.writeNumber("Options", "SimultaneousConversions", static_cast<std::uint32_t>(simultaneous));
        store.sync();
        MainWindowSetup setup;
        setup.store = &store;
        setup.converterPath = tool;
        setup.documentsFolder = [&] { return std::optional<std::string>(dir.path()); };
        setup.openFirstRunHelp = [] {};
        setup.closeHelp = [] {};
        MainWindow window(setup);
        window.show();
        const auto begin = Clock::now();
        window.addDropped({dir.file("in")});
        if (window.isBusy()) {
            QEventLoop loop;
            QObject::connect(&window, &MainWindow::workFinished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        rows = window.fileList()->rowCount();
        return seconds(begin);
    };
    // Rounds alternate between one probe at a time and Auto; the best of each counts.
    double one = 1e9, automatic = 1e9;
    int rowsOne = 0, rowsAuto = 0;
    const double ownBefore = cpuSeconds(RUSAGE_SELF);
    for (int round = 0; round < 2; ++round) {
        one = std::min(one, addThroughWindow(1, rowsOne));
        automatic = std::min(automatic, addThroughWindow(0, rowsAuto));
    }
    const double ownCpu = (cpuSeconds(RUSAGE_SELF) - ownBefore) / 4;
    const double direct = (directBefore + directLoop()) / 2;

    std::printf("files: %d, rows added: %d (one at a time), %d (Auto)\n", count, rowsOne, rowsAuto);
    std::printf("kescvt -i in a loop:          %8.2f s (%.2f ms per file)\n", direct, 1000 * direct / count);
    std::printf("adding, one probe at a time:  %8.2f s (%.2f ms per file)\n", one, 1000 * one / count);
    std::printf("adding, Auto:                 %8.2f s (%.2f ms per file)\n", automatic, 1000 * automatic / count);
    std::printf("Auto speed-up over one at a time: %.2fx\n", one / automatic);
    std::printf("the window's own CPU per run: %.2f s (%.2f ms per file)\n", ownCpu, 1000 * ownCpu / count);
    return 0;
}
