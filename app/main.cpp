#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavert"));
    QLabel placeholder(QStringLiteral("Sonavert: the main window is being built."));
    placeholder.resize(699, 538);
    placeholder.setAlignment(Qt::AlignCenter);
    placeholder.show();
    return app.exec();
}
