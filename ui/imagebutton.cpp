#include "ui/imagebutton.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include "ui/artwork.h"

ImageButton::ImageButton(QWidget *parent)
    : ImageButton(QString(), parent)
{
}

ImageButton::ImageButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(text);
    setMouseTracking(true);
    // Everything is painted from the off-screen pixmap; nothing below shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
}

void ImageButton::redrawIf(bool redraw)
{
    if (redraw)
        update();
}

void ImageButton::setTextColours(const QColor &normal, const QColor &hot, bool redraw)
{
    m_textColour = normal;
    m_hotTextColour = hot.isValid() ? hot : normal;
    redrawIf(redraw);
}

void ImageButton::setTextOffset(int x, int y, bool redraw)
{
    m_textOffset = QPoint(x, y);
    redrawIf(redraw);
}

void ImageButton::setButtonFont(const QFont &font, bool redraw)
{
    setFont(font);
    redrawIf(redraw);
}

void ImageButton::setDrawText(bool on, bool redraw)
{
    m_drawText = on;
    redrawIf(redraw);
}

void ImageButton::setDrawFocusRect(bool on, bool redraw)
{
    m_drawFocusRect = on;
    redrawIf(redraw);
}

void ImageButton::setFrame(bool on, bool redraw)
{
    m_drawFrame = on;
    redrawIf(redraw);
}

void ImageButton::setFlat(bool on, bool redraw)
{
    m_flat = on;
    redrawIf(redraw);
}

void ImageButton::setPressOffset(bool on, bool redraw)
{
    m_pressOffset = on;
    redrawIf(redraw);
}

void ImageButton::setTransparent(bool on, bool redraw)
{
    m_transparent = on;
    redrawIf(redraw);
}

void ImageButton::setBackgroundColours(const QColor &normal, const QColor &hot, bool redraw)
{
    m_backgroundColour = normal;
    m_hotBackgroundColour = hot.isValid() ? hot : normal;
    redrawIf(redraw);
}

void ImageButton::setParentBackground(const QPixmap &background, bool redraw)
{
    m_parentBackground = background;
    m_cachedBackground = QPixmap();
    redrawIf(redraw);
}

int ImageButton::pictureMargin() const
{
    return (m_pressOffset ? 1 : 0) + (m_drawFrame ? 2 : 0);
}

void ImageButton::resizeToPicture(const QSize &picture)
{
    const int d = pictureMargin();
    resize(picture.width() + d, picture.height() + d);
}

bool ImageButton::setBitmaps(const QPixmap &normal, const QPixmap &hot, bool resize, bool redraw)
{
    m_normalBitmap = QPixmap();
    m_hotBitmap = QPixmap();
    if (normal.isNull()) {
        redrawIf(redraw);
        return false;
    }
    m_normalBitmap = normal;
    m_hotBitmap = hot;
    if (resize)
        resizeToPicture(normal.deviceIndependentSize().toSize());
    redrawIf(redraw);
    return true;
}

bool ImageButton::setBitmaps(const QString &normalFile, const QString &hotFile, bool resize, bool redraw)
{
    return setBitmaps(artwork::pixmap(normalFile), hotFile.isEmpty() ? QPixmap() : artwork::pixmap(hotFile), resize,
                      redraw);
}

bool ImageButton::setIcons(const QPixmap &normal, const QPixmap &hot, bool resize, bool redraw)
{
    m_normalIcon = QPixmap();
    m_hotIcon = QPixmap();
    if (normal.isNull()) {
        redrawIf(redraw);
        return false;
    }
    m_normalIcon = normal;
    m_hotIcon = hot;
    if (resize)
        resizeToPicture(normal.deviceIndependentSize().toSize());
    redrawIf(redraw);
    return true;
}

bool ImageButton::setIcons(const QString &normalFile, const QString &hotFile, bool resize, bool redraw)
{
    return setIcons(artwork::pixmap(normalFile), hotFile.isEmpty() ? QPixmap() : artwork::pixmap(hotFile), resize,
                    redraw);
}

QSize ImageButton::sizeHint() const
{
    const int d = pictureMargin();
    if (!m_normalIcon.isNull())
        return m_normalIcon.deviceIndependentSize().toSize() + QSize(d, d);
    if (!m_normalBitmap.isNull())
        return m_normalBitmap.deviceIndependentSize().toSize() + QSize(d, d);
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    return textSize + QSize(12 + d, 6 + d);
}

void ImageButton::setHovering(bool on)
{
    if (m_hovering == on)
        return;
    m_hovering = on;
    update();
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    setHovering(true);
}

void ImageButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovering(false);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    QAbstractButton::mouseMoveEvent(event);
    setHovering(true);
}

void ImageButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    m_cachedBackground = QPixmap();
}

void ImageButton::moveEvent(QMoveEvent *event)
{
    // The skin under a moved button is another part of it.
    QAbstractButton::moveEvent(event);
    m_cachedBackground = QPixmap();
}

const QPixmap &ImageButton::cachedBackground()
{
    if (!m_cachedBackground.isNull())
        return m_cachedBackground;
    const QRect under(pos(), size());
    QWidget *parent = parentWidget();
    if (!m_parentBackground.isNull()) {
        // The skin is laid out in the parent's logical pixels, whatever its own
        // pixel ratio.
        const qreal ratio = m_parentBackground.devicePixelRatio();
        m_cachedBackground = QPixmap(size() * ratio);
        m_cachedBackground.setDevicePixelRatio(ratio);
        m_cachedBackground.fill(palette().color(QPalette::Button));
        QPainter p(&m_cachedBackground);
        p.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size())), m_parentBackground,
                     QRectF(QPointF(under.topLeft()) * ratio, QSizeF(under.size()) * ratio));
    } else if (parent) {
        // What the parent paints itself there, without its children.
        const qreal ratio = devicePixelRatioF();
        m_cachedBackground = QPixmap(size() * ratio);
        m_cachedBackground.setDevicePixelRatio(ratio);
        m_cachedBackground.fill(parent->palette().color(parent->backgroundRole()));
        parent->render(&m_cachedBackground, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
    } else {
        m_cachedBackground = QPixmap(size());
        m_cachedBackground.fill(palette().color(QPalette::Button));
    }
    return m_cachedBackground;
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier
        && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    const bool pressed = isDown();
    const bool focused = hasFocus();
    const bool disabled = !isEnabled();
    const bool lit = m_hovering || pressed;

    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    QPainter p(&buffer);
    // Pictures made for another pixel ratio are scaled smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // Background.
    if (m_transparent) {
        p.drawPixmap(QRect(QPoint(0, 0), size()), cachedBackground());
    } else {
        QColor fill = lit ? m_hotBackgroundColour : m_backgroundColour;
        if (!fill.isValid())
            fill = palette().color(QPalette::Button);
        p.fillRect(rect(), fill);
    }

    // Frame: one pixel, raised or sunken.
    QRect r = rect();
    if (m_drawFrame) {
        bool draw = true;
        bool sunken = pressed;
        if (m_flat)
            draw = lit;
        if (draw) {
            const QColor shadow = palette().color(QPalette::Dark);
            const QColor light = palette().color(QPalette::Light);
            const QColor topLeft = sunken ? shadow : light;
            const QColor bottomRight = sunken ? light : shadow;
            p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
            p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
            p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
            p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        }
        r.adjust(1, 1, -1, -1);
    }

    if (pressed && m_pressOffset)
        r.translate(1, 1);

    // Picture.
    if (!m_normalIcon.isNull()) {
        const QPixmap &icon = (lit && !disabled && !m_hotIcon.isNull()) ? m_hotIcon : m_normalIcon;
        QPixmap shown = icon;
        if (disabled) {
            QStyleOption option;
            option.initFrom(this);
            shown = style()->generatedIconPixmap(QIcon::Disabled, icon, &option);
        }
        const QSize iconSize = shown.deviceIndependentSize().toSize();
        const QPoint at(r.left() + (r.width() - iconSize.width()) / 2,
                        r.top() + (r.height() - iconSize.height()) / 2);
        p.drawPixmap(at, shown);
    } else if (!m_normalBitmap.isNull()) {
        const QPixmap &bitmap = (lit && !disabled && !m_hotBitmap.isNull()) ? m_hotBitmap : m_normalBitmap;
        p.drawPixmap(r.topLeft(), bitmap);
    }

    // Caption.
    if (m_drawText && !text().isEmpty()) {
        QColor colour;
        if (disabled)
            colour = palette().color(QPalette::Disabled, QPalette::Text);
        else
            colour = m_hovering || pressed ? m_hotTextColour : m_textColour;
        if (!colour.isValid())
            colour = palette().color(QPalette::ButtonText);
        p.setPen(colour);
        // A caption longer than the face (another language) is set a little
        // smaller, and elided only when that is not enough; the tooltip then
        // shows it whole.
        const QFont face = captionFont(r);
        p.setFont(face);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;
        const QFontMetrics metrics(face);
        const QString shown = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width() <= r.width()
                                  ? text()
                                  : metrics.elidedText(text(), Qt::ElideRight, r.width());
        p.drawText(r.translated(m_textOffset), flags, shown);
    }

    // The focus shows once the keyboard has moved it, as on the classic
    // desktop: a dotted frame in the caption's colour, one point wide at any
    // scale (the style's own may draw nothing over a skin).
    if (focused && m_drawFocusRect && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QColor colour = m_textColour.isValid() ? m_textColour : palette().color(QPalette::ButtonText);
        // Over a dark part of the skin (the title strip) the frame is light.
        if (m_transparent && !cachedBackground().isNull()) {
            const QImage under = cachedBackground().toImage();
            if (under.pixelColor(under.width() / 2, 0).lightness() < 128)
                colour = Qt::white;
        }
        QPen pen(colour, 1.0, Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const qreal inset = m_drawFrame ? 0.5 : 3.5;
        p.drawRect(QRectF(r).adjusted(inset, inset, -inset, -inset));
    }
    p.end();

    QPainter(this).drawPixmap(0, 0, buffer);
}

QFont ImageButton::captionFont(const QRect &room) const
{
    QFont face = font();
    const auto width = [&face, this] {
        return QFontMetrics(face).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width();
    };
    // Down to 85 % of the size, in steps, while the caption is too wide.
    const qreal size = face.pointSizeF();
    for (int step = 1; step <= 3 && size > 0 && width() > room.width(); ++step)
        face.setPointSizeF(size * (1.0 - 0.05 * step));
    return face;
}

bool ImageButton::captionElided() const
{
    if (!m_drawText || text().isEmpty())
        return false;
    const QFont face = captionFont(rect());
    return QFontMetrics(face).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width() > width();
}

bool ImageButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && captionElided()) {
        QString whole = text();
        whole.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
        // The button's own tip says what it does; the caption still has to be read whole.
        if (!toolTip().isEmpty() && toolTip() != whole)
            whole += u'\n' + toolTip();
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), whole, this);
        return true;
    }
    return QAbstractButton::event(event);
}
