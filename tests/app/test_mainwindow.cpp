#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include <sys/wait.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMimeData>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/mainwindow.h"
#include "filelist/widgets/addingprogresswindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "filelist/widgets/medialistview.h"
#include "platform/settingsstore.h"
#include "fakeprompts.h"
#include "scratchfolder.h"
#include "shortcutfile.h"
#include "sinewav.h"
#include "ui/userprompts.h"

namespace {

// The fake tool's reason for a file it cannot read, as the list shows it.
const QString kUnreadable = QStringLiteral("No audio or video stream the converter can read.");

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A file that the stand-in converter probes as stereo 44100 Hz audio of the given
// length; with "conv|hang" in extra its conversion hangs until it is killed.
std::string audio(int seconds, const std::string &extra = "")
{
    char duration[16];
    std::snprintf(duration, sizeof duration, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return std::string("Input #0, wav, from 'fake.wav':\n  Duration: ") + duration +
           ".00, bitrate: 1411 kb/s\n    Stream #0.0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s\n" + extra;
}

// Adding and converting end on the event loop: waits for the window to be
// idle again (at once when nothing was started).
void settle(MainWindow &w)
{
    QTRY_VERIFY_WITH_TIMEOUT(!w.isBusy(), 120000);
}

bool hasChildProcess()
{
    int status = 0;
    return !(::waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScratchFolder> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    FakePrompts m_prompts;
    std::vector<std::string> m_shown;
    int m_helpOpened = 0;

    std::string settingsFile() const { return m_dir->file("settings.ini"); }

    std::unique_ptr<MainWindow> makeWindow(const std::string &tool = FAKE_TOOL)
    {
        // One conversion at a time unless a test asks for more.
        {
            SettingsStore store(settingsFile());
            if (!store.readNumber("Options", "SimultaneousConversions")) {
                store.writeNumber("Options", "SimultaneousConversions", 1);
                store.sync();
            }
        }
        m_store = std::make_unique<SettingsStore>(settingsFile());
        MainWindowSetup setup;
        setup.store = m_store.get();
        setup.converterPath = tool;
        setup.documentsFolder = [this] { return std::optional<std::string>(m_dir->file("docs")); };
        setup.showInFolder = [this](const std::string &p) { m_shown.push_back(p); };
        setup.openFirstRunHelp = [this] { ++m_helpOpened; };
        setup.closeHelp = [] {};
        return std::make_unique<MainWindow>(setup);
    }

    void storeOptions(const std::map<std::string, std::uint32_t> &numbers,
                      const std::map<std::string, std::string> &texts = {})
    {
        SettingsStore store(settingsFile());
        for (const auto &[name, value] : numbers)
            store.writeNumber("Options", name, value);
        for (const auto &[name, value] : texts)
            store.writeText("Options", name, value);
        store.sync();
    }

    static QStringList fileColumn(MainWindow &w)
    {
        QStringList names;
        for (int r = 0; r < w.fileList()->rowCount(); ++r)
            names << w.fileList()->listModel()->cellText(r, 0);
        return names;
    }

    static QStringList statuses(MainWindow &w)
    {
        QStringList texts;
        for (int r = 0; r < w.fileList()->rowCount(); ++r)
            texts << w.fileList()->listModel()->cellText(r, 2);
        return texts;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<ScratchFolder>();
        m_prompts.messages.clear();
        m_prompts.files.clear();
        m_prompts.folder.clear();
        m_prompts.questions.clear();
        m_prompts.yes = false;
        m_prompts.pending = nullptr;
        m_shown.clear();
        m_helpOpened = 0;
        setUserPrompts(&m_prompts);
    }

    void cleanup()
    {
        setUserPrompts(nullptr);
        m_store.reset();
        m_dir.reset();
    }

    void layoutCaptionsAndFormatSelector()
    {
        auto w = makeWindow();
        QCOMPARE(w->size(), QSize(699, 538));
        QCOMPARE(w->windowTitle(), QStringLiteral("Sonavert"));
        QCOMPARE(w->fileList()->geometry(), QRect(137, 63, 552, 465));
        QCOMPARE(w->currentFormat(), 0);
        QComboBox *selector = w->formatSelector();
        QCOMPARE(selector->count(), 16);
        QCOMPARE(selector->itemText(14), QStringLiteral(" to FLAC"));
        QCOMPARE(selector->itemText(15), QStringLiteral(" to OPUS"));
        QCOMPARE(selector->itemText(0), QStringLiteral(" to MP3"));
        QCOMPARE(selector->itemText(12), QStringLiteral(" to AMR (NB)"));
        QCOMPARE(selector->currentIndex(), 0);
        QCOMPARE(selector->geometry().topLeft(), QPoint(14, 239));
        QCOMPARE(selector->view()->minimumWidth(), 160);

        const auto buttons = w->findChildren<QAbstractButton *>();
        auto find = [&](const QString &caption) -> QAbstractButton * {
            for (QAbstractButton *b : buttons)
                if (b->text() == caption)
                    return b;
            return nullptr;
        };
        QAbstractButton *convert = find(QStringLiteral("&Convert"));
        QVERIFY(convert);
        QCOMPARE(convert->geometry(), QRect(11, 206, 107, 27));
        QCOMPARE(convert->toolTip(), QStringLiteral("Convert all files"));
        // Tab order: the window's own controls, from the file list on.
        QStringList order;
        QWidget *at = w->fileList();
        for (int guard = 0; guard < 200 && order.size() < 5; ++guard, at = at->nextInFocusChain()) {
            if (at->parentWidget() == w.get() && (at->focusPolicy() & Qt::TabFocus))
                order << (qobject_cast<QAbstractButton *>(at) ? qobject_cast<QAbstractButton *>(at)->text()
                                                          : QString::fromLatin1(at->metaObject()->className()));
        }
        QCOMPARE(order, (QStringList{"MediaListView", "&Add Files", "Add &Folder", "Remove A&ll", "&Convert"}));

        QCOMPARE(m_helpOpened, 1); // the first start offers the help
        QCOMPARE(w->fileList()->header()->sectionSize(0), 250);
        QCOMPARE(w->fileList()->listModel()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Duration"));
    }

    void escapeAndEnterDoNothing()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::keyClick(w->fileList(), Qt::Key_Escape);
        QTest::keyClick(w->fileList(), Qt::Key_Return);
        QVERIFY(w->isVisible());
        QVERIFY(m_prompts.messages.empty());
    }

    void pressingOnAFreePartMovesTheWindow()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QPoint before = w->pos();
        QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(300, 20));
        QTest::mouseMove(w.get(), QPoint(340, 50));
        QTest::mouseRelease(w.get(), Qt::LeftButton, {}, QPoint(340, 50));
        QCOMPARE(w->pos(), before + QPoint(40, 30));
    }

    void largerWindowKeepsTheLeftPaneAndGrowsTheList()
    {
        {
            auto w = makeWindow();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QCOMPARE(w->minimumSize(), QSize(699, 538));
            const QImage small = w->grab().toImage();
            const int statusWidth = w->fileList()->header()->sectionSize(2);
            w->resize(1000, 700);
            QTRY_COMPARE(w->size(), QSize(1000, 700));
            QCOMPARE(w->fileList()->geometry(), QRect(137, 63, 853, 627));
            QCOMPARE(w->fileList()->header()->sectionSize(0), 250);
            QCOMPARE(w->fileList()->header()->sectionSize(2), statusWidth + 301);
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
                if (b->text() == QStringLiteral("&Convert"))
                    QCOMPARE(b->geometry(), QRect(11, 206, 107, 27));
                if (b->toolTip() == QStringLiteral("Close"))
                    QCOMPARE(b->geometry(), QRect(970, 11, 21, 21));
                if (b->toolTip().startsWith(QStringLiteral("Visit")))
                    QCOMPARE(b->geometry().topLeft(), QPoint(9, 669));
            }
            // The skin's corners keep their pictures; the middle stretches.
            const QImage large = w->grab().toImage();
            for (const QPoint &at : {QPoint(5, 5), QPoint(60, 200), QPoint(3, 520), QPoint(695, 30), QPoint(698, 537)}) {
                const QPoint moved(at.x() >= 610 ? at.x() + 301 : at.x(), at.y() >= 490 ? at.y() + 162 : at.y());
                QCOMPARE(large.pixel(moved), small.pixel(at));
            }
            w->resize(300, 200); // never below the default size
            QTRY_COMPARE(w->size(), QSize(699, 538));
            // A double click on the title strip maximises, another restores.
            QTest::mouseDClick(w.get(), Qt::LeftButton, {}, QPoint(300, 20));
            QTRY_VERIFY(w->isMaximized());
            QTest::mouseDClick(w.get(), Qt::LeftButton, {}, QPoint(300, 20));
            QTRY_VERIFY(!w->isMaximized());
            // Within the offscreen screen's 800 x 600, which bounds the size restored.
            w->resize(750, 560);
            QTRY_COMPARE(w->size(), QSize(750, 560));
            w->move(20, 30);
            QTRY_COMPARE(w->pos(), QPoint(20, 30));
            QVERIFY(w->close());
        }
        auto again = makeWindow();
        QCOMPARE(again->size(), QSize(750, 560));
        QCOMPARE(again->fileList()->geometry(), QRect(137, 63, 603, 487));
        QCOMPARE(again->pos(), QPoint(20, 30));
        // A place where the title strip would be off every screen is not taken.
        again->move(-740, 30);
        QVERIFY(again->close());
        again = makeWindow();
        QVERIFY(again->pos().x() >= 0);
    }

    void closingWritesFormatAndPageAndNextStartShowsMp3()
    {
        storeOptions({{"OptStartPageIndex", 1}});
        {
            auto w = makeWindow();
            w->formatSelector()->setCurrentIndex(4);
            QCOMPARE(w->currentFormat(), 4);
            QVERIFY(w->close());
        }
        SettingsStore readBack(settingsFile());
        QCOMPARE(readBack.readNumber("Options", "OutputFormat").value_or(99), 4u);
        QCOMPARE(readBack.readNumber("Options", "OptStartPageIndex").value_or(99), 1u);
        QCOMPARE(readBack.readNumber("Options", "FirstRun").value_or(99), 0u);
        auto again = makeWindow();
        QCOMPARE(again->currentFormat(), 0);
        QCOMPARE(m_helpOpened, 1); // not offered a second time
    }

    void addFolderWithFilterOn()
    {
        const std::string in = m_dir->file("in");
        m_dir->write("in/a.WAV", audio(5));
        m_dir->write("in/b.mp3", audio(6));
        m_dir->write("in/c.ogg", audio(7));
        m_dir->write("in/noext", audio(8));
        const std::string target = m_dir->write("far/e.mp3", audio(9));
        shortcutfile::write(m_dir->file("in/d.lnk"), "..\\far\\e.mp3", "");
        storeOptions({{"EnableExtFilter", 1}}, {{"FilterExts", "WAV,mp3"}, {"Folder", "/start/"}});

        auto w = makeWindow();
        m_prompts.folder = qs(in);
        w->addFolder();
        settle(*w);
        QCOMPARE(m_prompts.lastTitle, QStringLiteral("Please choose a folder:"));
        QCOMPARE(m_prompts.lastStart, QStringLiteral("/start"));
        QStringList names = fileColumn(*w);
        names.sort();
        QCOMPARE(names, (QStringList{"a.WAV", "b.mp3", "e.mp3"}));
        QVERIFY(m_prompts.messages.empty());
        QVERIFY(w->isEnabled());
        // The folder is kept at once, with a trailing "/".
        SettingsStore readBack(settingsFile());
        QCOMPARE(readBack.readText("Options", "Folder").value_or(""), in + "/");
    }

    void addFolderWithFilterOffAndDuplicates()
    {
        m_dir->write("in/a.WAV", audio(5));
        m_dir->write("in/noext", audio(8));
        m_dir->write("in/d.lnk", "not audio");
        auto w = makeWindow();
        m_prompts.folder = qs(m_dir->file("in"));
        w->addFolder();
        settle(*w);
        QStringList names = fileColumn(*w);
        names.sort();
        QCOMPARE(names, (QStringList{"a.WAV", "noext"}));
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Failed to load the following files.\n\n")
                                                 + qs(m_dir->file("in/d.lnk")) + ": " + kUnreadable + "\n");
        QCOMPARE(m_prompts.messages[0].icon, UserPrompts::Icon::Warning);

        // A file given twice, and again inside its dropped folder, is listed once.
        const std::string extra = m_dir->write("more/x.wav", audio(3));
        w->addDropped({extra, extra, m_dir->file("more")});
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 3);
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(w->fileList()->listModel()->cellText(2, 1), QStringLiteral("00:03"));
    }

    void addFolderKeepsItsBytesAndACancelledSearchLeavesNothing()
    {
        // A start folder taken as it stands keeps bytes that are not UTF-8.
        const std::string odd = m_dir->file("caf\xe9");
        m_dir->write("caf\xe9/a.wav", audio(5));
        storeOptions({}, {{"Folder", odd + "/"}});
        auto w = makeWindow();
        m_prompts.folder = QFile::decodeName(QByteArray::fromStdString(odd));
        w->addFolder();
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 1);
        QCOMPARE(w->fileList()->itemOfRow(0)->sourcePath, odd + "/a.wav");
        QCOMPARE(SettingsStore(settingsFile()).readText("Options", "Folder").value_or(""), odd + "/");

        // A folder too long to be read back is searched but not kept.
        const std::string deep = m_dir->file(std::string(120, 'd') + "/" + std::string(140, 'e'));
        m_dir->write(deep.substr(m_dir->path().size() + 1) + "/b.wav", audio(6));
        m_prompts.folder = qs(deep);
        w->addFolder();
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 2);
        QCOMPARE(SettingsStore(settingsFile()).readText("Options", "Folder").value_or(""), odd + "/");

        // Cancel as soon as the search starts: no search thread, no probe service stays.
        for (int i = 0; i < 40; ++i)
            m_dir->write("many/f" + std::to_string(i) + "/x.wav", audio(1));
        const auto threads = [] {
            return std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                 std::filesystem::directory_iterator());
        };
        const auto threadsBefore = threads();
        connect(
            w.get(), &MainWindow::addingWindowOpened, this,
            [](AddingProgressWindow *window) {
                connect(window, &AddingProgressWindow::textChanged, window, [window](const QString &text) {
                    if (text.endsWith(QLatin1String(" found")))
                        window->cancelButton()->click();
                });
            },
            Qt::SingleShotConnection);
        w->addDropped({m_dir->file("many")});
        settle(*w);
        QVERIFY(w->fileList()->rowCount() < 42);
        QVERIFY(!hasChildProcess());
        QCOMPARE(threads(), threadsBefore);
    }

    void droppedNamesKeepTheirBytes()
    {
        // A Latin-1 name is not UTF-8; it must reach the probe unchanged.
        const std::string odd = m_dir->write("caf\xe9.wav", audio(7));
        auto w = makeWindow();
        QMimeData mime;
        mime.setUrls({QUrl::fromEncoded("file://" + QByteArray::fromStdString(odd).toPercentEncoding("/"))});
        // A drop reaches the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(5, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &drop);
        QTRY_COMPARE(w->fileList()->rowCount(), 1);
        QCOMPARE(w->fileList()->itemOfRow(0)->sourcePath, odd);
    }

    void headerClickSorts()
    {
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("long.wav", audio(3725)))
                        << qs(m_dir->write("short.wav", audio(3599)));
        w->addFiles();
        settle(*w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QHeaderView *header = w->fileList()->header();
        const QPoint duration(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, duration);
        QCOMPARE(fileColumn(*w), (QStringList{"short.wav", "long.wav"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, duration);
        QCOMPARE(fileColumn(*w), (QStringList{"long.wav", "short.wav"}));
    }

    void twelveUnreadableFilesGiveOneShortMessage()
    {
        auto w = makeWindow();
        QString expected;
        for (int i = 1; i <= 12; ++i) {
            const std::string p = m_dir->write("bad" + std::to_string(i) + ".wav", "garbage");
            m_prompts.files << qs(p);
            if (i <= 10)
                expected += qs(p) + ": " + kUnreadable + "\n";
        }
        expected += "<more files>...\n";
        w->addFiles();
        settle(*w);
        QCOMPARE(m_prompts.lastStart, QDir::homePath());
        QCOMPARE(m_prompts.lastFilters.size(), 50);
        QVERIFY(m_prompts.lastFilters.front().startsWith(QStringLiteral("All supported files (*.3gp *.3g2 *.swf ")));
        QCOMPARE(m_prompts.lastFilters[1], QStringLiteral("All Files (*)"));
        QCOMPARE(m_prompts.lastFilters.back(), QStringLiteral("YUV Video File (*.yuv)"));
        QCOMPARE(w->fileList()->rowCount(), 0);
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(m_prompts.messages[0].text,
                 QStringLiteral("Failed to load the following files.\n\n") + expected);

        // The next Add Files, in this run and the next, opens where these were picked.
        m_prompts.files.clear();
        w->addFiles();
        settle(*w);
        QCOMPARE(m_prompts.lastStart, qs(m_dir->path()));
        w.reset();
        w = makeWindow();
        w->addFiles();
        settle(*w);
        QCOMPARE(m_prompts.lastStart, qs(m_dir->path()));
    }

    // Every entry shows its files in a real dialog: one file per pattern of each
    // entry that has several, matched by Qt's own filter.
    void openFileFiltersMatchEveryExtension()
    {
        auto w = makeWindow();
        w->addFiles();
        settle(*w);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(m_prompts.lastFilters);
        auto *model = dialog.findChild<QFileSystemModel *>();
        QVERIFY(model);
        int checked = 0;
        for (const QString &filter : std::as_const(m_prompts.lastFilters)) {
            const QString inner = filter.section(QLatin1Char('('), -1).chopped(1);
            const QStringList patterns = inner.split(QLatin1Char(' '));
            if (patterns.size() < 2)
                continue;
            const std::string folder = "filter" + std::to_string(++checked);
            QStringList names;
            for (const QString &pattern : patterns) {
                names << QStringLiteral("a") + pattern.mid(1);
                m_dir->write(folder + "/" + names.back().toStdString());
            }
            m_dir->write(folder + "/other.xyz");
            dialog.selectNameFilter(filter);
            QCOMPARE(dialog.selectedNameFilter(), filter);
            QStringList shown = QDir(qs(m_dir->file(folder))).entryList(model->nameFilters(), QDir::Files);
            shown.sort();
            names.sort();
            names.removeDuplicates();
            QCOMPARE(shown, names);
        }
        QCOMPARE(checked, 22);
    }

    void missingConverterIsReportedOnce()
    {
        auto w = makeWindow(m_dir->file("no-such-kescvt"));
        for (const char *name : {"1.wav", "2.wav", "3.wav"})
            m_prompts.files << qs(m_dir->write(name, audio(2)));
        w->addFiles();
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 0);
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(m_prompts.messages[0].text, qs(m_dir->file("no-such-kescvt"))
                                                 + ": The converter could not be started: No such file or directory.");
    }

    void removeSelectedAndRemoveAll()
    {
        auto w = makeWindow();
        for (const char *name : {"1.wav", "2.wav", "3.wav", "4.wav"})
            m_prompts.files << qs(m_dir->write(name, audio(2)));
        w->addFiles();
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 4);

        w->removeSelected();
        QCOMPARE(m_prompts.messages.back().text, QStringLiteral("You should select a file at least."));
        QCOMPARE(w->fileList()->rowCount(), 4);

        auto *sel = w->fileList()->selectionModel();
        for (int r : {3, 0, 2})
            sel->select(w->fileList()->model()->index(r, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        w->removeSelected();
        QCOMPARE(fileColumn(*w), QStringList{"2.wav"});
        QCOMPARE(w->itemMap().size(), size_t(1));
        w->addFiles(); // the removed files come back; 2.wav stays single
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 4);

        w->removeAll();
        QCOMPARE(w->fileList()->rowCount(), 0);
        QCOMPARE(w->itemMap().size(), size_t(0));
        const size_t before = m_prompts.messages.size();
        w->removeAll();
        QCOMPARE(m_prompts.messages.size(), before + 1);
        QCOMPARE(m_prompts.messages.back().text, QStringLiteral("There aren't files in list."));
        w->convertAll();
        settle(*w);
        QCOMPARE(m_prompts.messages.back().text, QStringLiteral("There aren't files in list."));
        w->convertSelected();
        settle(*w);
        QCOMPARE(m_prompts.messages.back().text, QStringLiteral("You should select a file at least."));
    }

    void convertAllWithSkippedMiddleTarget()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"TargetExistsOpt", 33}, {"BrowseOutputFolder", 1}});
        auto w = makeWindow();
        for (const char *name : {"one.wav", "two.wav", "three.wav"})
            m_prompts.files << qs(m_dir->write(name, audio(4)));
        m_dir->write("two.mp3", "already here");
        w->addFiles();
        settle(*w);
        QCOMPARE(w->fileList()->rowCount(), 3);

        QStringList lowerTexts;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::upperTextChanged, this, [&lowerTexts, bw] {
                if (!lowerTexts.contains(bw->lowerText()))
                    lowerTexts << bw->lowerText();
            });
        });
        w->convertAll();
        settle(*w);
        QCOMPARE(statuses(*w), (QStringList{"one.mp3", "Target exists and skipped", "three.mp3"}));
        QCOMPARE(lowerTexts, (QStringList{"Converting 1 of 3 file(s) to MP3...",
                                          "Converting 2 of 3 file(s) to MP3...",
                                          "Converting 3 of 3 file(s) to MP3..."}));
        QVERIFY(w->isEnabled());
        QCOMPARE(m_shown, std::vector<std::string>{m_dir->file("one.mp3")});
        QVERIFY(w->fileList()->itemOfRow(1)->outputPath.empty());
    }

    void cancelDuringSecondFile()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"BrowseOutputFolder", 1}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("one.wav", audio(4)))
                        << qs(m_dir->write("slow.wav", audio(50, "conv|hang")))
                        << qs(m_dir->write("three.wav", audio(4)));
        w->addFiles();
        settle(*w);
        w->fileList()->setStatus(2, "earlier");

        bool sawDisabled = false;
        bool refusedToClose = false;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            // The controls rest; the frame's close button still answers.
            bool closeAnswers = false;
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                if (b->toolTip() == QStringLiteral("Close"))
                    closeAnswers = b->isEnabled();
            sawDisabled = !w->fileList()->isEnabled() && closeAnswers;
            connect(bw, &BatchProgressWindow::upperTextChanged, this, [&, bw](const QString &text) {
                // Pressed once the slow conversion has written and reported something.
                if (text.startsWith(QStringLiteral("Converting slow.wav...")) && text.endsWith('%')) {
                    refusedToClose = !w->close();
                    bw->cancelButton()->click();
                }
            });
        });
        w->convertAll();
        settle(*w);
        QVERIFY(sawDisabled);
        QVERIFY(refusedToClose); // the main window does not close under running work
        QCOMPARE(statuses(*w), (QStringList{"one.mp3", "Cancelled", "earlier"}));
        QVERIFY(w->isEnabled());
        QVERIFY(!QFile::exists(qs(m_dir->file("slow.mp3"))));
        // Nothing of the interrupted output is left, under any name.
        const QStringList left = QDir(qs(m_dir->path())).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.filter(QStringLiteral("slow")), QStringList{"slow.wav"});
        QVERIFY(QFile::exists(qs(m_dir->file("one.mp3"))));
        QVERIFY(!hasChildProcess());
        QVERIFY(m_shown.empty());
    }

    void closingTheProgressWindowActsAsCancel_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("window manager close") << false;
        QTest::newRow("Esc key") << true;
    }

    void closingTheProgressWindowActsAsCancel()
    {
        QFETCH(bool, byKey);
        storeOptions({{"DestOutputFolderOpt", 199}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("slow.wav", audio(50, "conv|hang")));
        w->addFiles();
        settle(*w);
        QPointer<BatchProgressWindow> seen;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            seen = bw;
            connect(bw, &BatchProgressWindow::upperTextChanged, this, [bw, byKey](const QString &text) {
                if (!text.endsWith('%'))
                    return;
                if (byKey)
                    QTest::keyClick(bw, Qt::Key_Escape);
                else
                    bw->close();
                // The window stays until the work lets it go.
                QVERIFY(bw->isVisible());
            });
        });
        w->convertAll();
        settle(*w);
        QCOMPARE(statuses(*w), QStringList{"Cancelled"});
        QVERIFY(!hasChildProcess());
        QVERIFY(seen.isNull()); // freed once the batch was over
        QVERIFY(w->isEnabled());
    }

    void sortedListConvertsInDisplayOrder()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"BrowseOutputFolder", 0}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("b.wav", audio(20))) << qs(m_dir->write("a.wav", audio(10)))
                        << qs(m_dir->write("c.wav", audio(30)));
        w->addFiles();
        settle(*w);
        // Duration, twice: descending.
        w->fileList()->listModel()->sortByHeaderClick(1);
        w->fileList()->listModel()->sortByHeaderClick(1);
        QCOMPARE(fileColumn(*w), (QStringList{"c.wav", "b.wav", "a.wav"}));
        auto *sel = w->fileList()->selectionModel();
        for (int r : {2, 0})
            sel->select(w->fileList()->model()->index(r, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);

        QStringList order;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::upperTextChanged, this, [&order](const QString &text) {
                if (!text.contains('%'))
                    order << text;
            });
        });
        w->convertSelected();
        settle(*w);
        QCOMPARE(order, (QStringList{"Converting c.wav...", "Converting a.wav..."}));
        QCOMPARE(statuses(*w), (QStringList{"c.mp3", "", "a.mp3"}));
    }

    void twoAtOnceEachRowGetsItsOwnResultAndReason()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"BrowseOutputFolder", 0}, {"SimultaneousConversions", 2}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("one.wav", audio(4))) << qs(m_dir->write("bad.wav", audio(4, "conv|nospace")))
                        << qs(m_dir->write("three.wav", audio(4)));
        w->addFiles();
        settle(*w);
        int lineCount = 0;
        QSet<int> linesUsed;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::lineTextChanged, this, [&, bw](int index, const QString &text) {
                lineCount = bw->lineCount();
                if (!text.isEmpty())
                    linesUsed.insert(index);
            });
        });
        w->convertAll();
        settle(*w);
        QCOMPARE(lineCount, 2);
        QCOMPARE(linesUsed.size(), 2);
        QCOMPARE(statuses(*w), (QStringList{"one.mp3", "Conversion Failure", "three.mp3"}));
        const auto *model = w->fileList()->listModel();
        QCOMPARE(model->data(model->index(1, 2), Qt::ToolTipRole).toString(),
                 QStringLiteral("Conversion Failure\nNo space left on device."));
        QCOMPARE(model->data(model->index(0, 2), Qt::ToolTipRole).toString(),
                 QStringLiteral("one.mp3\nSaved as ") + qs(m_dir->file("one.mp3")));
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(m_prompts.messages[0].text,
                 QStringLiteral("1 of 3 files was not converted.\n\nbad.wav: No space left on device.\n"));
    }

    void filesThatWentToTheDocumentsFolderAreCountedAtTheEnd()
    {
        // The custom folder lies under a plain file: it can never be made.
        const std::string blocked = m_dir->write("blocker") + "/out";
        storeOptions({{"DestOutputFolderOpt", 399}, {"CreateDirs", 1}, {"OutputFiles2MyDocuments", 1},
                      {"BrowseOutputFolder", 0}},
                     {{"DestSpecifiedFolder", blocked}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("one.wav", audio(4))) << qs(m_dir->write("two.wav", audio(4)));
        w->addFiles();
        settle(*w);
        w->convertAll();
        settle(*w);
        QCOMPARE(statuses(*w), (QStringList{"one.mp3", "two.mp3"}));
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        const auto *model = w->fileList()->listModel();
        auto noteOf = [model](int row) {
            return model->data(model->index(row, 2), Qt::ToolTipRole).toString().section(QLatin1Char('\n'), -1);
        };
        QVERIFY(noteOf(0).endsWith(QStringLiteral(", so the file went to the Documents folder instead.")));
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("2 of 2 files went to the Documents folder.\n\n")
                                                 + "one.wav: " + noteOf(0) + "\ntwo.wav: " + noteOf(1) + "\n");
        QCOMPARE(m_prompts.messages[0].icon, UserPrompts::Icon::Information);
    }

    void closingDuringABatchAsksAndNoKeepsItRunning()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"SimultaneousConversions", 2}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("a.wav", audio(50, "conv|hang"))) << qs(m_dir->write("b.wav", audio(50, "conv|hang")))
                        << qs(m_dir->write("c.wav", audio(4)));
        w->addFiles();
        settle(*w);
        w->fileList()->setStatus(2, "earlier");
        w->show();
        QSet<int> reporting;
        bool closedOnNo = true;
        bool runningAfterNo = false;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::lineTextChanged, this, [&](int index, const QString &text) {
                if (!text.endsWith('%') || reporting.contains(index))
                    return;
                reporting.insert(index);
                if (reporting.size() < 2)
                    return;
                // Both tools run: No keeps them going, Yes cancels and quits.
                closedOnNo = w->close();
                runningAfterNo = w->isBusy() && hasChildProcess();
                m_prompts.yes = true;
                w->close();
            });
        });
        // The list goes with the window: its statuses are read when the work ends.
        QStringList finalStatuses;
        connect(w.get(), &MainWindow::workFinished, this, [&] { finalStatuses = statuses(*w); });
        w->convertAll();
        settle(*w);
        QVERIFY(!closedOnNo);
        QVERIFY(runningAfterNo);
        QCOMPARE(m_prompts.questions.size(), 2);
        QCOMPARE(finalStatuses, (QStringList{"Cancelled", "Cancelled", "earlier"}));
        QVERIFY(!w->isVisible());
        QVERIFY(!hasChildProcess());
        QCOMPARE(QDir(qs(m_dir->path())).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"a.wav", "b.wav", "c.wav", "settings.ini"}));
        QVERIFY(m_prompts.messages.empty());
    }

    void closingWhileAddingStopsAndClosesWithoutAQuestion()
    {
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("a.wav", audio(4))) << qs(m_dir->write("b.wav", audio(4, "probe|hang")))
                        << qs(m_dir->write("c.wav", audio(4)));
        w->show();
        bool accepted = true;
        connect(w.get(), &MainWindow::addingWindowOpened, this, [&](AddingProgressWindow *aw) {
            connect(aw, &AddingProgressWindow::textChanged, this, [&](const QString &text) {
                // The hanging probe of b.wav has started; closed from inside the adding.
                if (text == QStringLiteral("Adding file 2 of 3..."))
                    accepted = w->close();
            });
        });
        w->addFiles();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 20000);
        QVERIFY(!accepted); // closed once the adding was stopped, not under it
        QVERIFY(!w->isBusy());
        QVERIFY(!hasChildProcess());
        QVERIFY(m_prompts.questions.isEmpty());
        QVERIFY(m_prompts.messages.empty());
    }

    void destroyedMidBatchLeavesNoTemporaryFile()
    {
        storeOptions({{"DestOutputFolderOpt", 199}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("slow.wav", audio(50, "conv|hang")));
        w->addFiles();
        settle(*w);
        bool reporting = false;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::upperTextChanged, this,
                    [&](const QString &text) { reporting = reporting || text.endsWith('%'); });
        });
        w->convertAll();
        QTRY_VERIFY_WITH_TIMEOUT(reporting, 30000);
        w.reset();
        QVERIFY(!hasChildProcess());
        QCOMPARE(QDir(qs(m_dir->path())).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"settings.ini", "slow.wav"}));
    }

    void yesGivenAfterTheBatchEndedStillQuits()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"BrowseOutputFolder", 0}});
        auto w = makeWindow();
        m_prompts.files << qs(m_dir->write("a.wav", audio(4)));
        w->addFiles();
        settle(*w);
        w->show();
        m_prompts.deferAnswers = true;
        bool closed = true;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::lineTextChanged, this, [&] {
                if (!m_prompts.pending)
                    closed = w->close();
            });
        });
        w->convertAll();
        settle(*w);
        m_prompts.deferAnswers = false;
        QVERIFY(!closed);
        QCOMPARE(statuses(*w), QStringList{"a.mp3"});
        QVERIFY(m_prompts.pending);
        QVERIFY(w->isVisible());
        m_prompts.pending(true);
        QVERIFY(!w->isVisible());
    }

#ifdef REAL_TOOL
    void endToEndWithTheRealConverter()
    {
        storeOptions({{"DestOutputFolderOpt", 399}, {"BrowseOutputFolder", 0}},
                     {{"DestSpecifiedFolder", m_dir->file("out")}});
        auto w = makeWindow(REAL_TOOL);
        writeSineWav(m_dir->file("sine.wav"), 2.0);
        m_prompts.files << qs(m_dir->file("sine.wav"));
        w->addFiles();
        settle(*w);
        QVERIFY2(m_prompts.messages.empty(),
                 m_prompts.messages.empty() ? "" : qPrintable(m_prompts.messages[0].text));
        QCOMPARE(w->fileList()->listModel()->cellText(0, 1), QStringLiteral("00:02"));
        w->convertAll();
        settle(*w);
        QCOMPARE(statuses(*w), QStringList{"sine.mp3"});
        QVERIFY(QFileInfo(qs(m_dir->file("out/sine.mp3"))).size() > 0);
    }

    // With loudness tags on, the files are measured first and the two of one album get
    // one album gain: -20 and -26 LUFS pool to -22.04, a gain of 4.04 dB. The file
    // without an album tag gets its track gain alone.
    void albumGainsWithTheRealConverter()
    {
        storeOptions({{"DestOutputFolderOpt", 199}, {"BrowseOutputFolder", 0}, {"Loudness", 1},
                      {"SimultaneousConversions", 2}});
        auto w = makeWindow(REAL_TOOL);
        auto withAlbum = [](std::string wav, const std::string &album) {
            if (!album.empty()) {
                std::string info = "INFOIPRD";
                const std::string value = album + std::string(album.size() % 2 ? 1 : 2, '\0');
                for (std::uint32_t n = static_cast<std::uint32_t>(value.size()), i = 0; i < 4; ++i)
                    info.push_back(static_cast<char>(n >> (8 * i)));
                info += value;
                wav += "LIST";
                for (std::uint32_t n = static_cast<std::uint32_t>(info.size()), i = 0; i < 4; ++i)
                    wav.push_back(static_cast<char>(n >> (8 * i)));
                wav += info;
            }
            for (std::uint32_t n = static_cast<std::uint32_t>(wav.size() - 8), i = 0; i < 4; ++i)
                wav[4 + i] = static_cast<char>(n >> (8 * i));
            return wav;
        };
        const std::pair<const char *, std::string> files[] = {
            {"a.wav", withAlbum(sineWavBytes(4.0, 44100, 2, 997.0, 3276.8), "Blue")},
            {"b.wav", withAlbum(sineWavBytes(4.0, 44100, 2, 997.0, 1638.4), "Blue")},
            {"c.wav", withAlbum(sineWavBytes(4.0, 44100, 2, 997.0, 3276.8), "")},
        };
        for (const auto &[name, bytes] : files)
            m_prompts.files << qs(m_dir->write(name, bytes));
        w->addFiles();
        settle(*w);
        QStringList lineTexts;
        connect(w.get(), &MainWindow::batchWindowOpened, this, [&](BatchProgressWindow *bw) {
            connect(bw, &BatchProgressWindow::lineTextChanged, this,
                    [&lineTexts](int, const QString &text) { lineTexts << text; });
        });
        w->convertAll();
        settle(*w);
        QCOMPARE(statuses(*w), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
        QVERIFY2(!lineTexts.isEmpty() && lineTexts.first() == QStringLiteral("Measuring a.wav..."),
                 qPrintable(lineTexts.join('|')));
        // The number a TXXX frame of the ID3 tag holds after its key; NaN when it has none.
        auto tag = [this](const char *file, const std::string &key) {
            QFile mp3(qs(m_dir->file(file)));
            const std::string bytes = mp3.open(QIODevice::ReadOnly) ? mp3.read(4096).toStdString() : std::string();
            const std::size_t at = bytes.find(key + '\0');
            return at == std::string::npos ? std::nan("") : std::strtod(bytes.c_str() + at + key.size() + 1, nullptr);
        };
        // Blocks pool in 0.1 LU bins: the album figure may be off by half a bin.
        QVERIFY(std::abs(tag("a.mp3", "REPLAYGAIN_ALBUM_GAIN") - 4.04) < 0.06);
        QCOMPARE(tag("b.mp3", "REPLAYGAIN_ALBUM_GAIN"), tag("a.mp3", "REPLAYGAIN_ALBUM_GAIN"));
        QVERIFY(std::abs(tag("b.mp3", "REPLAYGAIN_TRACK_GAIN") - 8.02) < 0.05);
        QVERIFY(std::abs(tag("c.mp3", "REPLAYGAIN_TRACK_GAIN") - 2.00) < 0.05);
        QVERIFY(std::isnan(tag("c.mp3", "REPLAYGAIN_ALBUM_GAIN")));
    }
#endif
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
