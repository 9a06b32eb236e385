#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDBusConnection>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/mainwindowlook.h"
#include "app/singleinstance.h"
#include "app/uilanguage.h"
#include "platform/startarguments.h"
#include "ui/accessiblehyperlink.h"

namespace {

// --help and --version answer without a display, so they are read before Qt
// takes its own options out of argv.
int answerEarly(int argc, char **argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const StartArguments args = parseStartArguments({argv[i]}, std::string());
        if (args.action == StartArguments::Action::Help) {
            std::fputs(usageText().c_str(), stdout);
            return 0;
        }
        if (args.action == StartArguments::Action::Version) {
            std::fputs(versionText().c_str(), stdout);
            return 0;
        }
    }
    return -1;
}

// The token that lets the running window take the focus for this start.
QString activationToken()
{
    QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}

} // namespace

int main(int argc, char **argv)
{
    if (const int answered = answerEarly(argc, argv); answered >= 0)
        return answered;

    // The artwork lives in a static library, whose resources are not
    // registered unless asked for.
    Q_INIT_RESOURCE(sonavert);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavert"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setDesktopFileName(QStringLiteral("com.kestrune.Sonavert"));
    QApplication::setWindowIcon(mainwindowlook::programIcon());
    UiLanguage::install(app);
    installAccessibleInterfaces();

    // Qt has taken its own options (-platform, ...) out of argv by now.
    const StartArguments args =
        parseStartArguments(std::vector<std::string>(argv + 1, argv + argc), currentWorkingFolder());
    if (args.action == StartArguments::Action::Error) {
        std::fprintf(stderr, "sonavert: %s\n", args.error.c_str());
        return 2;
    }

    SingleInstance instance(QDBusConnection::sessionBus());
    if (instance.start(args.files, activationToken()) == SingleInstance::Role::HandedOver)
        return 0;

    MainWindow window;
    window.show();
    instance.setReceiver([&window](const std::vector<std::string> &files, const QString &token) {
        window.bringToFront(token);
        window.openFiles(files);
    });
    if (!args.files.empty()) {
        // Added once the window is up, as a drop would be.
        QTimer::singleShot(0, &window, [&window, files = args.files] { window.openFiles(files); });
    }
    return app.exec();
}
