#include "app/framelesswindow.h"

#include <algorithm>
#include <cstdint>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "platform/settingsstore.h"

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

FramelessWindow::FramelessWindow(QSize minimum)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_minimum(minimum)
{
    setMinimumSize(minimum);
    resize(minimum);
    // The cursor shows where an edge can be dragged to resize.
    setMouseTracking(true);
}

void FramelessWindow::restoreSizeAndPlace(const SettingsStore &store)
{
    const int w = int(store.readNumber("Window", "Width").value_or(std::uint32_t(m_minimum.width())));
    const int h = int(store.readNumber("Window", "Height").value_or(std::uint32_t(m_minimum.height())));
    QSize size(std::max(w, m_minimum.width()), std::max(h, m_minimum.height()));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size()).expandedTo(m_minimum);
    resize(size);
    if (store.readNumber("Window", "Maximized").value_or(0) != 0)
        setWindowState(windowState() | Qt::WindowMaximized);

    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!restorePlace(store) && screen) {
        // On a screen smaller than the window (large scaling) the title strip
        // with its buttons stays on the screen; the bottom is what goes off.
        const QRect free = screen->availableGeometry();
        const QPoint centred = free.center() - QPoint(width() / 2, height() / 2);
        move(std::max(centred.x(), free.left()), std::max(centred.y(), free.top()));
    }
}

bool FramelessWindow::restorePlace(const SettingsStore &store)
{
    // Wayland places windows itself and tells no positions.
    if (onWayland())
        return false;
    const auto x = store.readNumber("Window", "X");
    const auto y = store.readNumber("Window", "Y");
    if (!x || !y)
        return false;
    // Stored as unsigned numbers: a window left of or above the first screen
    // comes back negative.
    const QPoint at(static_cast<std::int32_t>(*x), static_cast<std::int32_t>(*y));
    // Only where enough of the title strip is on a screen to grab it again
    // (a screen since unplugged, a smaller resolution).
    constexpr int kGrip = 80;
    const QRect strip(at, QSize(width(), kTitleHeight));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shown = strip.intersected(screen->availableGeometry());
        if (shown.width() >= std::min(kGrip, width()) && shown.top() == strip.top()) {
            move(at);
            return true;
        }
    }
    return false;
}

void FramelessWindow::storeSizeAndPlace(SettingsStore &store) const
{
    // The size to come back to: the normal one, also when closed maximised.
    const QSize normal = isMaximized() || isFullScreen() ? normalGeometry().size() : size();
    if (normal.isValid()) {
        store.writeNumber("Window", "Width", std::uint32_t(std::max(normal.width(), m_minimum.width())));
        store.writeNumber("Window", "Height", std::uint32_t(std::max(normal.height(), m_minimum.height())));
    }
    store.writeNumber("Window", "Maximized", isMaximized() ? 1 : 0);
    if (!onWayland()) {
        const QPoint at = isMaximized() || isFullScreen() ? normalGeometry().topLeft() : pos();
        store.writeNumber("Window", "X", static_cast<std::uint32_t>(at.x()));
        store.writeNumber("Window", "Y", static_cast<std::uint32_t>(at.y()));
    }
}

void FramelessWindow::bringToFront(const QString &token)
{
    // Wayland lets a window take the focus only with the token of the start
    // that asked for it.
    if (!token.isEmpty() && onWayland())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

Qt::Edges FramelessWindow::resizeEdgesAt(const QPoint &pos) const
{
    constexpr int kBand = 5;
    Qt::Edges edges;
    if (isMaximized() || isFullScreen())
        return edges;
    if (pos.x() < kBand)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kBand)
        edges |= Qt::RightEdge;
    if (pos.y() < kBand)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - kBand)
        edges |= Qt::BottomEdge;
    return edges;
}

void FramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const Qt::Edges edges = resizeEdgesAt(event->position().toPoint());
    if (edges && windowHandle() && windowHandle()->startSystemResize(edges))
        return;
    // A press on a free part of the window moves it once the mouse moves, so
    // that a double click still reaches the window.
    m_pressed = true;
    m_pressPos = event->position().toPoint();
}

void FramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance())
            return;
        m_pressed = false;
        // The compositor moves the window where it can (Wayland knows no
        // global positions); elsewhere the window follows the mouse itself.
        if (windowHandle() && windowHandle()->startSystemMove())
            return;
        m_dragging = true;
        m_dragOffset = mapToGlobal(m_pressPos) - frameGeometry().topLeft();
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    const Qt::Edges edges = resizeEdgesAt(pos);
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
}

void FramelessWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < kTitleHeight) {
        m_pressed = false;
        setWindowState(windowState() ^ Qt::WindowMaximized);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
