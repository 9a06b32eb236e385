#include "ui/hyperlinklabel.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimerEvent>

HyperlinkLabel::HyperlinkLabel(const QString &text, const QString &link, QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // Reached by Tab, not by a click: a click opens the link at once.
    setFocusPolicy(Qt::TabFocus);
    m_link = link.isEmpty() ? text : link;
    setText(text.isEmpty() ? m_link : text);
    setToolTip(m_link);
    applyColour();
    autoSize();
}

HyperlinkLabel::~HyperlinkLabel()
{
    m_hoverTimer.stop();
}

void HyperlinkLabel::setLink(const QString &link)
{
    m_link = link;
    if (text().isEmpty())
        setText(link);
    autoSize();
    setToolTip(link);
}

void HyperlinkLabel::setUnderline(int mode)
{
    if (mode == m_underline)
        return;
    setUnderlinedFont(mode == UnderlineAlways);
    m_underline = mode;
}

void HyperlinkLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    autoSize();
}

void HyperlinkLabel::setLinkColours(const QColor &link, const QColor &visited, const QColor &hover)
{
    m_linkColour = link;
    m_visitedColour = visited;
    m_hoverColour = hover;
    applyColour();
}

QColor HyperlinkLabel::textColour() const
{
    if (m_hovering)
        return m_hoverColour;
    return m_visited ? m_visitedColour : m_linkColour;
}

void HyperlinkLabel::applyColour()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, textColour());
    setPalette(pal);
}

void HyperlinkLabel::setUnderlinedFont(bool underlined)
{
    QFont f = font();
    if (f.underline() == underlined)
        return;
    f.setUnderline(underlined);
    setFont(f);
}

void HyperlinkLabel::autoSize()
{
    if (!m_autoSize)
        return;
    const QRect old = geometry();
    const QSize border = size() - contentsRect().size();
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    const int w = textSize.width() + border.width();
    const int h = textSize.height() + border.height();
    int x = old.left();
    int y = old.top();
    const Qt::Alignment align = alignment();
    if (align & Qt::AlignHCenter)
        x = old.left() + (old.width() - w) / 2;
    else if (align & Qt::AlignRight)
        x = old.right() + 1 - w;
    if (align & Qt::AlignVCenter)
        y = old.top() + (old.height() - h) / 2;
    setGeometry(x, y, w, h);
}

void HyperlinkLabel::startHover()
{
    if (m_hovering)
        return;
    m_hovering = true;
    if (m_underline == UnderlineHover)
        setUnderlinedFont(true);
    applyColour();
    m_hoverTimer.start(100, this);
}

void HyperlinkLabel::endHover()
{
    m_hoverTimer.stop();
    m_hovering = false;
    if (m_underline != UnderlineAlways)
        setUnderlinedFont(false);
    applyColour();
}

void HyperlinkLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    startHover();
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    startHover();
}

void HyperlinkLabel::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_hoverTimer.timerId()) {
        QLabel::timerEvent(event);
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        endHover();
}

void HyperlinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        followLink();
}

void HyperlinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            followLink();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void HyperlinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

void HyperlinkLabel::followLink()
{
    m_hovering = false;
    m_visited = m_opener && m_opener(this, m_link);
    applyColour();
}
