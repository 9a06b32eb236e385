#include "app/shellactions.h"

#include "platform/desktopentry.h"
#include "ui/userprompts.h"

#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace {

// The folder part of a path: up to its last "/", or the current folder.
std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return path.substr(0, slash == 0 ? 1 : slash);
}

const QString kOpener = QStringLiteral("xdg-open");

// Opens a file or folder URL; when nothing on the desktop can open it, says so
// rather than leaving the user with no sign at all.
void openOrTell(const QUrl &url)
{
    const QString path = url.toLocalFile();
    startOpener(url, [path] {
        userPrompts().message(QApplication::activeWindow(), openFailureMessage(path), UserPrompts::Icon::Warning);
    });
}

LinkResult openLinkWithFallback(const QString &link)
{
    return startBrowserEntry(link, platform::defaultWebBrowserId(), platform::xdgDataDirs(),
                             [](const QString &program, const QStringList &arguments) {
                                 return QProcess::startDetached(program, arguments);
                             },
                             LinkResult::NoAssociation);
}

class DesktopShellActions final : public ShellActions {
public:
    void openFile(const std::string &path) override
    {
        openOrTell(fileUrlFromBytes(path));
    }

    void showInFolder(const std::string &path) override
    {
        const QUrl folder = fileUrlFromBytes(folderOf(path));
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            openOrTell(folder);
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{QString::fromLatin1(fileUrlFromBytes(path).toEncoded())} << QString();
        // Asynchronous, so a slow file manager never stalls the window; without
        // one, the folder opens on its own.
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                         [folder](QDBusPendingCallWatcher *w) {
                             if (w->isError())
                                 openOrTell(folder);
                             w->deleteLater();
                         });
    }

    LinkResult openLink(const QString &link, bool /*showNormal*/) override
    {
        // When the desktop's opener is missing or refuses the link, the default
        // browser's own command is started; its answer comes late, so a late
        // failure is told here, as a label tells an early one.
        if (QStandardPaths::findExecutable(kOpener).isEmpty())
            return openLinkWithFallback(link);
        startOpener(QUrl(link), [link] {
            const LinkResult result = openLinkWithFallback(link);
            if (result == LinkResult::Opened)
                return;
            QApplication::beep();
            userPrompts().message(QApplication::activeWindow(), linkFailureMessage(result),
                                  UserPrompts::Icon::Warning, applicationTitle());
        });
        return LinkResult::Opened;
    }
};

DesktopShellActions g_desktopActions;
ShellActions *g_actions = nullptr;

} // namespace

ShellActions &shellActions()
{
    return g_actions ? *g_actions : g_desktopActions;
}

void setShellActions(ShellActions *actions)
{
    g_actions = actions;
}

void openFile(const std::string &path)
{
    shellActions().openFile(path);
}

void showInFolder(const std::string &path)
{
    shellActions().showInFolder(path);
}

LinkResult openLink(const QString &link, bool showNormal)
{
    return shellActions().openLink(link, showNormal);
}

void startOpener(const QUrl &url, std::function<void()> failed)
{
    // The opener may wait for the program it starts (a player, until it is
    // closed); nothing waits for it here. Its standard streams go nowhere, so
    // a program it leaves running never writes into a pipe that is gone.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // A crash is both an error and an end: told once.
    auto ended = std::make_shared<bool>(false);
    auto end = [process, ended, failed = std::move(failed)](bool opened) {
        if (std::exchange(*ended, true))
            return;
        process->deleteLater();
        // An opener still waiting for its program when Sonavert quits ends
        // with the program's object (the program it started stays); that end
        // is nobody's failure.
        if (!opened && failed && !QCoreApplication::closingDown())
            failed();
    };

    QObject::connect(process, &QProcess::errorOccurred, process, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(false);
    });
    QObject::connect(process, &QProcess::finished, process, [end](int code, QProcess::ExitStatus status) {
        end(status == QProcess::NormalExit && code == 0);
    });
    process->start(kOpener, {QString::fromLatin1(url.toEncoded())});
}

LinkResult startBrowserEntry(const QString &link, const QString &desktopId, const QStringList &dataDirs,
                             const ProgramStarter &start, LinkResult openerResult)
{
    const QString desktopFile = platform::findDesktopFile(desktopId, dataDirs);
    if (desktopFile.isEmpty())
        return openerResult;
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly))
        return openerResult;
    QStringList argv = platform::desktopExecArgv(platform::desktopEntryExec(file.readAll()), link);
    if (argv.isEmpty())
        return openerResult;
    const QString program = argv.takeFirst();
    return start(program, argv) ? LinkResult::Opened : LinkResult::BrowserNotStarted;
}

QString linkFailureReason(LinkResult result)
{
    switch (result) {
    case LinkResult::Opened: return {};
    case LinkResult::BrowserNotStarted: return QCoreApplication::translate("ShellActions", "The specified file was not found.");
    case LinkResult::NoAssociation:
        return QCoreApplication::translate("ShellActions", "There is no application associated\nwith the given filename extension.");
    }
    return {};
}

QString linkFailureMessage(LinkResult result)
{
    return QCoreApplication::translate("ShellActions", "Unable to open hyperlink:\n\n%1").arg(linkFailureReason(result));
}

bool openLinkFromLabel(QWidget *label, const QString &link)
{
    const LinkResult result = openLink(link, false);
    if (result == LinkResult::Opened)
        return true;
    QApplication::beep();
    userPrompts().message(label->window(), linkFailureMessage(result), UserPrompts::Icon::Warning,
                          applicationTitle());
    return false;
}

QString openFailureMessage(const QString &path)
{
    return QCoreApplication::translate("ShellActions", "Unable to open \"%1\".\n\nNo program to open it was found: the desktop's "
                          "opener (xdg-open, from the xdg-utils package) may be missing.")
        .arg(path);
}

QString applicationTitle()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Sonavert") : name;
}

QUrl fileUrlFromBytes(const std::string &path)
{
    QByteArray bytes(path.data(), qsizetype(path.size()));
    if (!bytes.startsWith('/'))
        bytes = QFile::encodeName(QDir::currentPath()) + '/' + bytes;
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + bytes.toPercentEncoding("/"));
}
