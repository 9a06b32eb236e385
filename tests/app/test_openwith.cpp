#include <chrono>

#include <unistd.h>

#include <QDBusConnection>
#include <QDialog>
#include <QTest>

#include "app/mainwindow.h"
#include "app/singleinstance.h"
#include "filelist/widgets/medialistview.h"
#include "platform/childprocess.h"
#include "platform/settingsstore.h"
#include "privatebus.h"
#include "recordingprompts.h"
#include "scratchfolder.h"

using namespace std::chrono_literals;

namespace {

// What the stand-in converter prints when it probes a file holding this text.
const std::string kAudio = "Input #0, wav, from 'fake.wav':\n  Duration: 00:00:02.00, bitrate: 1411 kb/s\n"
                           "    Stream #0.0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s\n";

} // namespace

// Files named on the command line: a second start hands them to the running
// window over the session bus; the window adds them as Add Files and a drop would.
class TestOpenWith : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchFolder> m_dir;
    std::unique_ptr<SettingsStore> m_store;

    std::unique_ptr<MainWindow> makeWindow()
    {
        m_store = std::make_unique<SettingsStore>(m_dir->file("settings.ini"));
        MainWindowSetup setup;
        setup.store = m_store.get();
        setup.converterPath = FAKE_TOOL;
        setup.documentsFolder = [this] { return std::optional<std::string>(m_dir->file("docs")); };
        setup.showInFolder = [](const std::string &) {};
        setup.openFirstRunHelp = [] {};
        setup.closeHelp = [] {};
        return std::make_unique<MainWindow>(setup);
    }

    static std::vector<std::string> sources(MainWindow &w)
    {
        std::vector<std::string> paths;
        for (int r = 0; r < w.fileList()->rowCount(); ++r)
            paths.push_back(w.fileList()->itemOfRow(r)->sourcePath);
        return paths;
    }

private slots:
    void init() { m_dir = std::make_unique<ScratchFolder>(); }
    void cleanup() { m_dir.reset(); }

    void secondStartHandsItsFilesToTheRunningWindow()
    {
        PrivateBus bus(QString::fromStdString(m_dir->path()));
        QVERIFY2(!bus.address().isEmpty(), "dbus-daemon did not start");
        QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), QStringLiteral("first"));
        QVERIFY(connection.isConnected());

        auto w = makeWindow();
        w->show();
        SingleInstance first(connection);
        QCOMPARE(first.start({}, QString()), SingleInstance::Role::First);
        int calls = 0;
        first.setReceiver([&](const std::vector<std::string> &files, const QString &) {
            ++calls;
            w->openFiles(files);
        });

        const std::string odd = "caf\xE9.wav"; // a name that is not UTF-8
        m_dir->write("a.wav", kAudio);
        m_dir->write(odd, kAudio);
        m_dir->write("sub/c.wav", kAudio);

        // The second start: relative names from its own working folder.
        const std::string here = m_dir->path();
        char previous[4096];
        QVERIFY(::getcwd(previous, sizeof previous));
        QCOMPARE(::chdir(here.c_str()), 0);
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir->file("config")));
        platform::ChildProcess second;
        const bool started = second.start({SONAVERT_PROGRAM, "a.wav", here + "/" + odd, "sub"});
        QCOMPARE(::chdir(previous), 0);
        QVERIFY(started);

        // It ends by itself, having opened no window of its own.
        QTRY_VERIFY_WITH_TIMEOUT(second.waitForEnd(0ms), 60000);
        QCOMPARE(second.outcome(), platform::ChildOutcome::Exited);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(calls, 1);
        QTRY_COMPARE(w->fileList()->rowCount(), 3);
        QCOMPARE(sources(*w), (std::vector<std::string>{here + "/a.wav", here + "/" + odd, here + "/sub/c.wav"}));

        QDBusConnection::disconnectFromBus(QStringLiteral("first"));
    }

    void withoutABusEachStartIsAlone()
    {
        QDBusConnection none =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("none"));
        SingleInstance instance(none);
        QCOMPARE(instance.start({"/x.wav"}, QString()), SingleInstance::Role::Alone);
        QDBusConnection::disconnectFromBus(QStringLiteral("none"));
    }

    // With the extension filter on, files named one by one are taken as Add
    // Files takes them; folders and drops are filtered, and a filter that
    // leaves nothing says so.
    void namedFilesPassTheFilterAndNothingLeftIsTold()
    {
        {
            SettingsStore store(m_dir->file("settings.ini"));
            store.writeNumber("Options", "EnableExtFilter", 1);
            store.writeText("Options", "FilterExts", "mp3");
            store.sync();
        }
        RecordingPrompts prompts;
        auto w = makeWindow();
        const std::string wav = m_dir->write("b.wav", kAudio);
        const std::string notes = m_dir->write("notes.txt", kAudio);
        m_dir->write("folder/c.wav", kAudio);
        w->openFiles({wav, notes});
        QTRY_COMPARE(w->fileList()->rowCount(), 2);
        QCOMPARE(sources(*w), (std::vector<std::string>{wav, notes}));
        QVERIFY(prompts.messages.empty());

        const QString told = QStringLiteral(
            "No file was added: none of them has an extension listed under \"Only add the following file "
            "extensions for \"Add Folder\" and Drag/Drop\" in Options.");
        w->openFiles({m_dir->file("folder")});
        QTRY_COMPARE(prompts.texts(), QStringList{told});
        w->addDropped({m_dir->write("d.ogg", kAudio)});
        QTRY_COMPARE(prompts.texts(), (QStringList{told, told}));
        QCOMPARE(w->fileList()->rowCount(), 2);
    }

    void filesArrivingDuringADialogWaitForIt()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QDialog dialog(w.get());
        dialog.setModal(true);
        dialog.show();
        w->openFiles({m_dir->write("a.wav", kAudio)});
        // Untouched while the dialog stays, however long that is.
        QTest::qWait(300);
        QCOMPARE(w->fileList()->rowCount(), 0);
        dialog.close();
        QTRY_COMPARE(w->fileList()->rowCount(), 1);
    }
};

QTEST_MAIN(TestOpenWith)
#include "test_openwith.moc"
