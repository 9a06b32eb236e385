#include "ui/bcmenustyle.h"

#include "ui/menuimagelist.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace {

// The command of the item drawn: QMenu paints its actions in order, so the
// action is found by its rectangle.
int commandAt(const QWidget *widget, const QRect &rect)
{
    const auto *menu = qobject_cast<const QMenu *>(widget);
    if (!menu)
        return 0;
    for (QAction *action : menu->actions()) {
        if (menu->actionGeometry(action) == rect)
            return action->data().toInt();
    }
    return 0;
}

void drawCheckMark(QPainter *p, const QRect &box, const QColor &colour, bool radio)
{
    const QPoint centre(box.left() + box.width() / 2 - 3, box.top() + box.height() / 2 - 3);
    p->save();
    if (radio) {
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(colour);
        p->drawEllipse(QRect(centre, QSize(6, 6)));
    } else {
        // A seven-pixel tick, three pixels thick.
        p->setPen(colour);
        for (int i = 0; i < 3; ++i) {
            const QPoint at = centre + QPoint(0, i + 2);
            p->drawLine(at, at + QPoint(2, 2));
            p->drawLine(at + QPoint(2, 2), at + QPoint(6, -2));
        }
    }
    p->restore();
}

} // namespace

BCMenuStyle::BCMenuStyle(bool xpLook)
    : m_xpLook(xpLook)
{
}

BCMenuStyle::Colours BCMenuStyle::colours(const QPalette &palette, bool xpLook)
{
    const QColor window = palette.color(QPalette::Active, QPalette::Base);
    const QColor buttonFace = palette.color(QPalette::Active, QPalette::Button);
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor grayText = palette.color(QPalette::Disabled, QPalette::Text);

    Colours c;
    c.itemBackground = MenuImageList::darken(window, 0.02);
    c.iconColumn = xpLook ? buttonFace : MenuImageList::lighten(buttonFace, 0.25);
    c.selectionFill = MenuImageList::lighten(highlight, xpLook ? 0.7 : 0.85);
    c.selectionFrame = highlight;
    c.checkFillSelected = MenuImageList::lighten(highlight, 0.55);
    c.checkFill = MenuImageList::lighten(highlight, 0.85);
    c.text = palette.color(QPalette::Active, QPalette::Text);
    c.grayText = grayText;
    c.grayTextAtRest = xpLook ? grayText : MenuImageList::lighten(grayText, 0.4);
    c.shadow = palette.color(QPalette::Active, QPalette::Dark);
    c.highlight = palette.color(QPalette::Active, QPalette::Light);
    return c;
}

int BCMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize BCMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                    const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(contentsSize.width() + kIconColumn, kSeparatorHeight);
    // Text, picture column, indent; the shortcut (which QMenu adds as the tab
    // width) ends one picture width short of the right edge.
    int width = contentsSize.width() + kIconColumn + kTextIndent + kPictureWidth;
    if (item->text.contains(u'\t'))
        width += 2 * kTextIndent;
    const int menuLine = item->fontMetrics.height() + 4;
    return QSize(width, std::max(menuLine, kItemHeight));
}

void BCMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    switch (element) {
    case PE_PanelMenu: {
        const Colours c = colours(option->palette, m_xpLook);
        painter->fillRect(option->rect, c.itemBackground);
        return;
    }
    case PE_FrameMenu: {
        const Colours c = colours(option->palette, m_xpLook);
        painter->save();
        painter->setPen(c.shadow);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void BCMenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    if (element == CE_MenuItem) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            drawMenuItem(item, painter, widget);
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        const Colours c = colours(option->palette, m_xpLook);
        painter->fillRect(option->rect, c.itemBackground);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void BCMenuStyle::drawMenuItem(const QStyleOptionMenuItem *item, QPainter *p, const QWidget *widget) const
{
    const Colours c = colours(item->palette, m_xpLook);
    const QRect r = item->rect;
    const QRect column(r.left(), r.top(), kIconColumn, r.height());
    p->save();

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        p->fillRect(r, c.itemBackground);
        p->fillRect(column, c.iconColumn);
        // An etched line: shadow above, highlight below.
        const int y = r.top() + r.height() / 2;
        const int left = column.right() + 1 + kGap;
        p->fillRect(QRect(left, y, r.right() + 1 - left, 1), c.shadow);
        p->fillRect(QRect(left, y + 1, r.right() + 1 - left, 1), c.highlight);
        p->restore();
        return;
    }

    const bool selected = item->state & State_Selected;
    const bool enabled = item->state & State_Enabled;
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;

    if (selected) {
        p->fillRect(r, c.selectionFill);
        p->setPen(c.selectionFrame);
        p->setBrush(Qt::NoBrush);
        p->drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        p->fillRect(r, c.itemBackground);
        p->fillRect(column, c.iconColumn);
    }

    const QPoint place(r.left() + std::max(0, (kIconColumn - kPictureWidth + 1) / 2),
                       r.top() + std::max(0, (r.height() - kPictureHeight + 1) / 2));
    const QRect iconBox = column.adjusted(1, 1, -2, -1);
    const QColor boxFill = selected ? c.checkFillSelected : c.checkFill;
    const int command = commandAt(widget, r);
    const MenuImageList &images = MenuImageList::instance();

    if (command != 0 && images.hasPicture(command)) {
        if (!enabled) {
            p->drawImage(place, images.picture(command, MenuImageList::Disabled));
        } else if (selected) {
            p->fillRect(iconBox, checked ? boxFill : c.selectionFill);
            if (!checked)
                p->drawImage(place + QPoint(1, 1), images.picture(command, MenuImageList::Shadow));
            p->drawImage(place - QPoint(1, 1), images.picture(command, MenuImageList::Normal));
        } else if (checked) {
            p->fillRect(iconBox, boxFill);
            p->setPen(c.selectionFrame);
            p->drawRect(iconBox.adjusted(0, 0, -1, -1));
            p->drawImage(place - QPoint(1, 1), images.picture(command, MenuImageList::Normal));
        } else {
            p->drawImage(place, images.picture(command, MenuImageList::Faded));
        }
    } else if (checked) {
        p->fillRect(iconBox, boxFill);
        p->setPen(c.selectionFrame);
        p->setBrush(Qt::NoBrush);
        p->drawRect(iconBox.adjusted(0, 0, -1, -1));
        drawCheckMark(p, iconBox, c.text, item->checkType == QStyleOptionMenuItem::Exclusive);
    }

    // Text: the label left-aligned after the column, the shortcut right-aligned
    // one picture width short of the right edge.
    QColor textColour = c.text;
    if (!enabled)
        textColour = selected ? c.grayText : c.grayTextAtRest;
    p->setPen(textColour);
    p->setFont(item->font);
    const QString &text = item->text;
    const qsizetype firstTab = text.indexOf(u'\t');
    const QString label = firstTab < 0 ? text : text.left(firstTab);
    const QRect textRect(column.right() + 1 + kTextIndent, r.top(),
                         r.right() + 1 - kPictureWidth - (column.right() + 1 + kTextIndent), r.height());
    p->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                label);
    if (firstTab >= 0) {
        const QString shortcut = text.mid(text.lastIndexOf(u'\t') + 1);
        p->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shortcut);
    }
    p->restore();
}
