#include <QApplication>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/mainwindowlook.h"
#include "app/screenshottour.h"

int main(int argc, char **argv)
{
    // The artwork lives in a static library, whose resources are not
    // registered unless asked for.
    Q_INIT_RESOURCE(sonavert);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavert"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setWindowIcon(mainwindowlook::programIcon());

    MainWindow window;
    window.show();

    // For scripts/screenshot.sh: write a picture of the window and end.
    const QByteArray shot = qgetenv("SONAVERT_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(1000, &window, [&window, shot] {
            window.grab().save(QString::fromLocal8Bit(shot));
            window.close();
        });
    }
    // Also for scripts/screenshot.sh: pictures of the window, its menus and its
    // dialogs, with the files of a folder in the list.
    const QByteArray tour = qgetenv("SONAVERT_SCREENSHOT_DIR");
    if (!tour.isEmpty())
        startScreenshotTour(&window, QString::fromLocal8Bit(tour),
                            QString::fromLocal8Bit(qgetenv("SONAVERT_SCREENSHOT_ADD")));
    return app.exec();
}
