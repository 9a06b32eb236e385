#pragma once

#include <vector>

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QWidget>

class ImageButton;
class MediaListModel;
class MediaListView;
class QComboBox;
class QPainter;

// The controls of the main window over its skin: built in their places and tab
// order, dressed, and moved with the window's size. The left pane keeps its
// rectangles, the title buttons follow the right edge, the link the bottom.
class MainWindowControls {
    Q_DECLARE_TR_FUNCTIONS(MainWindowControls)

public:
    // The size the skin is drawn for: the default and the smallest.
    static constexpr int kWidth = 699;
    static constexpr int kHeight = 538;

    // Builds the controls as children of window; the list shows rows.
    MainWindowControls(QWidget &window, MediaListModel *rows);

    // Lists the output formats in the selector with current selected (the
    // first when it is none of them); returns the selected one.
    int fillFormatSelector(int current);
    // The format the selector shows, and moving it to format.
    int selectedFormat() const;
    void selectFormat(int format);
    // Places the controls for the window's size.
    void layout();
    // Paints the skin stretched to the window's size.
    void paintBackground(QPainter &painter);
    // Rests the controls while files are added or converted, all but the
    // frame's minimise and close buttons, so the window can still be moved,
    // minimised and closed (closing asks) during a long batch; and wakes them.
    void rest(bool resting);

    MediaListView *list = nullptr;
    QComboBox *formatSelector = nullptr;
    ImageButton *addFilesButton = nullptr;
    ImageButton *addFolderButton = nullptr;
    ImageButton *removeAllButton = nullptr;
    ImageButton *convertButton = nullptr;
    ImageButton *optionsButton = nullptr;
    ImageButton *linkButton = nullptr;
    ImageButton *helpButton = nullptr;
    ImageButton *minimizeButton = nullptr;
    ImageButton *closeButton = nullptr;

private:
    void dress();
    void refreshBackground();

    QWidget &m_window;
    std::vector<QPointer<QWidget>> m_restingControls;
    QPointer<QWidget> m_restingFocus;
    QPixmap m_skin;
    // The skin stretched to the window's size: what the window and the
    // buttons over it paint.
    QPixmap m_background;
};
