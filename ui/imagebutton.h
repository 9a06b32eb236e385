#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// A push button that draws itself over the window's skin: the part of the skin
// under it as its background (so it looks transparent), an optional flat frame,
// a picture with a "hot" variant while the mouse is over it, and its caption.
// Every paint goes through one off-screen pixmap so nothing flickers.
//
// The cursor is the widget's own (setCursor); the caption's "&" marks the
// mnemonic as on any Qt button. Space, Enter and Return press it when it has
// the focus, as they press a focused push button.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);
    explicit ImageButton(const QString &text, QWidget *parent = nullptr);

    // Text colours; an invalid hot colour means the same as normal. Invalid
    // normal colour: the palette's button text.
    void setTextColours(const QColor &normal, const QColor &hot = QColor(), bool redraw = true);
    // Moves the caption's rectangle by x, y.
    void setTextOffset(int x, int y, bool redraw = true);
    void setButtonFont(const QFont &font, bool redraw = true);
    void setDrawText(bool on, bool redraw = true);
    void setDrawFocusRect(bool on, bool redraw = true);
    // The one-pixel frame; flat means it shows only while hovering or pressed.
    void setFrame(bool on, bool redraw = true);
    void setFlat(bool on, bool redraw = true);
    // Moves the content one pixel right and down while pressed.
    void setPressOffset(bool on, bool redraw = true);
    // Off: the background is filled with the background colours below.
    void setTransparent(bool on, bool redraw = true);
    // Invalid colours: the palette's button colour.
    void setBackgroundColours(const QColor &normal, const QColor &hot = QColor(), bool redraw = true);
    // The parent's background picture, painted at the parent's 0, 0; the part
    // under the button becomes the button's background. A null pixmap takes
    // what the parent paints itself instead.
    void setParentBackground(const QPixmap &background, bool redraw = true);

    // Pictures drawn at the top-left of the content rectangle. False (and no
    // picture) when the normal one can't be loaded. With resize, the button keeps
    // its top-left corner and takes the picture's size plus d each way, d being 1
    // with the press offset plus 2 with the frame.
    bool setBitmaps(const QPixmap &normal, const QPixmap &hot = QPixmap(), bool resize = true,
                    bool redraw = true);
    bool setBitmaps(const QString &normalFile, const QString &hotFile = QString(), bool resize = true,
                    bool redraw = true);
    // Icons are drawn centred, greyed when the button is disabled; otherwise as
    // setBitmaps. Icons win over bitmaps when both are set.
    bool setIcons(const QPixmap &normal, const QPixmap &hot = QPixmap(), bool resize = true,
                  bool redraw = true);
    bool setIcons(const QString &normalFile, const QString &hotFile = QString(), bool resize = true,
                  bool redraw = true);

    bool isHovering() const { return m_hovering; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // The caption as it fits the face: a smaller face first, then elided.
    QFont captionFont(const QRect &room) const;
    bool captionElided() const;
    void setHovering(bool on);
    void redrawIf(bool redraw);
    void resizeToPicture(const QSize &picture);
    int pictureMargin() const;
    const QPixmap &cachedBackground();

    QPixmap m_cachedBackground;
    QPixmap m_parentBackground;
    QPixmap m_hotBitmap;
    QPixmap m_normalBitmap;
    QPixmap m_hotIcon;
    QPixmap m_normalIcon;
    bool m_hovering = false;
    QColor m_textColour;
    QColor m_hotTextColour;
    QPoint m_textOffset;
    bool m_drawText = true;
    bool m_drawFocusRect = false;
    bool m_drawFrame = true;
    bool m_flat = true;
    bool m_pressOffset = true;
    bool m_transparent = true;
    QColor m_backgroundColour;
    QColor m_hotBackgroundColour;
};
