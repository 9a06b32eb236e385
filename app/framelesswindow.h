#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

class SettingsStore;

// A top-level window without a frame of its own that still behaves like one: a
// thin band along its edges resizes it, a press on a free part moves it, a
// double click on the title strip maximises and restores it. It also keeps its
// size and, where the desktop lets it, its place from one start to the next.
class FramelessWindow : public QWidget {
    Q_OBJECT
public:
    // The height of the title strip at the top of the window.
    static constexpr int kTitleHeight = 46;

    // minimum is the default and the smallest size.
    explicit FramelessWindow(QSize minimum);

    // Gives the window its stored size (within the primary screen) and its
    // stored place, or centres it when that is not known or would leave the
    // title strip off every screen.
    void restoreSizeAndPlace(const SettingsStore &store);
    // Stores the normal size and place, also when closed maximised.
    void storeSizeAndPlace(SettingsStore &store) const;
    // Shows the window in front, restored if minimised; token is the desktop's
    // activation token for the start that asks (may be empty).
    void bringToFront(const QString &token);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Qt::Edges resizeEdgesAt(const QPoint &pos) const;
    // Moves the window where it was last closed; false when that is not known
    // or its title strip would not be on a screen.
    bool restorePlace(const SettingsStore &store);

    QSize m_minimum;
    bool m_dragging = false;
    bool m_pressed = false;
    QPoint m_pressPos;
    QPoint m_dragOffset;
};
