#include "app/mainwindow.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "app/addingrun.h"
#include "app/batchrun.h"
#include "app/commandids.h"
#include "app/desktopnotification.h"
#include "app/helpviewer.h"
#include "app/maincommands.h"
#include "app/mainwindowlook.h"
#include "app/shellactions.h"
#include "app/siteaddresses.h"
#include "batch/widgets/addingprogresswindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "filelist/filecollector.h"
#include "filelist/openfilefilters.h"
#include "filelist/widgets/medialistview.h"
#include "formats/formatcatalogue.h"
#include "formats/generaloptionsrules.h"
#include "formats/widgets/optionssheet.h"
#include "platform/documentsfolder.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "ui/imagebutton.h"
#include "ui/userprompts.h"
#include "ui/waitcursor.h"

namespace {

QString qs(const std::string &bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string bytes(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

ImageButton *makeButton(QWidget *parent, const QRect &rect, const QString &caption,
                        const QString &tip)
{
    auto *button = new ImageButton(caption, parent);
    button->setGeometry(rect);
    button->setToolTip(tip);
    return button;
}

} // namespace

MainWindow::MainWindow(MainWindowSetup setup)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_setup(std::move(setup))
{
    // Construction: defaults first, nothing read yet.
    if (!m_setup.documentsFolder)
        m_setup.documentsFolder = [] { return documentsFolder(); };
    if (!m_setup.showInFolder)
        m_setup.showInFolder = [](const std::string &path) { showInFolder(path); };
    if (m_setup.helpFile.empty()) {
        const std::string folder = programFolder();
        if (!folder.empty())
            m_setup.helpFile = folder + "snvc.html";
    }
    if (!m_setup.openFirstRunHelp) {
        // Opened from the event loop, once the main window is on the screen, so
        // the help comes up in front of it.
        m_setup.openFirstRunHelp = [this, help = qs(m_setup.helpFile)] {
            QMetaObject::invokeMethod(
                this, [help] { HelpViewer::showHelp(help, true); }, Qt::QueuedConnection);
        };
    }
    if (!m_setup.closeHelp)
        m_setup.closeHelp = [] { HelpViewer::closeHelp(); };
    if (!m_setup.notify)
        m_setup.notify = [](const QString &summary, const QString &body) { sendDesktopNotification(summary, body); };
    if (m_setup.store) {
        m_store = m_setup.store;
    } else {
        m_ownStore = std::make_unique<SettingsStore>();
        m_store = m_ownStore.get();
    }

    m_settings = defaultProgramSettings(m_setup.documentsFolder().value_or(std::string()));
    m_converterPath = m_setup.converterPath.empty() ? converterPath() : m_setup.converterPath;
    m_params = defaultEncodingParamsSet();
    m_currentFormat = 0;

    // Initialisation, in the order the stored state expects.
    loadStoredState();
    setWindowTitle(QStringLiteral("Sonavert"));
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
    buildControls();
    fillFormatSelector();
    setAcceptDrops(true);
    // The cursor shows where an edge can be dragged to resize.
    setMouseTracking(true);
    m_openRetry.setSingleShot(true);
    m_openRetry.setInterval(250);
    connect(&m_openRetry, &QTimer::timeout, this, &MainWindow::openPendingFiles);

    restoreWindowSize();
    layoutControls();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!restoreWindowPosition() && screen) {
        // On a screen smaller than the window (large scaling) the title strip
        // with its buttons stays on the screen; the bottom is what goes off.
        const QRect free = screen->availableGeometry();
        const QPoint centred = free.center() - QPoint(width() / 2, height() / 2);
        move(std::max(centred.x(), free.left()), std::max(centred.y(), free.top()));
    }

    runFirstRunCheck(*m_store, m_setup.openFirstRunHelp);
    m_list->setFocus();
}

MainWindow::~MainWindow()
{
    shutDown();
}

void MainWindow::loadStoredState()
{
    readProgramSettings(*m_store, m_settings);
    m_extensionFilter = buildExtensionFilterList(m_settings);
    for (int n = 0; n < kFormatCount; ++n)
        loadEncodingParams(*m_store, n, m_params[static_cast<size_t>(n)]);
}

void MainWindow::buildControls()
{
    m_list = new MediaListView(this);

    m_addFilesButton = makeButton(this, {11, 72, 107, 27}, QStringLiteral("&Add Files"),
                                  QStringLiteral("Add files"));
    m_addFolderButton = makeButton(this, {11, 115, 107, 27}, QStringLiteral("Add &Folder"),
                                   QStringLiteral("Add files from a folder"));
    m_removeAllButton = makeButton(this, {11, 161, 107, 27}, QStringLiteral("Remove A&ll"),
                                   QStringLiteral("Remove all files in list"));
    m_convertButton = makeButton(this, {11, 206, 107, 27}, QStringLiteral("&Convert"),
                                 QStringLiteral("Convert all files"));

    m_formatSelector = new QComboBox(this);
    m_formatSelector->setEditable(false);
    // 23 pixels high, so it sits inside the selector's frame drawn on the skin.
    m_formatSelector->setGeometry(14, 239, 98, 23);
    m_formatSelector->setToolTip(QStringLiteral("Output format"));
    m_formatSelector->setMaxVisibleItems(kFormatCount);

    m_optionsButton = makeButton(this, {11, 278, 107, 27}, QStringLiteral("&Options"),
                                 QStringLiteral("Options"));
    m_linkButton = makeButton(this, {9, 507, 113, 20}, QString::fromLatin1(siteaddresses::kSiteHost),
                              QStringLiteral("Visit %1 Homepage").arg(QStringLiteral("Sonavert")));
    m_helpButton = makeButton(this, {624, 11, 21, 21}, QStringLiteral("?"), QStringLiteral("Help"));
    m_minimizeButton =
        makeButton(this, {647, 11, 21, 21}, QStringLiteral("_"), QStringLiteral("Minimize"));
    m_closeButton = makeButton(this, {669, 11, 21, 21}, QStringLiteral("x"), QStringLiteral("Close"));

    dressControls();
    layoutControls();

    QWidget *order[] = {m_list,           m_addFilesButton, m_addFolderButton, m_removeAllButton,
                        m_convertButton,  m_formatSelector, m_optionsButton,   m_linkButton,
                        m_helpButton,     m_minimizeButton, m_closeButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Buttons, menus and keys all reach their commands through one dispatcher.
    m_commands = new MainCommands(*this, qs(m_setup.helpFile));
    const std::pair<QAbstractButton *, int> commands[] = {
        {m_addFilesButton, commandid::kAddFiles},   {m_addFolderButton, commandid::kAddFolder},
        {m_removeAllButton, commandid::kRemoveAll}, {m_convertButton, commandid::kConvertAll},
        {m_optionsButton, commandid::kOptions},     {m_linkButton, commandid::kHomepage},
        {m_helpButton, commandid::kShowHelpMenu},   {m_minimizeButton, commandid::kMinimize},
        {m_closeButton, commandid::kClose},
    };
    for (const auto &[button, command] : commands)
        m_commands->bindButton(button, command);
}

void MainWindow::dressControls()
{
    using namespace mainwindowlook;
    m_skin = skin();
    setWindowIcon(programIcon());
    // The list and the selector in the 8-point dialog face, as the buttons.
    setFont(dialogFont());
    for (ImageButton *button : {m_addFilesButton, m_addFolderButton, m_removeAllButton, m_convertButton,
                                m_optionsButton})
        dressTextButton(button, m_skin);
    dressLinkButton(m_linkButton, m_skin);
    dressIconButton(m_helpButton, QString::fromLatin1(kHelpIcon), m_skin);
    dressIconButton(m_minimizeButton, QString::fromLatin1(kMinimizeIcon), m_skin);
    dressIconButton(m_closeButton, QString::fromLatin1(kCloseIcon), m_skin);
    setToolTipDelay(this, {m_addFilesButton, m_addFolderButton, m_removeAllButton, m_convertButton,
                           m_formatSelector, m_optionsButton, m_linkButton, m_helpButton,
                           m_minimizeButton, m_closeButton});
}

void MainWindow::layoutControls()
{
    if (!m_list)
        return;
    const int w = width();
    const int h = height();
    const int right = w - kWidth;
    const int bottom = h - kHeight;
    m_list->setGeometry(137, 63, 552 + right, 465 + bottom);
    m_linkButton->move(9, 507 + bottom);
    m_helpButton->move(624 + right, 11);
    m_minimizeButton->move(647 + right, 11);
    m_closeButton->move(669 + right, 11);
    refreshBackground();
    update();
}

void MainWindow::refreshBackground()
{
    m_background = mainwindowlook::stretchedSkin(m_skin, size(), devicePixelRatioF());
    for (ImageButton *button : findChildren<ImageButton *>(Qt::FindDirectChildrenOnly))
        button->setParentBackground(m_background);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void MainWindow::paintEvent(QPaintEvent *)
{
    // The skin is the whole background; the controls paint themselves.
    // Moved to a screen of another scale, or resized before the first show.
    if (m_background.deviceIndependentSize().toSize() != size() ||
        !qFuzzyCompare(m_background.devicePixelRatio(), devicePixelRatioF()))
        refreshBackground();
    QPainter(this).drawPixmap(0, 0, m_background);
}

void MainWindow::restoreWindowSize()
{
    const int w = int(m_store->readNumber("Window", "Width").value_or(kWidth));
    const int h = int(m_store->readNumber("Window", "Height").value_or(kHeight));
    QSize size(std::max(w, kWidth), std::max(h, kHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size()).expandedTo(QSize(kWidth, kHeight));
    resize(size);
    if (m_store->readNumber("Window", "Maximized").value_or(0) != 0)
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool MainWindow::restoreWindowPosition()
{
    // Wayland places windows itself and tells no positions.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    const auto x = m_store->readNumber("Window", "X");
    const auto y = m_store->readNumber("Window", "Y");
    if (!x || !y)
        return false;
    // Stored as unsigned numbers: a window left of or above the first screen
    // comes back negative.
    const QPoint at(static_cast<std::int32_t>(*x), static_cast<std::int32_t>(*y));
    // Only where enough of the title strip is on a screen to grab it again
    // (a screen since unplugged, a smaller resolution).
    constexpr int kTitleHeight = 46;
    constexpr int kGrip = 80;
    const QRect strip(at, QSize(width(), kTitleHeight));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shown = strip.intersected(screen->availableGeometry());
        if (shown.width() >= std::min(kGrip, width()) && shown.top() == strip.top()) {
            move(at);
            return true;
        }
    }
    return false;
}

void MainWindow::saveWindowSize()
{
    // The size to come back to: the normal one, also when closed maximised.
    const QSize normal = isMaximized() || isFullScreen() ? normalGeometry().size() : size();
    if (normal.isValid()) {
        m_store->writeNumber("Window", "Width", std::uint32_t(std::max(normal.width(), kWidth)));
        m_store->writeNumber("Window", "Height", std::uint32_t(std::max(normal.height(), kHeight)));
    }
    m_store->writeNumber("Window", "Maximized", isMaximized() ? 1 : 0);
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const QPoint at = isMaximized() || isFullScreen() ? normalGeometry().topLeft() : pos();
        m_store->writeNumber("Window", "X", static_cast<std::uint32_t>(at.x()));
        m_store->writeNumber("Window", "Y", static_cast<std::uint32_t>(at.y()));
    }
}

void MainWindow::fillFormatSelector()
{
    for (int n = 0; n < kFormatCount; ++n)
        m_formatSelector->addItem(QStringLiteral(" to ") + QString::fromUtf8(formatEntry(n).displayName), n);
    m_formatSelector->view()->setMinimumWidth(160);
    const int row = m_formatSelector->findData(m_currentFormat);
    m_formatSelector->setCurrentIndex(row >= 0 ? row : 0);
    if (row < 0)
        m_currentFormat = m_formatSelector->itemData(0).toInt();
    connect(m_formatSelector, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_currentFormat = index >= 0 ? m_formatSelector->itemData(index).toInt() : 0;
    });
}

void MainWindow::selectFormat(int index)
{
    const int row = m_formatSelector->findData(index);
    if (row >= 0)
        m_formatSelector->setCurrentIndex(row);
}

void MainWindow::showOptions()
{
    if (isBusy())
        return;
    runOptionsCommand(this, OptionsTarget{m_currentFormat, m_params, m_settings, m_extensionFilter,
                                          *m_store, [this](int format) { selectFormat(format); }});
}

// --- Adding files ----------------------------------------------------------

void MainWindow::addFiles()
{
    QStringList filters;
    for (const std::string &filter : openFileFiltersForDialog())
        filters << QString::fromStdString(filter);
    // The dialog opens where files were last picked, as the system's own dialog
    // remembers it; the first time in the home folder.
    std::string start = m_settings.FilesFolder;
    if (start.size() > 1 && start.back() == '/')
        start.pop_back();
    const QStringList picked = userPrompts().openFiles(
        this, filters, start.empty() ? QDir::homePath() : qs(start));
    if (picked.isEmpty())
        return;
    std::vector<std::string> pending;
    for (const QString &path : picked)
        pending.push_back(bytes(path));
    const std::string &first = pending.front();
    m_settings.FilesFolder = first.substr(0, first.rfind('/') + 1);
    writeProgramSettings(*m_store, m_settings, FilesFolderGroup);
    // Picked files pass neither the extension filter nor shortcut resolution.
    startAddingRun()->addFiles(pending);
}

void MainWindow::addFolder()
{
    // As with the custom output folder: a start folder picked as it stands keeps its own
    // bytes (a name that is not UTF-8 survives), and a folder too long to be read back at
    // the next start is searched but not kept.
    const std::string start = chooserStartFolder(m_settings.Folder);
    const QString shownStart = qs(start);
    const QString chosen = userPrompts().chooseFolder(this, QStringLiteral("Please choose a folder:"), shownStart);
    if (chosen.isEmpty())
        return;
    WaitCursor wait;
    std::string folder = !start.empty() && chosen == shownStart ? start : bytes(chosen);
    if (folder.back() != '/')
        folder += '/';
    if (const std::string kept = customFolderFromChoice(folder); !kept.empty()) {
        m_settings.Folder = kept;
        writeProgramSettings(*m_store, m_settings, FolderGroup);
        m_store->sync();
    }
    searchFolderWithProgress(folder);
}

void MainWindow::searchFolderWithProgress(const std::string &folder)
{
    searchAndAdd({folder}, false);
}

void MainWindow::addDropped(const std::vector<std::string> &names)
{
    addArrived(names, false);
}

void MainWindow::addArrived(const std::vector<std::string> &names, bool named)
{
    if (isBusy())
        return;
    searchAndAdd(names, named);
}

void MainWindow::searchAndAdd(const std::vector<std::string> &names, bool named)
{
    startAddingRun()->searchAndAdd(names, named, m_settings.EnableExtFilter != 0, m_extensionFilter);
}

void MainWindow::openFiles(const std::vector<std::string> &names)
{
    m_pendingOpen.insert(m_pendingOpen.end(), names.begin(), names.end());
    openPendingFiles();
}

void MainWindow::openPendingFiles()
{
    if (m_pendingOpen.empty() || m_shutDown)
        return;
    // Files arriving during a batch, an add or a dialog wait for it to end,
    // rather than being refused as a drop on a busy window would be.
    if (isBusy() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        m_openRetry.start();
        return;
    }
    // Files named one by one were chosen as in the Add Files dialog: the
    // extension filter is for what folders hold.
    addArrived(std::exchange(m_pendingOpen, {}), true);
}

void MainWindow::bringToFront(const QString &token)
{
    // Wayland lets a window take the focus only with the token of the start
    // that asked for it.
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

AddingRun *MainWindow::startAddingRun()
{
    // Rows put back after an add could list a file twice.
    m_removed.clear();
    setWorking(true);
    m_addingRun = std::make_unique<AddingRun>(AddingRunSetup{
        this, m_list, &m_map, m_converterPath, simultaneousConversions(m_settings.SimultaneousConversions)});
    connect(m_addingRun.get(), &AddingRun::windowOpened, this, &MainWindow::addingWindowOpened);
    connect(m_addingRun.get(), &AddingRun::finished, this, &MainWindow::endAdding);
    return m_addingRun.get();
}

void MainWindow::endAdding()
{
    // Out of the way before anything is said, so the window is no longer busy.
    AddingRun *run = m_addingRun.release();
    setWorking(false);
    run->report();
    run->deleteLater();
    emit workFinished();
}

void MainWindow::stopAddingAndClose()
{
    m_quitAfterAdding = false;
    if (m_addingRun) {
        m_addingRun.reset();
        setWorking(false);
        emit workFinished();
    }
    close();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!isBusy() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    std::vector<std::string> names;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        // The bytes of the name come from the percent-encoded URL, so a name
        // that is not UTF-8 arrives unchanged.
        names.push_back(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    }
    if (names.empty())
        return;
    event->acceptProposedAction();
    // The work runs after the drop has been answered, so the dragging program
    // is not kept waiting.
    QMetaObject::invokeMethod(this, [this, names] { addDropped(names); }, Qt::QueuedConnection);
}

// --- Removing --------------------------------------------------------------

void MainWindow::removeSelected()
{
    if (isBusy())
        return;
    std::vector<int> rows = m_list->selectedRows();
    if (rows.empty()) {
        tellNoSelection();
        return;
    }
    // Bottom to top, so the indices of the rows still to go stay valid; kept
    // top to bottom for Undo Remove.
    m_removed.clear();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        MediaListModel::TakenRow taken = m_list->listModel()->takeWholeRow(*it);
        m_map.removeItem(taken.item.get());
        m_removed.insert(m_removed.begin(), std::move(taken));
    }
}

void MainWindow::removeAll()
{
    if (isBusy())
        return;
    if (m_list->rowCount() == 0) {
        tellEmptyList();
        return;
    }
    m_removed = m_list->listModel()->takeAllWhole();
    m_map.clear();
}

void MainWindow::undoRemove()
{
    if (isBusy() || m_removed.empty())
        return;
    for (const MediaListModel::TakenRow &taken : m_removed)
        m_map.enter(MediaItemMap::keyOfPath(taken.item->sourcePath), taken.item.get());
    m_list->listModel()->restoreRows(std::exchange(m_removed, {}));
}

void MainWindow::clearList()
{
    m_list->takeAll();
    m_map.clear();
}

void MainWindow::tellNoSelection()
{
    userPrompts().message(this, QStringLiteral("You should select a file at least."),
                          UserPrompts::Icon::Information);
}

void MainWindow::tellEmptyList()
{
    userPrompts().message(this, QStringLiteral("There aren't files in list."),
                          UserPrompts::Icon::Information);
}

// --- Converting ------------------------------------------------------------

void MainWindow::convertAll()
{
    if (isBusy())
        return;
    if (m_list->rowCount() == 0) {
        tellEmptyList();
        return;
    }
    std::vector<int> rows(static_cast<size_t>(m_list->rowCount()));
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<int>(i);
    runBatch(rows);
}

void MainWindow::convertSelected()
{
    if (isBusy())
        return;
    const std::vector<int> rows = m_list->selectedRows();
    if (rows.empty()) {
        tellNoSelection();
        return;
    }
    runBatch(rows);
}

void MainWindow::runBatch(const std::vector<int> &rows)
{
    m_removed.clear();
    setWorking(true);
    m_batchRun = std::make_unique<BatchRun>(BatchRunSetup{
        this, m_list, m_settings, m_currentFormat, m_params[static_cast<size_t>(m_currentFormat)], m_converterPath,
        m_setup.documentsFolder, m_setup.showInFolder, m_setup.notify});
    connect(m_batchRun.get(), &BatchRun::windowOpened, this, &MainWindow::batchWindowOpened);
    connect(m_batchRun.get(), &BatchRun::finished, this, &MainWindow::endBatch);
    m_batchRun->start(rows);
}

void MainWindow::setWorking(bool working)
{
    if (!working) {
        for (const QPointer<QWidget> &control : m_restingControls)
            if (control)
                control->setEnabled(true);
        m_restingControls.clear();
        // The focus goes back where the work found it, not to the frame's
        // Minimize that took it while the rest was disabled.
        if (m_restingFocus)
            m_restingFocus->setFocus(Qt::OtherFocusReason);
        m_restingFocus = nullptr;
        return;
    }
    m_restingFocus = focusWidget();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child == m_closeButton || child == m_minimizeButton || !child->isEnabled())
            continue;
        child->setEnabled(false);
        m_restingControls.emplace_back(child);
    }
}

void MainWindow::endBatch()
{
    BatchRun *run = m_batchRun.release();
    run->deleteLater();
    setWorking(false);
    emit workFinished();

    if (m_quitAfterBatch) {
        close();
        return;
    }
    run->report();
}

// --- Window behaviour ------------------------------------------------------

Qt::Edges MainWindow::resizeEdgesAt(const QPoint &pos) const
{
    // The window has no frame of its own: a thin band along its edges resizes it.
    constexpr int kBand = 5;
    Qt::Edges edges;
    if (isMaximized() || isFullScreen())
        return edges;
    if (pos.x() < kBand)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kBand)
        edges |= Qt::RightEdge;
    if (pos.y() < kBand)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - kBand)
        edges |= Qt::BottomEdge;
    return edges;
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const Qt::Edges edges = resizeEdgesAt(event->position().toPoint());
    if (edges && windowHandle() && windowHandle()->startSystemResize(edges))
        return;
    // A press on a free part of the window moves it once the mouse moves, so
    // that a double click still reaches the window.
    m_pressed = true;
    m_pressPos = event->position().toPoint();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance())
            return;
        m_pressed = false;
        // The compositor moves the window where it can (Wayland knows no
        // global positions); elsewhere the window follows the mouse itself.
        if (windowHandle() && windowHandle()->startSystemMove())
            return;
        m_dragging = true;
        m_dragOffset = mapToGlobal(m_pressPos) - frameGeometry().topLeft();
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    const Qt::Edges edges = resizeEdgesAt(pos);
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click on the title strip of the skin maximises and restores.
    constexpr int kTitleHeight = 46;
    if (event->button() == Qt::LeftButton && event->position().y() < kTitleHeight) {
        m_pressed = false;
        setWindowState(windowState() ^ Qt::WindowMaximized);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Running work is never closed under; conversions may be cancelled first.
    if (m_batchRun) {
        event->ignore();
        if (!m_batchRun->cancelled() && !m_quitAfterBatch) {
            userPrompts().ask(this, QStringLiteral("Files are still being converted. Cancel the conversions and quit?"),
                              [self = QPointer<MainWindow>(this)](bool yes) {
                                  if (!yes || !self)
                                      return;
                                  // The batch may have ended while the question was open:
                                  // Yes still means quit.
                                  if (!self->m_batchRun) {
                                      self->close();
                                      return;
                                  }
                                  self->m_quitAfterBatch = true;
                                  self->m_batchRun->cancel();
                              });
        }
        return;
    }
    if (m_addingRun) {
        // Adding loses nothing when stopped: it stops at once and the window
        // closes, without a question. Torn down from the event loop, as the
        // close may come from inside a probe's own end.
        event->ignore();
        if (!m_quitAfterAdding) {
            m_quitAfterAdding = true;
            QMetaObject::invokeMethod(this, &MainWindow::stopAddingAndClose, Qt::QueuedConnection);
        }
        return;
    }
    if (isBusy()) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

void MainWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_setup.closeHelp();
    m_removed.clear();
    clearList();
    m_settings.OutputFormat = m_currentFormat;
    writeProgramSettings(*m_store, m_settings, ClosingGroup);
    saveWindowSize();
    m_store->sync();
}
