#include "app/batchrun.h"

#include <thread>

#include <QWidget>

#include "batch/albumloudness.h"
#include "batch/batchtarget.h"
#include "batch/widgets/batchprogresswindow.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "converter/failurereason.h"
#include "filelist/widgets/medialistview.h"
#include "core/formatcatalogue.h"
#include "options/loudnessoptions.h"
#include "ui/userprompts.h"
#include "platform/bytetext.h"
#include "ui/waitcursor.h"

namespace {

} // namespace

BatchRun::BatchRun(BatchRunSetup setup, QObject *parent) : QObject(parent), m_setup(std::move(setup)) {}

BatchRun::~BatchRun() = default;

BatchSteps BatchRun::steps()
{
    const int format = m_setup.format;
    BatchSteps steps;
    steps.resolveOutputPath = [this, format](MediaItem &item, const BatchSteps::Reserved &reserved,
                                             std::string &status, std::string &note) {
        return resolveBatchTarget(item, m_setup.settings, formatEntry(format).extension, m_setup.documentsFolder,
                                  reserved, status, note);
    };
    steps.convert = [this, format](int slot, MediaItem &item, ProgressDisplay &line, bool replaceAppearing,
                                   std::function<void(const ConversionEnd &)> done) {
        const MeasuredLoudness measured = m_driver->measuredLoudness(item);
        startConversionJob(m_driver->pool().runner(slot), m_setup.converterPath, item, format, m_setup.params, line,
                           replaceAppearing, std::move(done),
                           loudnessRequestFor(m_setup.settings, format, measured.track ? &measured : nullptr),
                           m_driver->threadsOf(slot));
    };
    if (wantsAlbumPass(m_setup.settings, format))
        steps.measure = [this](int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done) {
            auto reader = std::make_shared<LoudnessMeasureReader>();
            ConverterRunner &runner = m_driver->pool().runner(slot);
            QObject::connect(
                &runner, &ConverterRunner::finished, &runner,
                [reader, done = std::move(done)](const RunResult &result) {
                    LoudnessMeasure measure = reader->result();
                    measure.complete = measure.complete && result.success;
                    done(measure);
                },
                Qt::SingleShotConnection);
            runner.startMeasure(buildMeasureCommand(m_setup.converterPath, item),
                                [reader](std::string_view line) { reader->takeLine(line); });
        };
    return steps;
}

void BatchRun::start(const std::vector<int> &rows)
{
    for (int row : rows)
        m_entries.push_back(BatchEntry{m_setup.list->itemOfRow(row), row});

    m_wait = std::make_unique<WaitCursor>();
    m_window = std::make_unique<BatchProgressWindow>();
    m_window->open(m_setup.window);
    emit windowOpened(m_window.get());

    m_driver = std::make_unique<BatchDriver>(*m_setup.list, *m_window,
                                             simultaneousConversions(m_setup.settings.SimultaneousConversions),
                                             steps());
    m_driver->setCores(static_cast<int>(std::thread::hardware_concurrency()));
    connect(m_window.get(), &ProgressWindow::cancelRequestedChanged, this, &BatchRun::cancel);
    connect(&m_clock, &QTimer::timeout, this, [this] {
        if (m_driver && m_driver->parallel() > 1)
            m_driver->showTimes();
    });
    m_clock.start(1000);
    // The end may come before start() returns (nothing could start): it is taken
    // from the event loop, where the driver can go.
    m_driver->start(m_entries, formatEntry(m_setup.format).displayName,
                    [this] { QMetaObject::invokeMethod(this, &BatchRun::end, Qt::QueuedConnection); });
}

void BatchRun::cancel()
{
    if (m_driver)
        m_driver->cancel();
}

void BatchRun::end()
{
    m_clock.stop();
    m_window->finish();
    m_window.reset();
    m_cancelled = m_driver->cancelled();
    m_failures = m_driver->failures();
    m_fallbacks = m_driver->fallbacks();
    m_toolFailure = m_driver->toolFailure();
    m_count = m_driver->count();
    m_elapsed = m_driver->elapsed();
    m_driver.reset();
    m_wait.reset();
    emit finished();
}

void BatchRun::report()
{
    if (m_cancelled)
        return;
    QWidget *window = m_setup.window;
    if (m_setup.settings.BrowseOutputFolder) {
        const std::string output = BatchDriver::firstExistingOutput(m_entries);
        if (!output.empty())
            m_setup.showInFolder(output);
    }
    // A long batch that ends while the user is elsewhere is worth a word.
    if (m_elapsed > std::chrono::seconds(10) && !window->isActiveWindow())
        m_setup.notify(QStringLiteral("Sonavert"),
                       displayedText(displayText(BatchDriver::outcomeText(m_count, static_cast<int>(m_failures.size())))));
    if (!m_toolFailure.empty())
        userPrompts().message(window, displayText(m_setup.converterPath + ": ") + displayedFailureReason(m_toolFailure),
                              UserPrompts::Icon::Warning);
    else if (!m_failures.empty() || !m_fallbacks.empty()) {
        // Rows that went to the Documents folder look like any success: the
        // end message is where the user learns it.
        QString text = m_failures.empty()
                           ? QString()
                           : BatchDriver::displayedSummary(BatchDriver::failureSummary(m_failures, m_count), m_failures);
        if (!m_fallbacks.empty())
            text += (text.isEmpty() ? QString() : QStringLiteral("\n"))
                    + BatchDriver::displayedSummary(BatchDriver::fallbackSummary(m_fallbacks, m_count), m_fallbacks);
        userPrompts().message(window, text,
                              m_failures.empty() ? UserPrompts::Icon::Information : UserPrompts::Icon::Warning);
    }
}
