#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include "batch/batchdriver.h"
#include "batch/outputpathresolver.h"
#include "core/encodingparams.h"
#include "options/programsettings.h"

class BatchProgressWindow;
class MediaListView;
class QWidget;
class WaitCursor;

// What a batch run takes from the main window.
struct BatchRunSetup {
    QWidget *window = nullptr;  // owns the progress window and the messages
    MediaListView *list = nullptr;
    ProgramSettings settings;
    int format = 0;
    EncodingParams params;  // of the format
    std::string converterPath;
    DocumentsFolderFn documentsFolder;
    std::function<void(const std::string &path)> showInFolder;
    std::function<void(const QString &summary, const QString &body)> notify;
};

// One conversion of rows of the list: its progress window, wait cursor, driver
// and runners, and the report at its end. Enabling the main window again and
// what follows the batch are the window's.
class BatchRun : public QObject {
    Q_OBJECT
public:
    explicit BatchRun(BatchRunSetup setup, QObject *parent = nullptr);
    ~BatchRun() override;

    // Opens the progress window and converts the rows, in this order.
    void start(const std::vector<int> &rows);
    // As the progress window's Cancel: the running conversions end at once.
    void cancel();
    bool cancelled() const { return m_driver ? m_driver->cancelled() : m_cancelled; }
    // After finished, unless cancelled: the output folder shown, a word after a long
    // batch the user was not watching, and a message with what failed.
    void report();

signals:
    void windowOpened(BatchProgressWindow *window);
    // The last conversion has ended and the progress window is closed.
    void finished();

private:
    BatchSteps steps();
    void end();

    BatchRunSetup m_setup;
    std::vector<BatchEntry> m_entries;
    std::unique_ptr<WaitCursor> m_wait;
    std::unique_ptr<BatchProgressWindow> m_window;
    std::unique_ptr<BatchDriver> m_driver;
    QTimer m_clock;
    // How the batch went, kept once the driver is gone.
    bool m_cancelled = false;
    std::vector<BatchFailure> m_failures;
    std::vector<BatchFailure> m_fallbacks;
    std::string m_toolFailure;
    int m_count = 0;
    std::chrono::steady_clock::duration m_elapsed{};
};
