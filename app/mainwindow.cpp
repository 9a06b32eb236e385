#include "app/mainwindow.h"

#include <memory>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QPainter>
#include <QTimer>

#include "app/adddialogs.h"
#include "app/addingrun.h"
#include "app/arrivingfiles.h"
#include "app/batchrun.h"
#include "app/commandids.h"
#include "app/maincommands.h"
#include "filelist/widgets/addingprogresswindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "filelist/widgets/medialistview.h"
#include "core/formatcatalogue.h"
#include "options/widgets/optionssheet.h"
#include "platform/bytetext.h"
#include "platform/settingsstore.h"
#include "ui/imagebutton.h"
#include "ui/userprompts.h"
#include "ui/waitcursor.h"

MainWindow::MainWindow(MainWindowSetup setup)
    : FramelessWindow(QSize(kWidth, kHeight)), m_setup(std::move(setup))
{
    // Construction: defaults first, nothing read yet.
    m_ownStore = completeSetup(m_setup, this);
    m_store = m_setup.store;

    m_state = AppState(m_setup.documentsFolder().value_or(std::string()));
    m_converterPath = m_setup.converterPath;

    // Initialisation, in the order the stored state expects.
    m_state.load(*m_store);
    m_dialogs = std::make_unique<AddDialogs>(this, m_state.settings, *m_store);
    setWindowTitle(tr("Sonavert"));
    m_controls = std::make_unique<MainWindowControls>(*this, m_files.rows());
    m_list = m_controls->list;
    bindCommands();
    m_state.currentFormat = m_controls->fillFormatSelector(m_state.currentFormat);
    connect(m_controls->formatSelector, &QComboBox::currentIndexChanged, this,
            [this] { m_state.currentFormat = m_controls->selectedFormat(); });
    setAcceptDrops(true);
    m_arriving = new ArrivingFiles(
        [this] { return !isBusy() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget(); },
        // Files named one by one were chosen as in the Add Files dialog: the
        // extension filter is for what folders hold.
        [this](std::vector<std::string> names) { addArrived(names, true); }, this);

    restoreSizeAndPlace(*m_store);
    m_controls->layout();

    runFirstRunCheck(*m_store, m_setup.openFirstRunHelp);
    m_list->setFocus();
}

MainWindow::~MainWindow()
{
    shutDown();
    // The list shows rows the window's members own: it goes before them.
    delete m_list;
}

void MainWindow::bindCommands()
{
    // Buttons, menus and keys all reach their commands through one dispatcher.
    m_commands = new MainCommands(*this, displayText(m_setup.helpFile));
    const MainWindowControls &c = *m_controls;
    const std::pair<QAbstractButton *, Command> commands[] = {
        {c.addFilesButton, Command::AddFiles},   {c.addFolderButton, Command::AddFolder},
        {c.removeAllButton, Command::RemoveAll}, {c.convertButton, Command::ConvertAll},
        {c.optionsButton, Command::Options},     {c.linkButton, Command::Homepage},
        {c.helpButton, Command::ShowHelpMenu},   {c.minimizeButton, Command::Minimize},
        {c.closeButton, Command::Close},
    };
    for (const auto &[button, command] : commands)
        m_commands->bindButton(button, command);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_controls->layout();
}

void MainWindow::paintEvent(QPaintEvent *)
{
    // The skin is the whole background; the controls paint themselves.
    QPainter painter(this);
    m_controls->paintBackground(painter);
}

void MainWindow::selectFormat(int index)
{
    m_controls->selectFormat(index);
}

void MainWindow::showOptions()
{
    runOptionsCommand(this, OptionsTarget{m_state.currentFormat, m_state.params, m_state.settings, m_state.extensionFilter,
                                          *m_store, [this](int format) { selectFormat(format); }});
}

// --- Adding files ----------------------------------------------------------

void MainWindow::addFiles()
{
    const std::vector<std::string> picked = m_dialogs->pickFiles();
    // Picked files pass neither the extension filter nor shortcut resolution.
    if (!picked.empty())
        startAddingRun()->addFiles(picked);
}

void MainWindow::addFolder()
{
    const std::string folder = m_dialogs->pickFolder();
    if (folder.empty())
        return;
    WaitCursor wait;
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
    startAddingRun()->searchAndAdd(names, named, m_state.settings.EnableExtFilter != 0, m_state.extensionFilter);
}

void MainWindow::openFiles(const std::vector<std::string> &names)
{
    m_arriving->arrive(names);
}

AddingRun *MainWindow::startAddingRun()
{
    // Rows put back after an add could list a file twice.
    m_removed.clear();
    setWorking(true);
    m_addingRun = std::make_unique<AddingRun>(AddingRunSetup{
        this, m_list, &m_files.itemMap(), m_converterPath, simultaneousConversions(m_state.settings.SimultaneousConversions)});
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
    const std::vector<std::string> names = ArrivingFiles::namesOfUrls(event->mimeData()->urls());
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
    const std::vector<int> rows = m_list->selectedRows();
    if (rows.empty()) {
        tellNoSelection();
        return;
    }
    m_removed = m_files.takeRows(rows);
}

void MainWindow::removeAll()
{
    if (m_list->rowCount() == 0) {
        tellEmptyList();
        return;
    }
    m_removed = m_files.takeAllRows();
}

void MainWindow::undoRemove()
{
    if (!m_removed.empty())
        m_files.restoreRows(std::exchange(m_removed, {}));
}

void MainWindow::tellNoSelection()
{
    userPrompts().message(this, tr("You should select a file at least."),
                          UserPrompts::Icon::Information);
}

void MainWindow::tellEmptyList()
{
    userPrompts().message(this, tr("There aren't files in list."),
                          UserPrompts::Icon::Information);
}

// --- Converting ------------------------------------------------------------

void MainWindow::convertAll()
{
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
        this, m_list, m_state.settings, m_state.currentFormat, m_state.params[static_cast<size_t>(m_state.currentFormat)], m_converterPath,
        m_setup.documentsFolder, m_setup.showInFolder, m_setup.notify});
    connect(m_batchRun.get(), &BatchRun::windowOpened, this, &MainWindow::batchWindowOpened);
    connect(m_batchRun.get(), &BatchRun::finished, this, &MainWindow::endBatch);
    m_batchRun->start(rows);
}

void MainWindow::setWorking(bool working)
{
    m_controls->rest(working);
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Running work is never closed under; conversions may be cancelled first.
    if (m_batchRun) {
        event->ignore();
        if (!m_batchRun->cancelled() && !m_quitAfterBatch) {
            userPrompts().ask(this, tr("Files are still being converted. Cancel the conversions and quit?"),
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
    shutDown();
    event->accept();
}

void MainWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_arriving->stop();
    m_setup.closeHelp();
    m_removed.clear();
    m_files.clear();
    m_state.save(*m_store);
    storeSizeAndPlace(*m_store);
    m_store->sync();
}
