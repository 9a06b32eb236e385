#include "app/mainwindow.h"

#include <memory>
#include <thread>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QPainter>
#include <QTimer>

#include "app/arrivingfiles.h"
#include "app/commandids.h"
#include "app/maincommands.h"
#include "batch/albumloudness.h"
#include "batch/batchdriver.h"
#include "batch/batchtarget.h"
#include "batch/widgets/addingprogresswindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "converter/conversionjob.h"
#include "converter/mediaprobe.h"
#include "converter/probeservice.h"
#include "filelist/addfiles.h"
#include "filelist/filecollector.h"
#include "filelist/foldersearch.h"
#include "filelist/openfilefilters.h"
#include "filelist/widgets/medialistview.h"
#include "formats/formatcatalogue.h"
#include "formats/generaloptionsrules.h"
#include "formats/loudnessoptions.h"
#include "formats/widgets/optionssheet.h"
#include "platform/bytetext.h"
#include "platform/settingsstore.h"
#include "ui/imagebutton.h"
#include "ui/userprompts.h"
#include "ui/waitcursor.h"

namespace {

constexpr int kProbesPerService = 2;

QString qs(const std::string &bytes)
{
    return displayText(bytes);
}

std::string bytes(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

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
    setWindowTitle(QStringLiteral("Sonavert"));
    m_controls = std::make_unique<MainWindowControls>(*this, m_files.rows());
    m_list = m_controls->list;
    bindCommands();
    m_currentFormat = m_controls->fillFormatSelector(m_currentFormat);
    connect(m_controls->formatSelector, &QComboBox::currentIndexChanged, this,
            [this] { m_currentFormat = m_controls->selectedFormat(); });
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
    m_commands = new MainCommands(*this, qs(m_setup.helpFile));
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
    addWithProgress(pending, nullptr);
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

std::unique_ptr<AddingProgressWindow> MainWindow::openAddingWindow()
{
    auto window = std::make_unique<AddingProgressWindow>();
    window->open(this);
    emit addingWindowOpened(window.get());
    return window;
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
    auto window = openAddingWindow();
    window->setText("Searching files...");
    window->startBar(0);
    m_found = 0;
    m_filteredOut = 0;
    m_search = std::make_unique<FolderSearch>(m_settings.EnableExtFilter != 0, m_extensionFilter);
    addWithProgress({}, std::move(window), true);
    if (m_addingWindow->isCancelRequested()) {
        m_adder->cancel();
        return;
    }
    // The found paths go to the probes while the search goes on.
    m_search->start(
        names, named,
        [this](std::vector<std::string> paths) {
            m_found += paths.size();
            m_addingWindow->setText("Searching files... " + std::to_string(m_found) + " found");
            m_adder->addPending(std::move(paths));
        },
        [this] {
            m_filteredOut = m_search->filteredOut();
            m_adder->endPending();
        });
}

void MainWindow::openFiles(const std::vector<std::string> &names)
{
    m_arriving->arrive(names);
}

ConverterRunner &MainWindow::runner(int slot)
{
    while (static_cast<int>(m_runners.size()) <= slot)
        m_runners.push_back(std::make_unique<ConverterRunner>());
    return *m_runners[static_cast<std::size_t>(slot)];
}

void MainWindow::addWithProgress(const std::vector<std::string> &pending,
                                 std::unique_ptr<AddingProgressWindow> window, bool morePending)
{
    // Rows put back after an add could list a file twice.
    m_removed.clear();
    const int parallel = simultaneousConversions(m_settings.SimultaneousConversions);
    m_probeServices.clear();
    for (int slot = 0; slot < parallel; ++slot)
        m_probeServices.push_back(std::make_unique<ProbeService>(m_converterPath));
    setWorking(true);
    m_wait = std::make_unique<WaitCursor>();
    m_addingWindow = window ? std::move(window) : openAddingWindow();
    m_adder = std::make_unique<FileAdder>(
        // Two probes per service: the next file waits in the tool while one is read.
        *m_addingWindow, parallel * kProbesPerService,
        [this](const std::string &path) { return m_map.find(path) != nullptr; },
        [](const std::string &path) { return MediaItemMap::keyOfPath(path); },
        [this](int slot, const std::string &path, std::function<void(ProbeEnd)> done) {
            startMediaProbe(*m_probeServices[static_cast<std::size_t>(slot / kProbesPerService)], path,
                            std::move(done));
        },
        [this](const std::string &path, std::unique_ptr<MediaItem> item) {
            return addProbedItem(path, std::move(item), m_map, m_list->batchingSink());
        });
    connect(m_addingWindow.get(), &ProgressWindow::cancelRequestedChanged, this, [this] {
        if (m_search)
            m_search->cancel();
        if (m_adder)
            m_adder->cancel();
    });
    // The end may come before start() returns (nothing to probe): it is taken
    // from the event loop, where the adder can go.
    m_adder->start(
        pending, [this] { QMetaObject::invokeMethod(this, &MainWindow::endAdding, Qt::QueuedConnection); },
        morePending);
}

void MainWindow::endAdding()
{
    if (!m_adder)
        return; // stopped by a close meanwhile
    const std::string failures = m_adder->failureText();
    const std::string toolFailure = m_adder->toolFailure();
    m_search.reset();
    m_probeServices.clear();
    m_list->flushAddedRows();
    m_addingWindow->finish();
    m_addingWindow.reset();
    m_adder.reset();
    m_wait.reset();
    setWorking(false);
    if (!toolFailure.empty())
        userPrompts().message(this, qs(m_converterPath + ": " + toolFailure), UserPrompts::Icon::Warning);
    if (!failures.empty())
        userPrompts().message(this, qs(failedFilesMessage(failures)), UserPrompts::Icon::Warning);
    // Files arrived and the filter took them all: without a word the window would look
    // as if it had not noticed them.
    if (m_found == 0 && m_filteredOut > 0)
        userPrompts().message(
            this,
            QStringLiteral("No file was added: none of them has an extension listed under \"Only add the "
                           "following file extensions for \"Add Folder\" and Drag/Drop\" in Options."),
            UserPrompts::Icon::Information);
    m_filteredOut = 0;
    emit workFinished();
}

void MainWindow::stopAddingAndClose()
{
    m_quitAfterAdding = false;
    if (m_adder) {
        m_adder->cancel();
        // Gone runners and services kill and reap their probes and never call back.
        m_search.reset();
        m_probeServices.clear();
        m_runners.clear();
        m_addingWindow->finish();
        m_addingWindow.reset();
        m_adder.reset();
        m_wait.reset();
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
    m_batchEntries.clear();
    for (int row : rows)
        m_batchEntries.push_back(BatchEntry{m_list->itemOfRow(row), row});

    m_wait = std::make_unique<WaitCursor>();
    setWorking(true);
    m_batchWindow = std::make_unique<BatchProgressWindow>();
    m_batchWindow->open(this);
    emit batchWindowOpened(m_batchWindow.get());

    const int format = m_currentFormat;
    BatchSteps steps;
    steps.resolveOutputPath = [this, format](MediaItem &item, const BatchSteps::Reserved &reserved,
                                             std::string &status, std::string &note) {
        return resolveBatchTarget(item, m_settings, formatEntry(format).extension, m_setup.documentsFolder,
                                  reserved, status, note);
    };
    steps.convert = [this, format](int slot, MediaItem &item, ProgressDisplay &line, bool replaceAppearing,
                                   std::function<void(const ConversionEnd &)> done) {
        const MeasuredLoudness measured = m_batch->measuredLoudness(item);
        startConversionJob(runner(slot), m_converterPath, item, format, m_params[static_cast<size_t>(format)],
                           line, replaceAppearing, std::move(done),
                           loudnessRequestFor(m_settings, format, measured.track ? &measured : nullptr),
                           m_batch ? m_batch->threadsOf(slot) : 1);
    };
    if (wantsAlbumPass(m_settings, format))
        steps.measure = [this](int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done) {
            auto reader = std::make_shared<LoudnessMeasureReader>();
            runner(slot).startMeasure(
                buildMeasureCommand(m_converterPath, item), [reader](std::string_view line) { reader->takeLine(line); },
                [reader, done = std::move(done)](int verdict) {
                    LoudnessMeasure measure = reader->result();
                    measure.complete = measure.complete && verdict == 1;
                    done(measure);
                });
        };
    steps.cancel = [this](int slot) { runner(slot).cancel(); };
    m_batch = std::make_unique<BatchDriver>(*m_list, *m_batchWindow,
                                            simultaneousConversions(m_settings.SimultaneousConversions),
                                            std::move(steps));
    m_batch->setCores(static_cast<int>(std::thread::hardware_concurrency()));
    connect(m_batchWindow.get(), &ProgressWindow::cancelRequestedChanged, this, [this] {
        if (m_batch)
            m_batch->cancel();
    });
    m_batchClock = new QTimer(this);
    connect(m_batchClock, &QTimer::timeout, this, [this] {
        if (m_batch && m_batch->parallel() > 1)
            m_batch->showTimes();
    });
    m_batchClock->start(1000);
    m_batch->start(m_batchEntries, formatEntry(format).displayName, [this] {
        QMetaObject::invokeMethod(this, &MainWindow::endBatch, Qt::QueuedConnection);
    });
}

void MainWindow::setWorking(bool working)
{
    m_controls->rest(working);
}

void MainWindow::endBatch()
{
    delete m_batchClock;
    m_batchClock = nullptr;
    m_batchWindow->finish();
    m_batchWindow.reset();
    const bool cancelled = m_batch->cancelled();
    const std::vector<BatchFailure> failures = m_batch->failures();
    const std::vector<BatchFailure> fallbacks = m_batch->fallbacks();
    const std::string toolFailure = m_batch->toolFailure();
    const int count = m_batch->count();
    const auto elapsed = m_batch->elapsed();
    m_batch.reset();
    m_wait.reset();
    setWorking(false);
    emit workFinished();

    if (m_quitAfterBatch) {
        close();
        return;
    }
    if (cancelled)
        return;
    if (m_settings.BrowseOutputFolder) {
        const std::string output = BatchDriver::firstExistingOutput(m_batchEntries);
        if (!output.empty())
            m_setup.showInFolder(output);
    }
    // A long batch that ends while the user is elsewhere is worth a word.
    if (elapsed > std::chrono::seconds(10) && !isActiveWindow())
        m_setup.notify(QStringLiteral("Sonavert"),
                       qs(BatchDriver::outcomeText(count, static_cast<int>(failures.size()))));
    if (!toolFailure.empty())
        userPrompts().message(this, qs(m_converterPath + ": " + toolFailure), UserPrompts::Icon::Warning);
    else if (!failures.empty() || !fallbacks.empty()) {
        // Rows that went to the Documents folder look like any success: the
        // end message is where the user learns it.
        std::string text = failures.empty() ? std::string() : BatchDriver::failureSummary(failures, count);
        if (!fallbacks.empty())
            text += (text.empty() ? "" : "\n") + BatchDriver::fallbackSummary(fallbacks, count);
        userPrompts().message(this, qs(text),
                              failures.empty() ? UserPrompts::Icon::Information : UserPrompts::Icon::Warning);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Running work is never closed under; conversions may be cancelled first.
    if (m_batch) {
        event->ignore();
        if (!m_batch->cancelled() && !m_quitAfterBatch) {
            userPrompts().ask(this, QStringLiteral("Files are still being converted. Cancel the conversions and quit?"),
                              [self = QPointer<MainWindow>(this)](bool yes) {
                                  if (!yes || !self)
                                      return;
                                  // The batch may have ended while the question was open:
                                  // Yes still means quit.
                                  if (!self->m_batch) {
                                      self->close();
                                      return;
                                  }
                                  self->m_quitAfterBatch = true;
                                  self->m_batch->cancel();
                              });
        }
        return;
    }
    if (m_adder) {
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
    m_arriving->stop();
    m_setup.closeHelp();
    m_removed.clear();
    m_files.clear();
    m_state.save(*m_store);
    storeSizeAndPlace(*m_store);
    m_store->sync();
}
