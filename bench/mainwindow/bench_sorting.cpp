// Sorts a file list of many rows by Duration through header clicks and
// prints the time of each sort and the process's peak resident memory.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>

#include "filelist/medialistmodel.h"
#include "filelist/widgets/medialistview.h"

namespace {

long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;

    MediaListView view;
    view.resize(552, 465);
    view.show();
    for (int i = 0; i < rows; ++i) {
        auto item = std::make_unique<MediaItem>();
        item->sourcePath = "/music/album " + std::to_string(i % 97) + "/track " + std::to_string(i) + ".mp3";
        item->durationSeconds = static_cast<int>((i * 7919L) % 7200);
        view.listModel()->appendItem(std::move(item));
    }
    view.selectAll();
    QApplication::processEvents();

    using Clock = std::chrono::steady_clock;
    for (const char *what : {"Duration ascending", "Duration descending", "File ascending"}) {
        const int column = what[0] == 'D' ? MediaListModel::DurationColumn : MediaListModel::FileColumn;
        const auto start = Clock::now();
        view.listModel()->sortByHeaderClick(column);
        QApplication::processEvents();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::printf("sort %d rows, %-20s %8.1f ms\n", rows, what, ms);
    }
    std::printf("peak resident memory: %.1f MB\n", peakResidentKb() / 1024.0);
    return 0;
}
