#include <QApplication>
#include <QTimer>

#include "app/mainwindow.h"

int main(int argc, char **argv)
{
    // The artwork lives in a static library, whose resources are not
    // registered unless asked for.
    Q_INIT_RESOURCE(sonavert);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavert"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));

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
    return app.exec();
}
