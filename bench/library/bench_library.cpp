// Adds a music library to the real window (offscreen) with Auto, against one process
// that reads the same files with libavformat, rounds alternating. Then fills the list to
// 100,000 rows and times sorting and Remove All.
//
//   bench_library [count (10000)] [folders (10)]
//
// Prints one table: the window's time, the reference's, their ratio, the time to the
// first row, the longest event-loop stall while adding, the window's CPU per file, and
// at 100,000 rows the memory per row, the sort and the Remove All times.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/mainwindow.h"
#include "filelist/widgets/medialistview.h"
#include "platform/settingsstore.h"
#include "scratchfolder.h"
#include "sinewav.h"

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

int run(std::vector<std::string> args)
{
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An ID3v2.3 tag with title, artist and album.
std::string id3Tag(int n)
{
    std::string frames;
    auto frame = [&](const char *id, const std::string &text) {
        const auto size = static_cast<uint32_t>(text.size() + 1);
        frames += id;
        for (int shift : {24, 16, 8, 0})
            frames.push_back(static_cast<char>((size >> shift) & 0xff));
        frames += std::string(2, '\0') + '\0' + text;
    };
    frame("TIT2", "Track " + std::to_string(n));
    frame("TPE1", "The Bench Players");
    frame("TALB", "Library Volume " + std::to_string(n / 100));
    const auto size = static_cast<uint32_t>(frames.size());
    std::string tag = "ID3";
    tag += std::string{3, 0, 0};
    for (int shift : {21, 14, 7, 0})
        tag.push_back(static_cast<char>((size >> shift) & 0x7f));
    return tag + frames;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int folders = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

    ScratchFolder dir;
    const std::string wav = dir.file("source.wav");
    std::ofstream(wav, std::ios::binary) << sineWavBytes(3.0, 44100, 2);
    const std::string mp3 = dir.file("source.mp3");
    if (run({KESCVT_PATH, "-@", "-i", wav, "-y", "-vn", "-acodec", "mp3", "-ar", "44100", "-ab", "128k", "-ac", "2",
             mp3}) != 0) {
        std::fprintf(stderr, "cannot make the MP3\n");
        return 1;
    }
    std::string audio;
    {
        std::ifstream in(mp3, std::ios::binary);
        audio.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string library = dir.file("library");
    for (int i = 0; i < count; ++i) {
        const std::string folder = library + "/Folder " + std::to_string(i % folders);
        if (i < folders)
            ::mkdir(library.c_str(), 0700), ::mkdir(folder.c_str(), 0700);
        char name[64];
        std::snprintf(name, sizeof name, "/%05d Track.mp3", i);
        std::ofstream(folder + name, std::ios::binary) << id3Tag(i) << audio;
    }

    SettingsStore store(dir.file("settings.ini"));
    store.writeNumber("Options", "SimultaneousConversions", 0); // Auto
    store.sync();
    MainWindowSetup setup;
    setup.store = &store;
    setup.converterPath = KESCVT_PATH;
    setup.documentsFolder = [&] { return std::optional<std::string>(dir.path()); };
    setup.openFirstRunHelp = [] {};
    setup.closeHelp = [] {};

    struct Adding {
        double seconds = 0, firstRow = 0, stallMs = 0, stallAt = 0, cpuPerFileMs = 0;
        int rows = 0;
    };
    auto addThroughWindow = [&] {
        Adding result;
        MainWindow window(setup);
        window.show();
        QElapsedTimer sinceTick;
        const auto begin = Clock::now();
        QTimer ticker;
        constexpr int tickMs = 5;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const double late = static_cast<double>(sinceTick.nsecsElapsed()) / 1e6 - tickMs;
            if (late > result.stallMs) {
                result.stallMs = late;
                result.stallAt = seconds(begin);
            }
            sinceTick.restart();
        });
        QObject::connect(window.fileList()->listModel(), &QAbstractItemModel::rowsInserted, [&] {
            if (result.firstRow == 0)
                result.firstRow = seconds(begin);
        });
        const double cpuBefore = cpuSeconds();
        window.addDropped({library});
        sinceTick.start();
        ticker.start(tickMs);
        if (window.isBusy()) {
            QEventLoop loop;
            QObject::connect(&window, &MainWindow::workFinished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        result.seconds = seconds(begin);
        result.cpuPerFileMs = 1000 * (cpuSeconds() - cpuBefore) / count;
        result.rows = window.fileList()->rowCount();
        return result;
    };
    auto reference = [&] {
        const auto begin = Clock::now();
        run({REFERENCE_PATH, library});
        return seconds(begin);
    };

    // Rounds alternate, so that a change of load on the machine weighs on both alike;
    // the best of each counts.
    constexpr int rounds = 2;
    double referenceBest = 1e9;
    Adding best;
    best.seconds = 1e9;
    for (int round = 0; round < rounds; ++round) {
        referenceBest = std::min(referenceBest, reference());
        const Adding adding = addThroughWindow();
        std::printf("round %d: window %.2f s (%d rows, longest stall %.1f ms at %.2f s), best reference so far %.2f s\n",
                    round + 1, adding.seconds, adding.rows, adding.stallMs, adding.stallAt, referenceBest);
        const double worstStall = std::max(best.stallMs, adding.stallMs);
        if (adding.seconds < best.seconds)
            best = adding;
        best.stallMs = worstStall; // the longest stall of any round
    }

    // 100,000 rows in the real list, as adding puts them there.
    constexpr int manyRows = 100000;
    MainWindow window(setup);
    window.show();
    app.processEvents();
    const long rssBefore = residentKilobytes();
    std::size_t pathBytes = 0;
    for (int i = 0; i < manyRows; ++i) {
        auto item = std::make_unique<MediaItem>();
        char name[96];
        std::snprintf(name, sizeof name, "%s/Folder %d/%06d Track.mp3", library.c_str(), i % 10, (i * 7919) % manyRows);
        item->sourcePath = name;
        item->durationSeconds = (i * 31) % 600;
        pathBytes += item->sourcePath.capacity() + 1;
        window.fileList()->batchingSink().addRowForItem(std::move(item));
    }
    window.fileList()->flushAddedRows();
    app.processEvents();
    const double bytesPerRow = (residentKilobytes() - rssBefore) * 1024.0 / manyRows;
    const double beyondPaths = bytesPerRow - static_cast<double>(pathBytes) / manyRows;
    auto timed = [&](auto &&action) {
        const auto begin = Clock::now();
        action();
        app.processEvents();
        return seconds(begin);
    };
    const double sortFile = timed([&] { window.fileList()->listModel()->sortByHeaderClick(0); });
    const double sortDuration = timed([&] { window.fileList()->listModel()->sortByHeaderClick(1); });
    const double removeAll = timed([&] { window.removeAll(); });

    std::printf("\n%d tagged 3 s MP3s in %d folders, Auto, best of %d alternating rounds\n", count, folders, rounds);
    std::printf("| measure | value |\n|---|---|\n");
    std::printf("| window, adding the folder | %.2f s (%d rows) |\n", best.seconds, best.rows);
    std::printf("| reference, one libavformat process | %.2f s |\n", referenceBest);
    std::printf("| ratio window / reference | %.2fx |\n", best.seconds / referenceBest);
    std::printf("| first row after | %.3f s |\n", best.firstRow);
    std::printf("| longest event-loop stall while adding (any round) | %.1f ms |\n", best.stallMs);
    std::printf("| window's CPU per added file | %.3f ms |\n", best.cpuPerFileMs);
    std::printf("| RSS per row at %d rows | %.0f bytes (%.0f beyond the path texts) |\n", manyRows, bytesPerRow,
                beyondPaths);
    std::printf("| sort by File at %d rows | %.3f s |\n", manyRows, sortFile);
    std::printf("| sort by Duration at %d rows | %.3f s |\n", manyRows, sortDuration);
    std::printf("| Remove All at %d rows | %.3f s |\n", manyRows, removeAll);
    return 0;
}
