#include "platform/documentsfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

std::optional<std::string> documentsFolder()
{
    // Without a home Qt still answers, with "/Documents" or "/": not the user's.
    if (qEnvironmentVariableIsEmpty("HOME"))
        return std::nullopt;
    QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty())
        return std::nullopt;
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir())
        return std::nullopt;
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
