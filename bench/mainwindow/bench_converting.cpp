// Converts the given sources to MP3 through the main window (offscreen), with
// the given number of simultaneous conversions, and prints the wall time in
// seconds. Used by bench/parallel_conversions.sh.
//
//   bench_converting <kescvt> <simultaneous: 0 = Auto> <output folder> <source>...
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>
#include <QEventLoop>

#include "app/mainwindow.h"
#include "filelist/widgets/medialistview.h"
#include "platform/settingsstore.h"
#include "scratchfolder.h"

namespace {

void waitForWork(MainWindow &window)
{
    if (!window.isBusy())
        return;
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::workFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: bench_converting <kescvt> <simultaneous> <output folder> <source>...\n");
        return 64;
    }
    ScratchFolder dir;
    SettingsStore store(dir.file("settings.ini"));
    store.writeNumber("Options", "SimultaneousConversions", static_cast<std::uint32_t>(std::atoi(argv[2])));
    store.writeNumber("Options", "DestOutputFolderOpt", 399);
    store.writeText("Options", "DestSpecifiedFolder", argv[3]);
    store.writeNumber("Options", "TargetExistsOpt", 22);
    store.writeNumber("Options", "BrowseOutputFolder", 0);
    store.sync();

    MainWindowSetup setup;
    setup.store = &store;
    setup.converterPath = argv[1];
    setup.documentsFolder = [&] { return std::optional<std::string>(dir.path()); };
    setup.openFirstRunHelp = [] {};
    setup.closeHelp = [] {};
    setup.notify = [](const QString &, const QString &) {};
    MainWindow window(setup);
    std::vector<std::string> sources(argv + 4, argv + argc);
    window.addDropped(sources);
    waitForWork(window);

    const auto start = std::chrono::steady_clock::now();
    window.convertAll();
    waitForWork(window);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    int converted = 0;
    for (int row = 0; row < window.fileList()->rowCount(); ++row)
        converted += window.fileList()->itemOfRow(row)->outputPath.empty() ? 0 : 1;
    if (converted != static_cast<int>(sources.size())) {
        std::fprintf(stderr, "only %d of %zu converted\n", converted, sources.size());
        return 1;
    }
    std::printf("%.3f\n", seconds);
    return 0;
}
