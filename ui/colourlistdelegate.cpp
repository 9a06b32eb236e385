#include "ui/colourlistdelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kTextInset = 2;

} // namespace

ColourListDelegate::ColourListDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void ColourListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    paintRow(painter, option.rect, option.palette, option.state, index,
             const_cast<QWidget *>(option.widget));
}

QSize ColourListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), rowHeight(option.fontMetrics)};
}

void ColourListDelegate::paintRow(QPainter *painter, const QRect &rect, const QPalette &palette,
                                  QStyle::State state, const QModelIndex &index, QWidget *widget)
{
    // A row without a record has nothing to draw.
    if (!index.isValid() || !index.data(HasRecordRole).toBool())
        return;

    QColor text;
    QColor background;
    if (state & QStyle::State_Selected) {
        text = palette.color(QPalette::HighlightedText);
        background = palette.color(QPalette::Highlight);
    } else {
        text = index.data(TextColourRole).value<QColor>();
        background = index.data(BackgroundColourRole).value<QColor>();
    }

    painter->save();
    painter->fillRect(rect, background);
    painter->setPen(text);
    // No mnemonic flag: an "&" in a row's text is drawn as it is.
    painter->drawText(rect.adjusted(kTextInset, 0, -kTextInset, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = rect;
        focus.palette = palette;
        focus.state = state | QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = background;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

int ColourListDelegate::rowHeight(const QFontMetrics &metrics)
{
    return metrics.height() + 4;
}
