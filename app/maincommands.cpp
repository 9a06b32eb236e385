#include "app/maincommands.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

#include "app/aboutbox.h"
#include "app/commandids.h"
#include "app/helpviewer.h"
#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "app/shellactions.h"
#include "app/siteaddresses.h"
#include "filelist/widgets/medialistview.h"
#include "ui/bcmenu.h"
#include "ui/userprompts.h"
#include "ui/waitcursor.h"

using namespace commandid;

namespace {

// The media item of the top-most selected row, or nullptr.
const MediaItem *firstSelectedItem(const MediaListView &list)
{
    const std::vector<int> rows = list.selectedRows();
    return rows.empty() ? nullptr : list.itemOfRow(rows.front());
}

} // namespace

MainCommands::MainCommands(MainWindow &window, const QString &helpFile)
    : QObject(&window),
      m_window(window),
      m_helpFile(helpFile),
      m_contextMenu(mainmenus::createMenu(mainmenus::contextMenuItems(), &window)),
      m_helpMenu(mainmenus::createMenu(mainmenus::helpMenuItems(), &window))
{
    for (BCMenu *menu : {m_contextMenu, m_helpMenu}) {
        // The rules are applied each time the menu opens, so they always see the
        // list as it is now.
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { applyEnabling(menu); });
        connect(menu, &QMenu::triggered, this, [this](QAction *action) { run(BCMenu::commandOf(action)); });
    }
    MediaListView *list = m_window.fileList();
    m_list = list;
    m_rows = list->viewport();
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    createShortcuts();
}

void MainCommands::createShortcuts()
{
    // Window-wide, so the keys work wherever the focus is in the main window.
    // Ctrl+A is taken too: it would otherwise select every row of the list.
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), kAddFiles},
        {QKeySequence(Qt::Key_Delete), kRemove},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), kUndoRemove},
        {QKeySequence(Qt::CTRL | Qt::Key_A), kNoAction},
        {QKeySequence(Qt::Key_F1), kHelpTopics},
    };
    for (const auto &[sequence, command] : keys) {
        auto *shortcut = new QShortcut(sequence, &m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, command = command] { run(command); });
    }
}

void MainCommands::bindButton(QAbstractButton *button, int command)
{
    if (command == kShowHelpMenu)
        m_helpButton = button;
    connect(button, &QAbstractButton::clicked, this, [this, command] { run(command); });
}

void MainCommands::run(int command)
{
    // While files are added or converted only the frame's own buttons act.
    if (m_window.isBusy() && command != kMinimize && command != kClose)
        return;
    switch (command) {
    case kAddFiles:
        m_window.addFiles();
        break;
    case kAddFolder:
        m_window.addFolder();
        break;
    case kRemove:
        m_window.removeSelected();
        break;
    case kRemoveAll:
        m_window.removeAll();
        break;
    case kUndoRemove:
        m_window.undoRemove();
        break;
    case kConvertSelected:
        m_window.convertSelected();
        break;
    case kConvertAll:
        m_window.convertAll();
        break;
    case kPlaySource:
        playSource();
        break;
    case kPlayDestination:
        playDestination();
        break;
    case kBrowseSourceFolder:
        browseSourceFolder();
        break;
    case kBrowseDestinationFolder:
        browseDestinationFolder();
        break;
    case kOptions:
        m_window.showOptions();
        break;
    case kHelpTopics:
        helpTopics();
        break;
    case kTellAFriend:
        openSiteLink(siteaddresses::tellAFriendLink());
        break;
    case kFeedbackAndSupport:
        openSiteLink(siteaddresses::feedbackLink());
        break;
    case kHomepage:
        openSiteLink(QLatin1String(siteaddresses::kHomePage));
        break;
    case kCheckLatestVersion:
        openSiteLink(siteaddresses::checkForUpdatesLink());
        break;
    case kAbout:
        showAboutBox(&m_window);
        break;
    case kShowHelpMenu:
        showHelpMenu();
        break;
    case kMinimize:
        m_window.showMinimized();
        break;
    case kClose:
        m_window.close();
        break;
    case kNoAction:
    default:
        break;
    }
}

// --- Row commands ------------------------------------------------------------

void MainCommands::playSource()
{
    WaitCursor wait;
    if (const MediaItem *item = firstSelectedItem(*m_window.fileList()))
        openFile(item->sourcePath);
}

void MainCommands::playDestination()
{
    WaitCursor wait;
    // A row never converted has no output; opening an empty path would open
    // the current folder instead.
    const MediaItem *item = firstSelectedItem(*m_window.fileList());
    if (item && !item->outputPath.empty())
        openFile(item->outputPath);
}

void MainCommands::browseSourceFolder()
{
    const MediaItem *item = firstSelectedItem(*m_window.fileList());
    if (!item)
        return;
    WaitCursor wait;
    showInFolder(item->sourcePath);
}

void MainCommands::browseDestinationFolder()
{
    const MediaItem *item = firstSelectedItem(*m_window.fileList());
    if (!item)
        return;
    WaitCursor wait;
    if (!item->outputPath.empty())
        showInFolder(item->outputPath);
}

// --- Help and links ----------------------------------------------------------

void MainCommands::helpTopics()
{
    // An open viewer is brought back rather than a second one opened.
    if (HelpViewer::find()) {
        HelpViewer::showHelp(m_helpFile);
        return;
    }
    WaitCursor wait;
    HelpViewer::showHelp(m_helpFile);
}

void MainCommands::openSiteLink(const QString &link)
{
    const int result = [&link] {
        WaitCursor wait;
        return openLink(link, true);
    }();
    // A link that nothing on the desktop takes is reported as the About box's
    // links report it, rather than leaving no sign at all.
    if (result <= 32)
        userPrompts().message(&m_window, linkFailureMessage(result), UserPrompts::Icon::Warning);
}

// --- Menus -------------------------------------------------------------------

ListSelectionState MainCommands::selectionState() const
{
    const MediaListView &list = *m_window.fileList();
    ListSelectionState state;
    state.rowCount = list.rowCount();
    state.selectedCount = list.selectedCount();
    state.canUndoRemove = m_window.canUndoRemove();
    if (const MediaItem *item = firstSelectedItem(list))
        state.firstSelectedOutput = item->outputPath;
    return state;
}

void MainCommands::applyEnabling(QMenu *menu) const
{
    const ListSelectionState state = selectionState();
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QAction *judged = action;
        if (QMenu *sub = action->menu()) {
            const QList<QAction *> subActions = sub->actions();
            if (subActions.isEmpty())
                continue;
            judged = subActions.front();
        }
        action->setEnabled(isCommandEnabled(BCMenu::commandOf(judged), state));
    }
}

QPoint MainCommands::keyboardMenuPoint(const QRect &globalRect)
{
    const int right = globalRect.left() + globalRect.width();
    const int bottom = globalRect.top() + globalRect.height();
    return {(globalRect.left() + right) / 2, (globalRect.top() + bottom) / 2};
}

QPoint MainCommands::fileListCentre() const
{
    const MediaListView *list = m_window.fileList();
    return keyboardMenuPoint(QRect(list->mapToGlobal(QPoint(0, 0)), list->size()));
}

void MainCommands::showContextMenu(const QPoint &globalPos)
{
    m_contextMenu->popup(globalPos);
}

void MainCommands::showHelpMenu()
{
    if (!m_helpButton)
        return;
    // Top-left corner of the menu at the button's lower-left corner.
    m_helpMenu->popup(m_helpButton->mapToGlobal(QPoint(0, m_helpButton->height())));
}

bool MainCommands::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: the list may be on its way out when events
    // reach its viewport during the window's destruction.
    const bool onList = watched == m_list;
    const bool onRows = watched == m_rows;
    if (!onList && !onRows)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ContextMenu: {
        auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() == QContextMenuEvent::Keyboard) {
            showContextMenu(fileListCentre());
            return true;
        }
        // A right click on the rows; one on the header is not the list's.
        if (onRows) {
            showContextMenu(request->globalPos());
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        // Shift+F10 asks for the context menu as the menu key does; the
        // platform turns only the menu key into a context menu request.
        auto *key = static_cast<QKeyEvent *>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (onList && key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
            showContextMenu(fileListCentre());
            return true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        // The first click has already selected the row under the mouse.
        if (onRows && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            run(kPlaySource);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
