#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/commandtarget.h"
#include "app/framelesswindow.h"
#include "app/mainwindowcontrols.h"
#include "app/mainwindowsetup.h"
#include "filelist/medialist.h"
#include "options/appstate.h"

class AddDialogs;
class AddingProgressWindow;
class ArrivingFiles;
class AddingRun;
class BatchRun;
class QTimer;
class WaitCursor;
class MainCommands;
class BatchProgressWindow;
class MediaListView;
class QComboBox;
class SettingsStore;

// The program's one window: the file list, the buttons that add, remove and
// convert files, the output-format selector. It owns the list (the media items
// and their map) and the program's state, and routes the commands, drops and
// named files to the jobs that do them. Adding and converting run on the event
// loop (several tool processes, one thread) while the window stays disabled;
// their ends come back as events.
class MainWindow : public FramelessWindow, public CommandTarget {
    Q_OBJECT
public:
    // The default and the smallest size; the list takes any room beyond it.
    static constexpr int kWidth = MainWindowControls::kWidth;
    static constexpr int kHeight = MainWindowControls::kHeight;

    explicit MainWindow(MainWindowSetup setup = {});
    ~MainWindow() override;

    QWidget *commandWindow() override { return this; }
    MediaListView *fileList() const override { return m_list; }
    MainCommands *commands() const { return m_commands; }
    QComboBox *formatSelector() const { return m_controls->formatSelector; }
    int currentFormat() const { return m_state.currentFormat; }
    void selectFormat(int index);
    const MediaItemMap &itemMap() const { return m_files.itemMap(); }
    // Adding or converting is under way.
    bool isBusy() const override { return m_addingRun != nullptr || m_batchRun != nullptr; }

public slots:
    void addFiles() override;
    void addFolder() override;
    // Files and folders dropped on the window, as byte paths.
    void addDropped(const std::vector<std::string> &names);
    // Files and folders named on a command line: added as a drop, or kept
    // until the work or the dialog that runs now has ended.
    void openFiles(const std::vector<std::string> &names);
    void removeSelected() override;
    void removeAll() override;
    // Brings back the rows of the last Remove or Remove All, in place and
    // with their statuses; nothing once files were added or converted since.
    void undoRemove() override;
    bool canUndoRemove() const override { return !m_removed.empty(); }
    void convertSelected() override;
    void convertAll() override;
    void showOptions() override;

signals:
    // A progress window has opened; lets tests watch and press Cancel.
    void batchWindowOpened(BatchProgressWindow *window);
    void addingWindowOpened(AddingProgressWindow *window);
    // Adding or converting has ended and the window is enabled again.
    void workFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void bindCommands();
    // Adds dropped names, or names from a command line (named: files are not
    // filtered); says so when the filter leaves nothing of them.
    void addArrived(const std::vector<std::string> &names, bool named);
    // Rests the window and makes the adding run, which the caller starts.
    AddingRun *startAddingRun();
    // Searches the names (as dropped) off the window's thread while their files are added.
    void searchAndAdd(const std::vector<std::string> &names, bool named);
    void endAdding();
    // Stops the probes at once, drops what they would add and closes.
    void stopAddingAndClose();
    void runBatch(const std::vector<int> &rows);
    void endBatch();
    // Rests the window's controls while files are added or converted, all but
    // the frame's minimise and close buttons, so the window can still be
    // moved, minimised and closed (closing asks) during a long batch.
    void setWorking(bool working);
    // The guards of the list commands.
    void tellNoSelection();
    void tellEmptyList();
    void shutDown();

    MainWindowSetup m_setup;
    std::unique_ptr<SettingsStore> m_ownStore;
    SettingsStore *m_store;

    AppState m_state;
    MediaList m_files;
    std::unique_ptr<AddDialogs> m_dialogs;

    std::unique_ptr<MainWindowControls> m_controls;
    MediaListView *m_list = nullptr;
    MainCommands *m_commands = nullptr;

    std::string m_converterPath;

    std::unique_ptr<AddingRun> m_addingRun;
    std::unique_ptr<BatchRun> m_batchRun;
    bool m_quitAfterBatch = false;
    bool m_quitAfterAdding = false;
    bool m_shutDown = false;
    std::vector<MediaListModel::TakenRow> m_removed;
    ArrivingFiles *m_arriving = nullptr;
};
