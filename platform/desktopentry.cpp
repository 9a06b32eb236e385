#include "platform/desktopentry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace platform {

namespace {

QString unescapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': out += u' '; break;
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case '\\': out += u'\\'; break;
        default: out += c; out += next; break; // left for the Exec quoting rules
        }
    }
    return out;
}

bool takesLink(QChar code)
{
    return code == u'u' || code == u'U' || code == u'f' || code == u'F';
}

} // namespace

QString desktopEntryExec(const QByteArray &fileContents)
{
    bool inMainGroup = false;
    const QList<QByteArray> lines = fileContents.split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || line.left(eq).trimmed() != "Exec")
            continue;
        return unescapeValue(QString::fromUtf8(line.mid(eq + 1).trimmed()));
    }
    return QString();
}

QStringList desktopExecArgv(const QString &exec, const QString &link)
{
    QStringList argv;
    QString current;
    bool inArgument = false; // current holds (possibly empty) text of an argument
    bool inQuotes = false;
    bool linkPlaced = false;
    bool linkInProgram = false; // the link must never become the program
    bool hadFieldCode = false; // only field codes so far in the current argument
    bool hadText = false;

    auto finish = [&] {
        if (inArgument && (hadText || !hadFieldCode))
            argv << current;
        current.clear();
        inArgument = hadFieldCode = hadText = false;
    };

    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (inQuotes) {
            if (c == u'"') {
                inQuotes = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                current += exec.at(++i);
                hadText = true;
            } else if (c == u'%' && i + 1 < exec.size() && exec.at(i + 1) == u'%') {
                current += u'%';
                ++i;
                hadText = true;
            } else {
                current += c;
                hadText = true;
            }
            continue;
        }
        if (c == u' ' || c == u'\t' || c == u'\n') {
            finish();
            continue;
        }
        inArgument = true;
        if (c == u'"') {
            inQuotes = true;
            hadText = true; // "" is an empty argument of its own
            continue;
        }
        if (c == u'%' && i + 1 < exec.size()) {
            const QChar code = exec.at(++i);
            if (code == u'%') {
                current += u'%';
                hadText = true;
            } else {
                hadFieldCode = true;
                if (takesLink(code) && !linkPlaced) {
                    current += link;
                    hadText = true;
                    linkPlaced = true;
                    linkInProgram = argv.isEmpty();
                }
            }
            continue;
        }
        current += c;
        hadText = true;
    }
    if (inQuotes)
        return {};
    finish();
    if (argv.isEmpty() || argv.first().isEmpty() || linkInProgram)
        return {};
    if (!linkPlaced)
        argv << link;
    return argv;
}

QString findDesktopFile(const QString &desktopId, const QStringList &dataDirs)
{
    if (desktopId.isEmpty() || desktopId.contains(u'/'))
        return QString();
    // An id names applications/<id>, or a subfolder path with "-" for "/".
    QStringList candidates{desktopId};
    for (qsizetype dash = desktopId.indexOf(u'-'); dash > 0; dash = desktopId.indexOf(u'-', dash + 1)) {
        QString relative = desktopId;
        relative[dash] = u'/';
        candidates << relative;
    }
    for (const QString &dir : dataDirs) {
        for (const QString &relative : candidates) {
            const QString path = dir + QStringLiteral("/applications/") + relative;
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return QString();
}

namespace {

// The first line a helper program prints, or empty when it can't run or fails.
QString firstLineOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(3000))
        return QString();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    const QByteArray out = process.readAllStandardOutput();
    return QString::fromUtf8(out.left(out.indexOf('\n'))).trimmed();
}

} // namespace

QString defaultWebBrowserId()
{
    QString id = firstLineOf(QStringLiteral("xdg-settings"),
                             {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (id.endsWith(QStringLiteral(".desktop")))
        return id;
    id = firstLineOf(QStringLiteral("xdg-mime"),
                     {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    // xdg-mime may list several ids separated by semicolons.
    id = id.section(u';', 0, 0).trimmed();
    return id.endsWith(QStringLiteral(".desktop")) ? id : QString();
}

QStringList xdgDataDirs()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QStringList dirs;
    QString home = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    dirs << home;
    QString system = env.value(QStringLiteral("XDG_DATA_DIRS"));
    if (system.isEmpty())
        system = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &dir : system.split(u':', Qt::SkipEmptyParts))
        dirs << dir;
    return dirs;
}

} // namespace platform
