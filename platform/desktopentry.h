#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading a program's freedesktop desktop entry far enough to start it on a link:
// the fallback of the open-link action when the desktop's own opener fails. The
// Exec line becomes an argv here; nothing ever goes through a shell.

namespace platform {

// The Exec value of the [Desktop Entry] group of a desktop file's contents, with
// the string escapes of the format (\s \n \t \r \\) resolved; empty when missing.
QString desktopEntryExec(const QByteArray &fileContents);

// Splits an Exec value into program and arguments, with link as one whole argument
// in place of the first %u, %U, %f or %F (later ones are dropped). "%%" is a
// literal percent sign; every other field code (%i, %c, %k, deprecated ones) is
// dropped, and an argument left empty by that disappears. When no field code takes
// the link it is appended as the last argument. Double quotes group, and inside
// them a backslash escapes the next character. Empty when the value holds no
// program or a quote is left open.
QStringList desktopExecArgv(const QString &exec, const QString &link);

// The desktop file for a desktop file id ("firefox.desktop", or "kde-foo.desktop"
// for applications/kde/foo.desktop) under the applications folder of the first of
// the data folders that holds it; empty when none does.
QString findDesktopFile(const QString &desktopId, const QStringList &dataDirs);

// The desktop file id of the user's default web browser: what
// "xdg-settings get default-web-browser" answers, else the default application
// for text/html from "xdg-mime query default text/html"; empty when neither does.
QString defaultWebBrowserId();

// The XDG data folders in lookup order: $XDG_DATA_HOME (or ~/.local/share), then
// $XDG_DATA_DIRS (or /usr/local/share:/usr/share).
QStringList xdgDataDirs();

} // namespace platform
