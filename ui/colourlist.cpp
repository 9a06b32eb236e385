#include "ui/colourlist.h"

#include <QStylePainter>

#include "ui/colourlistdelegate.h"

ColourList::ColourList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setItemDelegate(new ColourListDelegate(this));
}

int ColourList::addRow(const QString &text, const QColor &textColour,
                       const QColor &backgroundColour)
{
    addItem(text);
    const int row = count() - 1;
    setItemData(row, true, ColourListDelegate::HasRecordRole);
    setItemData(row, textColour, ColourListDelegate::TextColourRole);
    setItemData(row, backgroundColour, ColourListDelegate::BackgroundColourRole);
    setItemData(row, 0, ColourListDelegate::UserValueRole);
    return row;
}

int ColourList::setUserValue(int row, int value)
{
    if (row < 0 || row >= count() || !itemData(row, ColourListDelegate::HasRecordRole).toBool())
        return -1;
    setItemData(row, value, ColourListDelegate::UserValueRole);
    return 0;
}

int ColourList::userValue(int row) const
{
    if (row < 0 || row >= count() || !itemData(row, ColourListDelegate::HasRecordRole).toBool())
        return -1;
    return itemData(row, ColourListDelegate::UserValueRole).toInt();
}

void ColourList::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    // The selection field shows the current row the way the drop-down draws
    // it, highlighted while the list has the focus.
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    QStyle::State state = QStyle::State_Enabled;
    if (hasFocus())
        state |= QStyle::State_Selected | QStyle::State_HasFocus;
    const QModelIndex current = model()->index(currentIndex(), modelColumn(), rootModelIndex());
    ColourListDelegate::paintRow(&painter, field, palette(), state, current, this);
}
