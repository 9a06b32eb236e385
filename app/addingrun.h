#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

class AddingProgressWindow;
class FileAdder;
class FolderSearch;
class MediaItemMap;
class MediaListView;
class QWidget;
class WaitCursor;

// What an adding run takes from the main window.
struct AddingRunSetup {
    QWidget *window = nullptr;  // owns the progress window and the messages
    MediaListView *list = nullptr;
    MediaItemMap *map = nullptr;
    std::string converterPath;
    int parallel = 1;  // simultaneous conversions: one probe service each
};

// One adding of files to the list: its progress window, wait cursor, folder
// search, probes and the report at its end. Enabling the main window again is
// the window's.
class AddingRun : public QObject {
    Q_OBJECT
public:
    explicit AddingRun(AddingRunSetup setup, QObject *parent = nullptr);
    // Stops at once: the probes are killed and reaped, nothing more is added,
    // the progress window closes; finished is not emitted.
    ~AddingRun() override;

    // Probes the picked files as they stand (no filter, no shortcuts).
    void addFiles(const std::vector<std::string> &paths);
    // Searches the names (as dropped; named: given one by one, so files are not
    // filtered) off the window's thread while their files are added.
    void searchAndAdd(const std::vector<std::string> &names, bool named, bool filterEnabled,
                      const std::vector<std::string> &filter);
    // After finished: what could not be added, or that the filter took everything.
    void report();

signals:
    void windowOpened(AddingProgressWindow *window);
    // The last probe has ended and the progress window is closed.
    void finished();

private:
    void openWindow();
    void startAdding(const std::vector<std::string> &pending, bool morePending);
    void end();

    AddingRunSetup m_setup;
    std::unique_ptr<WaitCursor> m_wait;
    std::unique_ptr<AddingProgressWindow> m_window;
    std::unique_ptr<FolderSearch> m_search;
    std::unique_ptr<FileAdder> m_adder;
    std::size_t m_found = 0;
    int m_filteredOut = 0;  // files the extension filter left out of the search
    QString m_failures;
    std::string m_toolFailure;
};
