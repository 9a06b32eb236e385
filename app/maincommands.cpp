#include "app/maincommands.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

#include "app/aboutbox.h"
#include "app/commandids.h"
#include "app/commandtarget.h"
#include "app/helpviewer.h"
#include "app/mainmenus.h"
#include "app/shellactions.h"
#include "app/siteaddresses.h"
#include "filelist/widgets/medialistview.h"
#include "ui/bcmenu.h"
#include "ui/userprompts.h"
#include "ui/waitcursor.h"

namespace {

// The media item of the top-most selected row, or nullptr.
const MediaItem *firstSelectedItem(const MediaListView &list)
{
    const std::vector<int> rows = list.selectedRows();
    return rows.empty() ? nullptr : list.itemOfRow(rows.front());
}

} // namespace

MainCommands::MainCommands(CommandTarget &target, const QString &helpFile)
    : QObject(target.commandWindow()),
      m_target(target),
      m_window(*target.commandWindow()),
      m_helpFile(helpFile),
      m_contextMenu(mainmenus::createMenu(mainmenus::contextMenuItems(), &m_window)),
      m_helpMenu(mainmenus::createMenu(mainmenus::helpMenuItems(), &m_window))
{
    for (BCMenu *menu : {m_contextMenu, m_helpMenu}) {
        // The rules are applied each time the menu opens, so they always see the
        // list as it is now.
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { applyEnabling(menu); });
        connect(menu, &QMenu::triggered, this,
                [this](QAction *action) { run(commandOfMenuId(BCMenu::commandOf(action))); });
    }
    MediaListView *list = m_target.fileList();
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
    const std::pair<QKeySequence, Command> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), Command::AddFiles},
        {QKeySequence(Qt::Key_Delete), Command::Remove},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), Command::UndoRemove},
        {QKeySequence(Qt::CTRL | Qt::Key_A), Command::NoAction},
        {QKeySequence(Qt::Key_F1), Command::HelpTopics},
    };
    for (const auto &[sequence, command] : keys) {
        auto *shortcut = new QShortcut(sequence, &m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, command = command] { run(command); });
    }
}

void MainCommands::bindButton(QAbstractButton *button, Command command)
{
    if (command == Command::ShowHelpMenu)
        m_helpButton = button;
    connect(button, &QAbstractButton::clicked, this, [this, command] { run(command); });
}

void MainCommands::run(Command command)
{
    // While files are added or converted only the frame's own buttons act.
    if (m_target.isBusy() && command != Command::Minimize && command != Command::Close)
        return;
    switch (command) {
    case Command::AddFiles:
        m_target.addFiles();
        break;
    case Command::AddFolder:
        m_target.addFolder();
        break;
    case Command::Remove:
        m_target.removeSelected();
        break;
    case Command::RemoveAll:
        m_target.removeAll();
        break;
    case Command::UndoRemove:
        m_target.undoRemove();
        break;
    case Command::ConvertSelected:
        m_target.convertSelected();
        break;
    case Command::ConvertAll:
        m_target.convertAll();
        break;
    case Command::PlaySource:
        playSource();
        break;
    case Command::PlayDestination:
        playDestination();
        break;
    case Command::BrowseSourceFolder:
        browseSourceFolder();
        break;
    case Command::BrowseDestinationFolder:
        browseDestinationFolder();
        break;
    case Command::Options:
        m_target.showOptions();
        break;
    case Command::HelpTopics:
        helpTopics();
        break;
    case Command::TellAFriend:
        openSiteLink(siteaddresses::tellAFriendLink());
        break;
    case Command::FeedbackAndSupport:
        openSiteLink(siteaddresses::feedbackLink());
        break;
    case Command::Homepage:
        openSiteLink(QLatin1String(siteaddresses::kHomePage));
        break;
    case Command::CheckLatestVersion:
        openSiteLink(siteaddresses::checkForUpdatesLink());
        break;
    case Command::About:
        showAboutBox(&m_window);
        break;
    case Command::ShowHelpMenu:
        showHelpMenu();
        break;
    case Command::Minimize:
        m_window.showMinimized();
        break;
    case Command::Close:
        m_window.close();
        break;
    case Command::NoAction:
    default:
        break;
    }
}

// --- Row commands ------------------------------------------------------------

void MainCommands::playSource()
{
    WaitCursor wait;
    if (const MediaItem *item = firstSelectedItem(*m_target.fileList()))
        openFile(item->sourcePath);
}

void MainCommands::playDestination()
{
    WaitCursor wait;
    // A row never converted has no output; opening an empty path would open
    // the current folder instead.
    const MediaItem *item = firstSelectedItem(*m_target.fileList());
    if (item && !item->outputPath.empty())
        openFile(item->outputPath);
}

void MainCommands::browseSourceFolder()
{
    const MediaItem *item = firstSelectedItem(*m_target.fileList());
    if (!item)
        return;
    WaitCursor wait;
    showInFolder(item->sourcePath);
}

void MainCommands::browseDestinationFolder()
{
    const MediaItem *item = firstSelectedItem(*m_target.fileList());
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
    const LinkResult result = [&link] {
        WaitCursor wait;
        return openLink(link, true);
    }();
    // A link that nothing on the desktop takes is reported as the About box's
    // links report it, rather than leaving no sign at all.
    if (result != LinkResult::Opened)
        userPrompts().message(&m_window, linkFailureMessage(result), UserPrompts::Icon::Warning);
}

// --- Menus -------------------------------------------------------------------

ListSelectionState MainCommands::selectionState() const
{
    const MediaListView &list = *m_target.fileList();
    ListSelectionState state;
    state.rowCount = list.rowCount();
    state.selectedCount = list.selectedCount();
    state.canUndoRemove = m_target.canUndoRemove();
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
        action->setEnabled(isCommandEnabled(commandOfMenuId(BCMenu::commandOf(judged)), state));
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
    const MediaListView *list = m_target.fileList();
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
            run(Command::PlaySource);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
