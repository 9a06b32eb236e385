#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/aboutbox.h"
#include "app/maincommands.h"
#include "app/mainwindow.h"
#include "filelist/widgets/addingprogresswindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "filelist/widgets/medialistview.h"
#include "options/widgets/coptsheet.h"
#include "platform/settingsstore.h"
#include "fakeprompts.h"
#include "scratchfolder.h"
#include "ui/accessiblehyperlink.h"
#include "ui/bcmenu.h"
#include "ui/hyperlinklabel.h"
#include "ui/imagebutton.h"
#include "ui/userprompts.h"
#include "whenmodal.h"

namespace {

// What a screen reader user acts on or reads: each needs a name.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::TreeItem:
    case QAccessible::Cell:
    case QAccessible::ColumnHeader:
    case QAccessible::ProgressBar:
    case QAccessible::MenuItem:
    case QAccessible::Slider:
    case QAccessible::Link:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// The shown controls under iface that have no name, each as the path of
// class names that leads to it; counted counts every control met.
void collectNameless(QAccessibleInterface *iface, const QString &path, QStringList &nameless, int &counted,
                     int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40 || iface->state().invisible)
        return;
    const QString here = path + QLatin1Char('/')
        + (iface->object() ? QString::fromLatin1(iface->object()->metaObject()->className())
                           : QStringLiteral("role%1").arg(int(iface->role())));
    if (isControl(iface->role())) {
        ++counted;
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            nameless << here;
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectNameless(iface->child(i), here, nameless, counted, depth + 1);
}

QStringList namelessIn(QObject *top, int minimumControls)
{
    QStringList nameless;
    int counted = 0;
    collectNameless(QAccessible::queryAccessibleInterface(top), QString(), nameless, counted);
    if (counted < minimumControls)
        nameless << QStringLiteral("only %1 controls found").arg(counted);
    return nameless;
}

QWidget *nextTabStop(QWidget *from)
{
    QWidget *at = from->nextInFocusChain();
    while (at != from && !(at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)))
        at = at->nextInFocusChain();
    return at;
}

#define EXPECT_NAMED(nameless)                                                                             \
    do {                                                                                                   \
        const QStringList found = nameless;                                                                \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1String(", "))));                            \
    } while (false)

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchFolder> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    FakePrompts m_prompts;

    std::unique_ptr<MainWindow> makeWindow()
    {
        m_store = std::make_unique<SettingsStore>(m_dir->file("settings.ini"));
        MainWindowSetup setup;
        setup.store = m_store.get();
        setup.converterPath = "/nonexistent/kescvt";
        setup.documentsFolder = [this] { return std::optional<std::string>(m_dir->file("docs")); };
        setup.showInFolder = [](const std::string &) {};
        setup.openFirstRunHelp = [] {};
        setup.closeHelp = [] {};
        auto w = std::make_unique<MainWindow>(setup);
        for (const char *name : {"/music/one.wav", "/music/two.flac"}) {
            auto item = std::make_unique<MediaItem>();
            item->sourcePath = name;
            item->durationSeconds = 61;
            w->fileList()->addRowForItem(std::move(item));
        }
        w->fileList()->setStatus(1, "Done");
        return w;
    }

private slots:
    void initTestCase()
    {
        installAccessibleInterfaces();
        setUserPrompts(&m_prompts);
    }
    void init() { m_dir = std::make_unique<ScratchFolder>(); }
    void cleanup()
    {
        m_store.reset();
        m_dir.reset();
    }
    void cleanupTestCase() { setUserPrompts(nullptr); }

    void everyControlHasAName()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        EXPECT_NAMED(namelessIn(w.get(), 20));

        for (BCMenu *menu : {w->commands()->contextMenu(), w->commands()->helpMenu()}) {
            menu->popup(w->mapToGlobal(QPoint(200, 200)));
            EXPECT_NAMED(namelessIn(menu, 5));
            menu->hide();
        }

        bool sheetChecked = false;
        whenModal(w.get(), [&](QWidget *modal) {
            auto *sheet = qobject_cast<COptSheet *>(modal);
            QVERIFY(sheet);
            // The keyboard meets a page's fields before OK and Cancel.
            QStringList stops;
            QWidget *bar = sheet->findChild<QWidget *>(QStringLiteral("qt_tabwidget_tabbar"));
            QWidget *at = bar;
            do {
                auto *button = qobject_cast<QAbstractButton *>(at);
                stops << (at->objectName().isEmpty() && button ? button->text() : at->objectName());
                at = nextTabStop(at);
            } while (at != bar && stops.size() < 40);
            QCOMPARE(stops.value(1), QStringLiteral("filterCheck"));
            QVERIFY2(stops.indexOf(QStringLiteral("OK")) > stops.indexOf(QStringLiteral("loudnessList")),
                     qPrintable(stops.join(QLatin1Char(' '))));
            EXPECT_NAMED(namelessIn(sheet, 15));
            QVERIFY(sheet->setActivePage(1));
            EXPECT_NAMED(namelessIn(sheet, 10));
            sheetChecked = true;
        });
        w->showOptions();
        QVERIFY(sheetChecked);

        AboutBox about(w.get());
        about.show();
        EXPECT_NAMED(namelessIn(&about, 6));
        QCOMPARE(QAccessible::queryAccessibleInterface(about.homePageLink())->role(), QAccessible::Link);

        BatchProgressWindow batch;
        batch.setLineCount(2);
        batch.open(w.get());
        EXPECT_NAMED(namelessIn(&batch, 4));
        batch.finish();
        AddingProgressWindow adding;
        adding.open(w.get());
        EXPECT_NAMED(namelessIn(&adding, 2));
        adding.finish();
    }

    // Tab walks the window's controls top to bottom, Enter and Space press the
    // focused one or open a focused link, and a progress window opens with
    // Cancel focused, Esc cancelling.
    void keyboardAlone()
    {
        auto w = makeWindow();
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->fileList()->setFocus();
        QStringList order;
        for (int i = 0; i < 11; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            order << (qobject_cast<ImageButton *>(focus) ? qobject_cast<ImageButton *>(focus)->accessibleName()
                                                         : QString::fromLatin1(focus->metaObject()->className()));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"MediaListView", "Add files", "Add files from a folder", "Remove all files in list",
                                     "Convert all files", "QComboBox", "Options", "Visit Sonavert Homepage", "Help",
                                     "Minimize", "Close"}));

        ImageButton *add = nullptr;
        for (ImageButton *b : w->findChildren<ImageButton *>())
            if (b->accessibleName() == QLatin1String("Add files"))
                add = b;
        QVERIFY(add);
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Return);
        QTest::keyClick(add, Qt::Key_Space);
        QCOMPARE(m_prompts.fileDialogs, 2);

        // A link opens by Enter and by a screen reader's press action.
        HyperlinkLabel link(QStringLiteral("Site"), QStringLiteral("https://example.org/"));
        int opened = 0;
        link.setLinkOpener([&opened](QWidget *, const QString &) { return ++opened > 0; });
        QVERIFY(link.focusPolicy() & Qt::TabFocus);
        QTest::keyClick(&link, Qt::Key_Return);
        QAccessibleInterface *linkIface = QAccessible::queryAccessibleInterface(&link);
        linkIface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened, 2);
        QVERIFY(linkIface->state().traversed);

        BatchProgressWindow batch;
        batch.open(w.get());
        QApplication::setActiveWindow(&batch);
        QCOMPARE(QApplication::focusWidget(), batch.cancelButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(batch.isCancelRequested());
        batch.finish();
    }

    // A row's status reads as the status cell's name, in words also before
    // the row has one. (That the change is sent to the accessibility bus needs
    // a platform with one, which this test's platform is not.)
    void statusCellReadsTheStatus()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->fileList());
        QVERIFY(list && list->tableInterface());
        QAccessibleInterface *cell = list->tableInterface()->cellAt(0, MediaListModel::StatusColumn);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Not converted"));
        w->fileList()->setStatus(0, "Failed");
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Failed"));
        QCOMPARE(list->tableInterface()->cellAt(1, MediaListModel::StatusColumn)->text(QAccessible::Name),
                 QStringLiteral("Done"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
