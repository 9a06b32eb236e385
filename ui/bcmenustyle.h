#pragma once

#include <QColor>
#include <QProxyStyle>

class QStyleOptionMenuItem;

// The flat look of BCMenu: a light item background, a tinted picture column at the
// left, a pale selection with a one-pixel frame, pictures drawn faded at rest and
// raised over their shadow when selected, and the shortcut right-aligned.
class BCMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 16;
    static constexpr int kPictureHeight = 15;
    static constexpr int kGap = 7;                                // three-variant pictures
    static constexpr int kIconColumn = kPictureWidth + kGap;      // 23
    static constexpr int kItemHeight = kPictureHeight + kGap;     // 22
    static constexpr int kSeparatorHeight = 3;
    static constexpr int kTextIndent = 8;

    // The flat colours from a palette. The system colours map onto the palette
    // as Qt maps them: window = Base, button face = Button, button shadow = Dark,
    // button highlight = Light, menu text = Text, grey text = disabled Text.
    struct Colours {
        QColor itemBackground;
        QColor iconColumn;
        QColor selectionFill;
        QColor selectionFrame;
        QColor checkFillSelected;
        QColor checkFill;
        QColor text;
        QColor grayText;        // disabled and selected
        QColor grayTextAtRest;  // disabled, not selected
        QColor shadow;
        QColor highlight;
    };
    static Colours colours(const QPalette &palette, bool xpLook);

    explicit BCMenuStyle(bool xpLook = false);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    void drawMenuItem(const QStyleOptionMenuItem *item, QPainter *painter, const QWidget *widget) const;

    bool m_xpLook;
};
