#include "app/addingrun.h"

#include <QWidget>

#include "filelist/widgets/addingprogresswindow.h"
#include "filelist/mediaprobe.h"
#include "converter/failurereason.h"
#include "converter/probeservice.h"
#include "filelist/addfiles.h"
#include "filelist/foldersearch.h"
#include "filelist/mediaitemmap.h"
#include "filelist/widgets/medialistview.h"
#include "ui/userprompts.h"
#include "platform/bytetext.h"
#include "ui/waitcursor.h"

namespace {

// Two probes per service: the next file waits in the tool while one is read.
constexpr int kProbesPerService = 2;

} // namespace

AddingRun::AddingRun(AddingRunSetup setup, QObject *parent) : QObject(parent), m_setup(std::move(setup)) {}

AddingRun::~AddingRun()
{
    // Gone services kill and reap their probes and never call back.
    m_search.reset();
    m_adder.reset();
    if (m_window)
        m_window->finish();
    m_window.reset();
    m_wait.reset();
}

void AddingRun::openWindow()
{
    m_window = std::make_unique<AddingProgressWindow>();
    m_window->open(m_setup.window);
    emit windowOpened(m_window.get());
}

void AddingRun::addFiles(const std::vector<std::string> &paths)
{
    startAdding(paths, false);
}

void AddingRun::searchAndAdd(const std::vector<std::string> &names, bool named, bool filterEnabled,
                             const std::vector<std::string> &filter)
{
    openWindow();
    m_window->setText(tr("Searching files...").toStdString());
    m_window->startBar(0);
    m_search = std::make_unique<FolderSearch>(filterEnabled, filter);
    startAdding({}, true);
    if (m_window->isCancelRequested()) {
        m_adder->cancel();
        return;
    }
    // The found paths go to the probes while the search goes on.
    m_search->start(
        names, named,
        [this](std::vector<std::string> paths) {
            m_found += paths.size();
            m_window->setText(tr("Searching files... %1 found").arg(m_found).toStdString());
            m_adder->addPending(std::move(paths));
        },
        [this] {
            m_filteredOut = m_search->filteredOut();
            m_adder->endPending();
        });
}

void AddingRun::startAdding(const std::vector<std::string> &pending, bool morePending)
{
    m_wait = std::make_unique<WaitCursor>();
    if (!m_window)
        openWindow();
    MediaItemMap &map = *m_setup.map;
    MediaListView &list = *m_setup.list;
    m_adder = std::make_unique<FileAdder>(
        *m_window, m_setup.parallel * kProbesPerService,
        [&map](const std::string &path) { return map.find(path) != nullptr; },
        [](const std::string &path) { return MediaItemMap::keyOfPath(path); },
        [this](int slot, const std::string &path, std::function<void(ProbeEnd)> done) {
            startMediaProbe(m_adder->pool().probeService(slot), path, std::move(done));
        },
        [&map, &list](const std::string &path, std::unique_ptr<MediaItem> item) {
            return addProbedItem(path, std::move(item), map, list.batchingSink());
        });
    m_adder->pool().useProbeServices(m_setup.converterPath, kProbesPerService);
    connect(m_window.get(), &ProgressWindow::cancelRequestedChanged, this, [this] {
        if (m_search)
            m_search->cancel();
        if (m_adder)
            m_adder->cancel();
    });
    // The end may come before start() returns (nothing to probe): it is taken
    // from the event loop, where the adder can go.
    m_adder->start(
        pending, [this] { QMetaObject::invokeMethod(this, &AddingRun::end, Qt::QueuedConnection); }, morePending);
}

void AddingRun::end()
{
    m_failures = m_adder->displayedFailureText();
    m_toolFailure = m_adder->toolFailure();
    m_search.reset();
    m_adder.reset();
    m_setup.list->flushAddedRows();
    m_window->finish();
    m_window.reset();
    m_wait.reset();
    emit finished();
}

void AddingRun::report()
{
    QWidget *window = m_setup.window;
    if (!m_toolFailure.empty())
        userPrompts().message(window, displayText(m_setup.converterPath + ": ") + displayedFailureReason(m_toolFailure),
                              UserPrompts::Icon::Warning);
    if (!m_failures.isEmpty())
        userPrompts().message(window, displayedFailedFilesMessage(m_failures), UserPrompts::Icon::Warning);
    // Files arrived and the filter took them all: without a word the window would look
    // as if it had not noticed them.
    if (m_found == 0 && m_filteredOut > 0)
        userPrompts().message(
            window,
            tr("No file was added: none of them has an extension listed under \"Only add the "
               "following file extensions for \"Add Folder\" and Drag/Drop\" in Options."),
            UserPrompts::Icon::Information);
}
