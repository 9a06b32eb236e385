#include "app/mainwindow.h"

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
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include "app/commandids.h"
#include "app/helpviewer.h"
#include "app/maincommands.h"
#include "app/mainwindowlook.h"
#include "app/shellactions.h"
#include "app/siteaddresses.h"
#include "batch/batchdriver.h"
#include "batch/outputpathresolver.h"
#include "batch/widgets/addingprogresswindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "converter/conversionjob.h"
#include "converter/mediaprobe.h"
#include "filelist/addfiles.h"
#include "filelist/filecollector.h"
#include "filelist/openfilefilters.h"
#include "filelist/widgets/medialistview.h"
#include "formats/formatcatalogue.h"
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
    setFixedSize(kWidth, kHeight);
    buildControls();
    fillFormatSelector();
    setAcceptDrops(true);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));

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
    m_list->setGeometry(137, 63, 552, 465);

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

void MainWindow::paintEvent(QPaintEvent *)
{
    // The skin is the whole background; the controls paint themselves.
    QPainter(this).drawPixmap(QRect(0, 0, kWidth, kHeight), m_skin);
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
    if (m_busy)
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
    WaitCursor wait;
    QCoreApplication::processEvents();
    std::vector<std::string> pending;
    for (const QString &path : picked)
        pending.push_back(bytes(path));
    const std::string &first = pending.front();
    m_settings.FilesFolder = first.substr(0, first.rfind('/') + 1);
    writeProgramSettings(*m_store, m_settings, FilesFolderGroup);
    // Picked files pass neither the extension filter nor shortcut resolution.
    addWithProgress(pending, nullptr);
}

void MainWindow::addFolder()
{
    std::string start = m_settings.Folder;
    if (start.size() > 1 && start.back() == '/')
        start.pop_back();
    const QString chosen =
        userPrompts().chooseFolder(this, QStringLiteral("Please choose a folder:"), qs(start));
    if (chosen.isEmpty())
        return;
    WaitCursor wait;
    std::string folder = bytes(chosen);
    if (folder.back() != '/')
        folder += '/';
    m_settings.Folder = folder;
    writeProgramSettings(*m_store, m_settings, FolderGroup);
    m_store->sync();
    searchFolderWithProgress(folder);
}

std::unique_ptr<AddingProgressWindow> MainWindow::openAddingWindow()
{
    auto window = std::make_unique<AddingProgressWindow>();
    window->open(this);
    emit addingWindowOpened(window.get());
    return window;
}

void MainWindow::searchFolderWithProgress(const std::string &folder)
{
    QCoreApplication::processEvents();
    auto window = openAddingWindow();
    window->setText("Searching files...");
    window->pumpMessages();
    FileCollector collector(m_settings.EnableExtFilter != 0, m_extensionFilter);
    collector.searchFolder(folder);
    std::vector<std::string> pending = collector.takePending();
    if (pending.empty()) {
        window->finish();
        return;
    }
    addWithProgress(pending, std::move(window));
}

void MainWindow::addDropped(const std::vector<std::string> &names)
{
    if (m_busy)
        return;
    WaitCursor wait;
    auto window = openAddingWindow();
    window->setText("Searching files...");
    window->pumpMessages();
    FileCollector collector(m_settings.EnableExtFilter != 0, m_extensionFilter);
    for (const std::string &name : names)
        collector.addDropped(name);
    std::vector<std::string> pending = collector.takePending();
    if (pending.empty()) {
        window->finish();
        return;
    }
    addWithProgress(pending, std::move(window));
}

void MainWindow::addWithProgress(const std::vector<std::string> &pending,
                                 std::unique_ptr<AddingProgressWindow> window)
{
    setBusy(true);
    if (!window)
        window = openAddingWindow();
    const std::string failures =
        addFilesWithProgress(pending, *window, [this](const std::string &path) {
            return probeAndAdd(path, m_runner, m_converterPath, m_map, *m_list);
        });
    window->finish();
    window.reset();
    setBusy(false);
    if (!failures.empty())
        userPrompts().message(this, qs(failedFilesMessage(failures)), UserPrompts::Icon::Warning);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_busy && event->mimeData()->hasUrls())
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
    if (m_busy)
        return;
    std::vector<int> rows = m_list->selectedRows();
    if (rows.empty()) {
        tellNoSelection();
        return;
    }
    // Bottom to top, so the indices of the rows still to go stay valid.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        std::unique_ptr<MediaItem> item = m_list->takeRow(*it);
        m_map.removeItem(item.get());
    }
}

void MainWindow::removeAll()
{
    if (m_busy)
        return;
    if (m_list->rowCount() == 0) {
        tellEmptyList();
        return;
    }
    clearList();
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
    if (m_busy)
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
    if (m_busy)
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
    std::vector<BatchEntry> batch;
    for (int row : rows)
        batch.push_back(BatchEntry{m_list->itemOfRow(row), row});

    WaitCursor wait;
    setBusy(true);
    auto window = std::make_unique<BatchProgressWindow>();
    window->open(this);
    emit batchWindowOpened(window.get());

    const int format = m_currentFormat;
    BatchSteps steps;
    steps.resolveOutputPath = [this, format](MediaItem &item, std::string &status) {
        return resolveOutputPath(item, m_settings, formatEntry(format).extension,
                                 m_setup.documentsFolder, status);
    };
    steps.convert = [this, format](MediaItem &item, ProgressDisplay &display) {
        return buildAndRunConversion(m_runner, m_converterPath, item, format,
                                     m_params[static_cast<size_t>(format)], display);
    };
    BatchDriver driver(*m_list, *window, std::move(steps));
    const bool cancelled = driver.run(batch, formatEntry(format).displayName);

    window->finish();
    window.reset();
    setBusy(false);

    if (!cancelled && m_settings.BrowseOutputFolder) {
        const std::string output = BatchDriver::firstExistingOutput(batch);
        if (!output.empty())
            m_setup.showInFolder(output);
    }
}

void MainWindow::setBusy(bool busy)
{
    m_busy = busy;
    setEnabled(!busy);
}

// --- Window behaviour ------------------------------------------------------

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    // A press on a free part of the window moves it.
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    else
        QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Work in progress is stopped through its own Cancel, never by closing
    // the window under it.
    if (m_busy) {
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
    clearList();
    m_settings.OutputFormat = m_currentFormat;
    writeProgramSettings(*m_store, m_settings, ClosingGroup);
    m_store->sync();
}
