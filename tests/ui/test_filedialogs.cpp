// The real file dialogs behind the prompts seam: a pseudo folder once visited
// (kept in the user's Qt settings) is neither restored nor offered again, and
// no file is read to learn its type.
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/pseudofolder.h"
#include "ui/userprompts.h"

namespace {

struct Seen {
    QString directory;
    QStringList history;
    QString typeOfPdf;
};

// Answers the next file dialog: notes what it shows, visits /proc, cancels.
void answerNextDialog(Seen &seen, const QString &pdf)
{
    QTimer::singleShot(0, [&seen, pdf] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen.directory = dialog->directory().absolutePath();
        seen.history = dialog->history();
        seen.typeOfPdf = dialog->iconProvider()->type(QFileInfo(pdf));
        dialog->setDirectory(QStringLiteral("/proc/self"));
        dialog->reject();
    });
}

} // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        // Before the first QSettings: the user's Qt settings go to a private folder.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void pseudoFolders()
    {
        QVERIFY(isPseudoFileSystemPath("/proc"));
        QVERIFY(isPseudoFileSystemPath("/proc/self/fd/"));
        QVERIFY(isPseudoFileSystemPath("/sys/kernel"));
        QVERIFY(isPseudoFileSystemPath("/dev"));
        QVERIFY(isPseudoFileSystemPath("/home/../dev/shm"));
        QVERIFY(!isPseudoFileSystemPath("/process"));
        QVERIFY(!isPseudoFileSystemPath("/proc/../tmp"));
        QVERIFY(!isPseudoFileSystemPath(QDir::tempPath().toStdString()));
        QVERIFY(!isPseudoFileSystemPath(""));
    }

    void pseudoFoldersAreNeitherRestoredNorOffered()
    {
        QTemporaryDir files;
        const QString pdf = files.filePath(QStringLiteral("report"));
        QFile out(pdf);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("%PDF-1.4\n");
        out.close();
        {
            QSettings qt(QSettings::UserScope, QStringLiteral("QtProject"));
            qt.setValue(QStringLiteral("FileDialog/lastVisited"), QStringLiteral("file:///proc"));
            qt.setValue(QStringLiteral("FileDialog/history"),
                        QStringList{QStringLiteral("file:///proc/1"), QUrl::fromLocalFile(files.path()).toString()});
        }
        for (int round = 0; round < 2; ++round) {
            Seen seen;
            answerNextDialog(seen, pdf);
            if (round == 0)
                QVERIFY(userPrompts().openFiles(nullptr, {QStringLiteral("All Files (*)")}, QString()).isEmpty());
            else
                QVERIFY(userPrompts().chooseFolder(nullptr, QStringLiteral("Folder"), QStringLiteral("/sys")).isEmpty());
            QCOMPARE(seen.directory, QDir::homePath());
            QVERIFY(!seen.history.isEmpty());
            for (const QString &entry : std::as_const(seen.history))
                QVERIFY2(!isPseudoFileSystemPath(entry.toStdString()), qPrintable(entry));
            // Typed by its name, never by reading it.
            QCOMPARE(seen.typeOfPdf,
                     QMimeDatabase().mimeTypeForFile(pdf, QMimeDatabase::MatchExtension).comment());
        }
        // An ordinary start folder is where the dialog opens.
        Seen seen;
        answerNextDialog(seen, pdf);
        QVERIFY(userPrompts().openFiles(nullptr, {QStringLiteral("All Files (*)")}, files.path()).isEmpty());
        QCOMPARE(seen.directory, files.path());

        QSettings qt(QSettings::UserScope, QStringLiteral("QtProject"));
        QVERIFY(!qt.value(QStringLiteral("FileDialog/lastVisited")).toString().contains(QLatin1String("/proc")));
        QVERIFY(!qt.value(QStringLiteral("FileDialog/history")).toStringList().join(' ').contains(QLatin1String("/proc")));
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
