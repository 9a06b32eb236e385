#include "app/shellactions.h"
#include "platform/desktopentry.h"
#include "recordingactions.h"
#include "recordingprompts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

} // namespace

class TestShellActions : public QObject {
    Q_OBJECT
private slots:
    void failureMessages()
    {
        QCOMPARE(linkFailureMessage(LinkResult::BrowserNotStarted),
                 QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
        QCOMPARE(linkFailureReason(LinkResult::NoAssociation),
                 QStringLiteral("There is no application associated\nwith the given filename extension."));
        QCOMPARE(applicationTitle(), QStringLiteral("test_shellactions"));
    }

    void seamRecordsCalls()
    {
        RecordingActions recorder;
        recorder.result = LinkResult::BrowserNotStarted;
        setShellActions(&recorder);
        openFile("/music/a.mp3");
        showInFolder("/music/b.wav");
        QCOMPARE(openLink(QStringLiteral("https://sonavert.example/"), true), LinkResult::BrowserNotStarted);
        setShellActions(nullptr);
        QCOMPARE(recorder.calls, (QStringList{"open /music/a.mp3", "show /music/b.wav", "link https://sonavert.example/"}));
    }

    // The desktop's opener missing from the PATH, or ending with a failure
    // status (nothing takes the file), gives one message; a success none.
    void openerFailureIsReported_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("told");
        QTest::newRow("missing") << QString() << true;
        QTest::newRow("fails") << QStringLiteral("/bin/false") << true;
        QTest::newRow("opens") << QStringLiteral("/bin/true") << false;
    }

    void openerFailureIsReported()
    {
        QFETCH(QString, opener);
        QFETCH(bool, told);
        QTemporaryDir bin;
        if (!opener.isEmpty())
            QVERIFY(QFile::link(opener, bin.filePath(QStringLiteral("xdg-open"))));
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        RecordingPrompts prompts;
        const QString file = bin.filePath(QStringLiteral("song.mp3"));
        openFile(file.toStdString());
        qputenv("PATH", oldPath);
        // Nothing waited for the opener; its end comes from the event loop.
        QTRY_VERIFY_WITH_TIMEOUT(qApp->findChildren<QProcess *>().isEmpty(), 30000);
        QCOMPARE(prompts.texts(), told ? QStringList{openFailureMessage(file)} : QStringList{});
    }

    void fileUrlKeepsEveryByte()
    {
        QCOMPARE(fileUrlFromBytes("/tmp/a b#1%\xe9.mp3").toEncoded(),
                 QByteArray("file:///tmp/a%20b%231%25%E9.mp3"));
        QCOMPARE(fileUrlFromBytes("/tmp/x.wav").toLocalFile(), QStringLiteral("/tmp/x.wav"));
        QCOMPARE(fileUrlFromBytes("rel.wav").toLocalFile(), QDir::currentPath() + QStringLiteral("/rel.wav"));
    }

    void execLineBecomesArgv()
    {
        const QString link = QStringLiteral("https://sonavert.example/?ver=2.7&build=719");
        QCOMPARE(platform::desktopExecArgv(QStringLiteral("firefox %u"), link),
                 (QStringList{QStringLiteral("firefox"), link}));
        QCOMPARE(platform::desktopExecArgv(QStringLiteral("\"/opt/My Browser/browser\" --new-window %U"), link),
                 (QStringList{QStringLiteral("/opt/My Browser/browser"), QStringLiteral("--new-window"), link}));
        // Other field codes go; an argument made only of them goes with them.
        QCOMPARE(platform::desktopExecArgv(QStringLiteral("web %i --class=%c %k %F %u"), link),
                 (QStringList{QStringLiteral("web"), QStringLiteral("--class="), link}));
        // No field code: the link is appended.
        QCOMPARE(platform::desktopExecArgv(QStringLiteral("browser --private"), link),
                 (QStringList{QStringLiteral("browser"), QStringLiteral("--private"), link}));
        QCOMPARE(platform::desktopExecArgv(QStringLiteral("run \"say \\\"hi\\\"\" 100%% %u"), link),
                 (QStringList{QStringLiteral("run"), QStringLiteral("say \"hi\""), QStringLiteral("100%"), link}));
        QVERIFY(platform::desktopExecArgv(QStringLiteral("\"unclosed %u"), link).isEmpty());
        QVERIFY(platform::desktopExecArgv(QStringLiteral("  %u "), link).isEmpty());
    }

    void desktopFileExecLine()
    {
        const QByteArray file = "# comment\n"
                                "[Desktop Entry]\n"
                                "Name=Web\n"
                                "Exec=/usr/bin/web\\sbrowser %u\n"
                                "[Desktop Action new-window]\n"
                                "Exec=/usr/bin/web --new-window %u\n";
        QCOMPARE(platform::desktopEntryExec(file), QStringLiteral("/usr/bin/web browser %u"));
        QVERIFY(platform::desktopEntryExec("[Desktop Action x]\nExec=a\n").isEmpty());
    }

    void desktopFileFoundInDataDirs()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(QDir(second.path()).mkpath(QStringLiteral("applications/kde")));
        QFile entry(second.path() + QStringLiteral("/applications/kde/web.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.close();
        const QStringList dirs{first.path(), second.path()};
        QCOMPARE(platform::findDesktopFile(QStringLiteral("kde-web.desktop"), dirs), entry.fileName());
        QVERIFY(platform::findDesktopFile(QStringLiteral("web.desktop"), dirs).isEmpty());
        QVERIFY(platform::findDesktopFile(QStringLiteral("../x.desktop"), dirs).isEmpty());
    }

    void fallbackStartsTheBrowserEntry()
    {
        QTemporaryDir data;
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("applications")));
        QFile entry(data.path() + QStringLiteral("/applications/web.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nExec=\"/opt/My Browser/web\" --new %U\n");
        entry.close();
        const QString link = QStringLiteral("mailto:?subject=Sonavert - very COOL application!!!&body=x");

        QString program;
        QStringList arguments;
        bool starts = true;
        constexpr LinkResult kNone = LinkResult::NoAssociation;
        const ProgramStarter start = [&](const QString &p, const QStringList &a) {
            program = p;
            arguments = a;
            return starts;
        };
        QCOMPARE(startBrowserEntry(link, QStringLiteral("web.desktop"), {data.path()}, start, kNone),
                 LinkResult::Opened);
        QCOMPARE(program, QStringLiteral("/opt/My Browser/web"));
        QCOMPARE(arguments, (QStringList{QStringLiteral("--new"), link}));

        starts = false;
        QCOMPARE(startBrowserEntry(link, QStringLiteral("web.desktop"), {data.path()}, start, kNone),
                 LinkResult::BrowserNotStarted);
        // No entry: the opener's own result stands.
        program.clear();
        QCOMPARE(startBrowserEntry(link, QStringLiteral("none.desktop"), {data.path()}, start, kNone), kNone);
        QCOMPARE(startBrowserEntry(link, QString(), {data.path()}, start, kNone), kNone);
        QVERIFY(program.isEmpty());
    }
};

QTEST_MAIN(TestShellActions)
#include "test_shellactions.moc"
