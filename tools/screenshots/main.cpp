#include <cstdio>

#include <QApplication>

#include "app/mainwindow.h"
#include "app/mainwindowlook.h"
#include "app/uilanguage.h"
#include "screenshottour.h"

// Pictures of the program's windows for a look without a desktop (see
// scripts/screenshot.sh). Kept out of the shipped program.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: sonavert-screenshots OUTPUT-FOLDER [FOLDER-TO-ADD]\n", stderr);
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Sonavert"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setWindowIcon(mainwindowlook::programIcon());
    UiLanguage::install(app);

    MainWindow window;
    window.show();
    startScreenshotTour(&window, QString::fromLocal8Bit(argv[1]),
                        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    return app.exec();
}
