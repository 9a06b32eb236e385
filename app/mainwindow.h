#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "filelist/mediaitemmap.h"
#include "filelist/medialistmodel.h"
#include "formats/encodingparams.h"
#include "formats/programsettings.h"

class AddingProgressWindow;
class AddingRun;
class BatchRun;
class MainCommands;
class BatchProgressWindow;
class ImageButton;
class MediaListView;
class QComboBox;
class SettingsStore;

// What the main window takes from its surroundings. Every field has a working
// default; tests replace them.
struct MainWindowSetup {
    // The settings store; nullptr: the user's own store, owned by the window.
    SettingsStore *store = nullptr;
    // The converter tool; empty: the one beside the executable.
    std::string converterPath;
    // The documents folder; unset: the user's XDG documents folder.
    std::function<std::optional<std::string>()> documentsFolder;
    // Opens the file manager with the file selected; unset: the shell action.
    std::function<void(const std::string &path)> showInFolder;
    // The help page; empty: snvc.html in the program folder.
    std::string helpFile;
    // Opens the help maximised at a user's first start; unset: the help viewer.
    std::function<void()> openFirstRunHelp;
    // Closes the help window when the main window closes; unset: the help viewer.
    std::function<void()> closeHelp;
    // A desktop notification; unset: the freedesktop notification service.
    std::function<void(const QString &summary, const QString &body)> notify;
};

// The program's one window: the file list, the buttons that add, remove and
// convert files, the output-format selector. It owns the media items (through
// the list), the item map, the settings, the encoding parameters of the 16
// formats and the current output format. Adding and converting run on the
// event loop (several tool processes, one thread) while the window stays
// disabled; their ends come back as events.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The default and the smallest size; the list takes any room beyond it.
    static constexpr int kWidth = 699;
    static constexpr int kHeight = 538;

    explicit MainWindow(MainWindowSetup setup = {});
    ~MainWindow() override;

    MediaListView *fileList() const { return m_list; }
    MainCommands *commands() const { return m_commands; }
    QComboBox *formatSelector() const { return m_formatSelector; }
    int currentFormat() const { return m_currentFormat; }
    void selectFormat(int index);
    const ProgramSettings &settings() const { return m_settings; }
    const std::vector<std::string> &extensionFilter() const { return m_extensionFilter; }
    const EncodingParamsSet &encodingParams() const { return m_params; }
    const MediaItemMap &itemMap() const { return m_map; }
    const std::string &converterToolPath() const { return m_converterPath; }
    // Adding or converting is under way.
    bool isBusy() const { return m_addingRun != nullptr || m_batchRun != nullptr; }

public slots:
    void addFiles();
    void addFolder();
    // Files and folders dropped on the window, as byte paths.
    void addDropped(const std::vector<std::string> &names);
    // Files and folders named on a command line: added as a drop, or kept
    // until the work or the dialog that runs now has ended.
    void openFiles(const std::vector<std::string> &names);
    // Shows the window in front, restored if minimised; token is the desktop's
    // activation token for the start that asks (may be empty).
    void bringToFront(const QString &token);
    void removeSelected();
    void removeAll();
    // Brings back the rows of the last Remove or Remove All, in place and
    // with their statuses; nothing once files were added or converted since.
    void undoRemove();
    bool canUndoRemove() const { return !m_removed.empty(); }
    void convertSelected();
    void convertAll();
    void showOptions();

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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    // Places the controls for the window's size: the left pane keeps its
    // rectangles, the title buttons follow the right edge, the link the bottom.
    void layoutControls();
    void refreshBackground();
    void restoreWindowSize();
    void saveWindowSize();
    // Moves the window where it was last closed; false when that is not known
    // or its title strip would not be on a screen.
    bool restoreWindowPosition();
    void openPendingFiles();
    // Adds dropped names, or names from a command line (named: files are not
    // filtered); says so when the filter leaves nothing of them.
    void addArrived(const std::vector<std::string> &names, bool named);
    Qt::Edges resizeEdgesAt(const QPoint &pos) const;    void dressControls();
    void fillFormatSelector();
    void loadStoredState();
    void searchFolderWithProgress(const std::string &folder);
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
    void clearList();
    // The guards of the list commands.
    void tellNoSelection();
    void tellEmptyList();
    void shutDown();

    MainWindowSetup m_setup;
    std::unique_ptr<SettingsStore> m_ownStore;
    SettingsStore *m_store;

    QComboBox *m_formatSelector = nullptr;
    ImageButton *m_linkButton = nullptr;
    ImageButton *m_helpButton = nullptr;
    ImageButton *m_closeButton = nullptr;
    std::vector<QPointer<QWidget>> m_restingControls;
    QPointer<QWidget> m_restingFocus;
    ImageButton *m_removeAllButton = nullptr;
    ImageButton *m_optionsButton = nullptr;
    ImageButton *m_minimizeButton = nullptr;
    ImageButton *m_convertButton = nullptr;
    ImageButton *m_addFilesButton = nullptr;
    ImageButton *m_addFolderButton = nullptr;
    MediaListView *m_list = nullptr;
    MainCommands *m_commands = nullptr;
    QPixmap m_skin;
    // The skin stretched to the window's size: what the window and the
    // buttons over it paint.
    QPixmap m_background;

    ProgramSettings m_settings;
    std::vector<std::string> m_extensionFilter;
    int m_currentFormat = 0;
    MediaItemMap m_map;
    std::string m_converterPath;
    EncodingParamsSet m_params;

    std::unique_ptr<AddingRun> m_addingRun;
    std::unique_ptr<BatchRun> m_batchRun;
    bool m_quitAfterBatch = false;
    bool m_quitAfterAdding = false;
    bool m_shutDown = false;
    bool m_dragging = false;
    bool m_pressed = false;
    QPoint m_pressPos;
    QPoint m_dragOffset;
    std::vector<std::string> m_pendingOpen;
    std::vector<MediaListModel::TakenRow> m_removed;
    QTimer m_openRetry;
};
