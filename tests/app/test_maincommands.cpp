#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QPointer>
#include <QTest>

#include "app/commandids.h"
#include "app/helpviewer.h"
#include "app/maincommands.h"
#include "app/mainwindow.h"
#include "app/shellactions.h"
#include "filelist/widgets/medialistview.h"
#include "core/formatcatalogue.h"
#include "platform/settingsstore.h"
#include "fakeprompts.h"
#include "recordingactions.h"
#include "scratchfolder.h"
#include "ui/bcmenu.h"
#include "ui/userprompts.h"


namespace {

int viewerCount()
{
    int viewers = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        viewers += qobject_cast<HelpViewer *>(w) != nullptr && w->isVisible();
    return viewers;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// The commands of the menu's enabled items, in menu order.
QList<Command> enabledCommands(const QMenu *menu)
{
    QList<Command> enabled;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            enabled << commandOfMenuId(BCMenu::commandOf(action));
    return enabled;
}

} // namespace

class TestMainCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScratchFolder> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    RecordingActions m_shell;
    FakePrompts m_prompts;

    std::unique_ptr<MainWindow> makeWindow(bool defaultFirstRunHelp = false)
    {
        if (!m_store)
            m_store = std::make_unique<SettingsStore>(m_dir->file("settings.ini"));
        MainWindowSetup setup;
        setup.store = m_store.get();
        setup.converterPath = m_dir->file("no-tool");
        setup.documentsFolder = [this] { return std::optional<std::string>(m_dir->file("docs")); };
        setup.helpFile = HELP_FILE;
        if (!defaultFirstRunHelp)
            setup.openFirstRunHelp = [] {};
        return std::make_unique<MainWindow>(setup);
    }

    // Shows the window at the screen's top-left corner and makes it active, as
    // the window-wide keys need.
    static void showActive(MainWindow &w)
    {
        w.move(0, 0);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    static void addRows(MainWindow &w, const QStringList &names)
    {
        for (const QString &name : names) {
            auto item = std::make_unique<MediaItem>();
            item->sourcePath = "/music/" + name.toStdString();
            item->durationSeconds = 60;
            w.fileList()->addRowForItem(std::move(item));
        }
    }

    static void select(MainWindow &w, std::initializer_list<int> rows)
    {
        MediaListView *list = w.fileList();
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    static QAbstractButton *buttonWithTip(MainWindow &w, const QString &tip)
    {
        for (QAbstractButton *b : w.findChildren<QAbstractButton *>())
            if (b->toolTip() == tip)
                return b;
        return nullptr;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<ScratchFolder>();
        m_shell.calls.clear();
        m_prompts.messages.clear();
        m_prompts.fileDialogs = 0;
        setShellActions(&m_shell);
        setUserPrompts(&m_prompts);
    }

    void cleanup()
    {
        HelpViewer::closeHelp();
        flushDeletes();
        setShellActions(nullptr);
        setUserPrompts(nullptr);
        m_store.reset();
        m_dir.reset();
    }

    void rightClickMenuIsEnabledByTheList()
    {
        auto w = makeWindow();
        showActive(*w);
        BCMenu *menu = w->commands()->contextMenu();
        QWidget *rows = w->fileList()->viewport();

        const QPoint at(40, 30);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, rows->mapToGlobal(at));
        QApplication::sendEvent(rows, &click);
        QVERIFY(menu->isVisible());
        QCOMPARE(enabledCommands(menu), (QList<Command>{Command::AddFiles, Command::AddFolder}));
        menu->hide();

        // Two rows, the second selected: its output is the one that counts.
        addRows(*w, {"a.wav", "b.wav"});
        w->fileList()->itemOfRow(1)->outputPath = "/music/b.mp3";
        select(*w, {1});
        QApplication::sendEvent(rows, &click);
        QCOMPARE(enabledCommands(menu).size(), 10);
        menu->hide();

        w->fileList()->itemOfRow(1)->outputPath.clear();
        select(*w, {0, 1});
        QApplication::sendEvent(rows, &click);
        QCOMPARE(enabledCommands(menu),
                 (QList<Command>{Command::ConvertSelected, Command::ConvertAll, Command::AddFiles, Command::AddFolder,
                                 Command::Remove, Command::RemoveAll}));
        menu->hide();
    }

    // Ctrl+Z and the menu's Undo Remove bring back the rows of the last
    // removal, in place and with their statuses; adding files drops the undo.
    void undoBringsBackTheLastRemoval()
    {
        auto w = makeWindow();
        showActive(*w);
        addRows(*w, {"a.wav", "b.wav", "c.wav", "d.wav"});
        MediaListModel *model = w->fileList()->listModel();
        auto files = [model] {
            QStringList names;
            for (int r = 0; r < model->rowCount(); ++r)
                names << model->cellText(r, 0) + ' ' + model->cellText(r, 2);
            return names;
        };
        w->fileList()->setStatus(1, "b.mp3");
        w->fileList()->setStatusDetail(1, "Saved as /out/b.mp3");
        w->fileList()->setStatus(3, "Cancelled");
        const QStringList all = files();
        select(*w, {1, 3});
        QTest::keyClick(w.get(), Qt::Key_Delete);
        QCOMPARE(files(), (QStringList{"a.wav ", "c.wav "}));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(files(), all);
        QCOMPARE(model->data(model->index(1, 2), Qt::ToolTipRole).toString(),
                 QStringLiteral("b.mp3\nSaved as /out/b.mp3"));

        w->removeAll();
        QCOMPARE(model->rowCount(), 0);
        BCMenu *menu = w->commands()->contextMenu();
        QWidget *rows = w->fileList()->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 30), rows->mapToGlobal(QPoint(40, 30)));
        QApplication::sendEvent(rows, &click);
        QCOMPARE(enabledCommands(menu), (QList<Command>{Command::AddFiles, Command::AddFolder, Command::UndoRemove}));
        menu->findCommand(menuId(Command::UndoRemove))->trigger();
        menu->hide();
        QCOMPARE(files(), all);
        QCOMPARE(w->itemMap().size(), size_t(4));

        // Nothing twice; and an add in between leaves nothing to bring back.
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model->rowCount(), 4);
        w->removeAll();
        w->addDropped({m_dir->write("new.wav", "x")});
        QTRY_VERIFY(!w->isBusy());
        QVERIFY(!w->canUndoRemove());
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model->rowCount(), 0);
    }

    void menuKeyOpensTheMenuAtTheListCentre()
    {
        QCOMPARE(MainCommands::keyboardMenuPoint(QRect(137, 63, 552, 465)), QPoint(413, 295));
        QCOMPARE(MainCommands::keyboardMenuPoint(QRect(10, 10, 5, 5)), QPoint(12, 12));

        auto w = makeWindow();
        showActive(*w);
        BCMenu *menu = w->commands()->contextMenu();
        MediaListView *list = w->fileList();
        list->setFocus();
        const QPoint centre = MainCommands::keyboardMenuPoint(QRect(list->mapToGlobal(QPoint(0, 0)), list->size()));

        // The menu key arrives with the mouse's position, which is not used.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list, &key);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), centre);
        menu->hide();

        QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), centre);
        menu->hide();
    }

    void keysWorkWhereverTheFocusIs()
    {
        auto w = makeWindow();
        showActive(*w);
        addRows(*w, {"a.wav", "b.wav", "c.wav"});
        MediaListView *list = w->fileList();

        select(*w, {0, 2});
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->itemOfRow(0)->sourcePath, std::string("/music/b.wav"));

        // Ctrl+A is taken from the list and does nothing.
        list->clearSelection();
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list->selectedCount(), 0);
        QCOMPARE(list->rowCount(), 1);
        QVERIFY(m_prompts.messages.empty());

        // Ctrl+O from the format selector, Del with nothing selected.
        w->formatSelector()->setFocus();
        QTest::keyClick(w->formatSelector(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_prompts.fileDialogs, 1);
        QTest::keyClick(w->formatSelector(), Qt::Key_Delete);
        QCOMPARE(m_prompts.texts(), QStringList{"You should select a file at least."});
        QCOMPARE(w->formatSelector()->currentIndex(), 0);
    }

    void helpTopicsKeepsOneViewer()
    {
        auto w = makeWindow();
        showActive(*w);
        QTest::keyClick(w->fileList(), Qt::Key_F1);
        QPointer<HelpViewer> viewer = HelpViewer::find();
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Sonavert Help"));
        QVERIFY(!viewer->isMaximized());
        // The whole window on the screen, which is smaller than its usual size here.
        QVERIFY(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));

        viewer->showMinimized();
        w->commands()->run(Command::HelpTopics);
        QCOMPARE(HelpViewer::find(), viewer.data());
        QCOMPARE(viewerCount(), 1);
        QVERIFY(!viewer->isMinimized());

        // Shift+F1 is not a help request.
        viewer->close();
        flushDeletes();
        showActive(*w);
        QTest::keyClick(w->fileList(), Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(viewerCount(), 0);
    }

    void firstRunHelpOpensMaximisedAndComesBackMaximised()
    {
        auto w = makeWindow(true);
        // It opens once the main window is shown, in front of it.
        QVERIFY(!HelpViewer::find());
        w->show();
        QCoreApplication::processEvents();
        QPointer<HelpViewer> viewer = HelpViewer::find();
        QVERIFY(viewer);
        QVERIFY(viewer->isMaximized());
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        viewer->showMinimized();
        w->commands()->run(Command::HelpTopics);
        QVERIFY(!viewer->isMinimized());
        QVERIFY(viewer->isMaximized());

        // Closing the main window closes the viewer.
        showActive(*w);
        QVERIFY(w->close());
        flushDeletes();
        QVERIFY(viewer.isNull());
        QCOMPARE(viewerCount(), 0);

        // The next start offers no help.
        auto again = makeWindow(true);
        again->show();
        QCoreApplication::processEvents();
        QCOMPARE(viewerCount(), 0);
    }

    void linksGoOutTextForText()
    {
        auto w = makeWindow();
        showActive(*w);
        BCMenu *help = w->commands()->helpMenu();
        for (Command command :
             {Command::TellAFriend, Command::FeedbackAndSupport, Command::Homepage, Command::CheckLatestVersion})
            help->findCommand(menuId(command))->trigger();
        QAbstractButton *link = buttonWithTip(*w, QStringLiteral("Visit Sonavert Homepage"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("www.kestrune.com"));
        link->click();
        QCOMPARE(m_shell.calls,
                 (QStringList{
                     "link mailto:?subject=Sonavert - very COOL application!!!&body=Download from "
                     "https://www.kestrune.com/",
                     "link mailto:support@kestrune.com",
                     "link https://www.kestrune.com/",
                     "link https://www.kestrune.com/checkforupdates/?ver=2.7&build=719",
                     "link https://www.kestrune.com/",
                 }));
        QVERIFY(m_prompts.messages.empty());
        // A link that nothing takes is reported.
        m_shell.result = LinkResult::NoAssociation;
        help->findCommand(menuId(Command::CheckLatestVersion))->trigger();
        m_shell.result = LinkResult::Opened;
        QCOMPARE(m_prompts.texts(), QStringList{linkFailureMessage(LinkResult::NoAssociation)});
    }

    void helpButtonOpensItsMenuBelowIt()
    {
        auto w = makeWindow();
        showActive(*w);
        // Far enough left that the menu fits on the screen where it is put.
        w->move(-500, 0);
        QAbstractButton *button = buttonWithTip(*w, QStringLiteral("Help"));
        QVERIFY(button);
        button->click();
        BCMenu *menu = w->commands()->helpMenu();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(0, button->height())));
        QCOMPARE(enabledCommands(menu).size(), 6);
        menu->hide();
    }

    void rowCommandsTakeTheTopMostSelectedRow()
    {
        auto w = makeWindow();
        showActive(*w);
        addRows(*w, {"a.wav", "b.wav", "c.wav"});
        MainCommands *commands = w->commands();

        // A double-click plays the row its first click selected. (QTest sends
        // the double-click event alone, without the press before it.)
        MediaListView *list = w->fileList();
        const QRect second = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QVERIFY(m_shell.calls.isEmpty());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(m_shell.calls, QStringList{"open /music/b.wav"});

        m_shell.calls.clear();
        select(*w, {2, 1});
        for (Command command : {Command::PlaySource, Command::BrowseSourceFolder, Command::PlayDestination,
                                Command::BrowseDestinationFolder})
            commands->run(command);
        // Without an output, the destination commands do nothing.
        QCOMPARE(m_shell.calls, (QStringList{"open /music/b.wav", "show /music/b.wav"}));

        m_shell.calls.clear();
        list->itemOfRow(1)->outputPath = "/out/b.mp3";
        commands->run(Command::PlayDestination);
        commands->run(Command::BrowseDestinationFolder);
        QCOMPARE(m_shell.calls, (QStringList{"open /out/b.mp3", "show /out/b.mp3"}));

        m_shell.calls.clear();
        list->clearSelection();
        for (Command command : {Command::PlaySource, Command::BrowseSourceFolder, Command::PlayDestination,
                                Command::BrowseDestinationFolder})
            commands->run(command);
        QVERIFY(m_shell.calls.isEmpty());
        QVERIFY(m_prompts.messages.empty());
    }

    void helpPageCoversEveryFormatAndStatus()
    {
        QFile page(QStringLiteral(HELP_FILE));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll()).simplified();
        for (int n = 0; n < kFormatCount; ++n)
            QVERIFY2(text.contains(QStringLiteral("<tr><td>%1</td><td>.%2</td>")
                                       .arg(QString::fromUtf8(formatEntry(n).displayName),
                                            QString::fromUtf8(formatEntry(n).extension))),
                     formatEntry(n).displayName);
        for (const char *status :
             {"Converting...", "Conversion Failure", "Cancelled", "Target exists and skipped",
              "Target file name is same as original file that can't be overwritten. Please output files to a "
              "custom folder.",
              "Failed to create folder \"", "Failed to create file \""})
            QVERIFY2(text.contains(QStringLiteral("<tr><td>") + QString::fromUtf8(status)), status);
    }

    void minimizeAndCloseButtons()
    {
        auto w = makeWindow();
        showActive(*w);
        buttonWithTip(*w, QStringLiteral("Minimize"))->click();
        QVERIFY(w->isMinimized());
        w->showNormal();
        buttonWithTip(*w, QStringLiteral("Close"))->click();
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestMainCommands)
#include "test_maincommands.moc"
