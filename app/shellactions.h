#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <string>

class QWidget;

// What opening a link came to.
enum class LinkResult {
    Opened,
    // The default web browser's own command would not start.
    BrowserNotStarted,
    // Nothing on the desktop takes the link.
    NoAssociation,
};

// Handing files, folders and links to other programs. Every caller goes through
// shellActions(), so tests can record the calls instead of starting programs.
class ShellActions {
public:
    virtual ~ShellActions() = default;

    // Opens the file with the program the desktop associates with it. When the
    // desktop has no opener at all, a message (openFailureMessage) says so.
    virtual void openFile(const std::string &path) = 0;
    // Opens the file manager on the file's folder with the file selected; opens the
    // folder alone when no file manager answers on D-Bus, with the same message
    // as openFile when that fails.
    virtual void showInFolder(const std::string &path) = 0;
    // Opens a web or mailto link; falls back to the default web browser's own
    // command. showNormal tells a menu
    // command (true) from a hyperlink label (false); the desktop opener has no
    // window mode to pass it to.
    virtual LinkResult openLink(const QString &link, bool showNormal) = 0;
};

// The actions in use: the desktop's unless a test installed its own.
ShellActions &shellActions();
// Installs actions (nullptr restores the desktop's). The caller keeps ownership.
void setShellActions(ShellActions *actions);

// Shorthands for shellActions().openFile() and so on.
void openFile(const std::string &path);
void showInFolder(const std::string &path);
LinkResult openLink(const QString &link, bool showNormal);

// Runs the desktop's opener (xdg-open, looked up in PATH) on url without
// waiting for it. failed is called later, from the event loop, when the opener
// cannot be started or ends with a non-zero status: nothing took the URL.
void startOpener(const QUrl &url, std::function<void()> failed);

// Starts a program detached with its arguments; false when it can't be started.
using ProgramStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

// The open-link fallback: the desktop entry desktopId, looked up in dataDirs, is
// started through start with the link in its Exec line. Returns Opened when it
// started, BrowserNotStarted when it would not start, and openerResult when there
// is no usable entry.
LinkResult startBrowserEntry(const QString &link, const QString &desktopId, const QStringList &dataDirs,
                             const ProgramStarter &start, LinkResult openerResult);

// The reason for a failed openLink() result, and the whole message a hyperlink
// label shows: "Unable to open hyperlink:\n\n" followed by the reason.
QString linkFailureReason(LinkResult result);
QString linkFailureMessage(LinkResult result);

// The link opener of the program's hyperlink labels: a link that fails to open
// beeps and is reported with linkFailureMessage() over the label's window.
bool openLinkFromLabel(QWidget *label, const QString &link);

// The message shown when nothing on the desktop opens a file or folder.
QString openFailureMessage(const QString &path);

// The application's title: the executable's file name without its extension.
QString applicationTitle();

// The file URL of a path given as bytes (relative paths are taken from the
// current folder). Bytes that are not valid UTF-8 survive percent-encoded.
QUrl fileUrlFromBytes(const std::string &path);
