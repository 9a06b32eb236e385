#pragma once

#include <QStyledItemDelegate>

// Draws a colour list row: its own text and background colours, or the
// palette's selection colours when selected, the text inset 2 px on each side,
// on one line, vertically centred, "&" shown as it is; a focus rectangle when
// the row has the focus. Every row has the same height.
class ColourListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Item data roles of a row's record.
    enum Role {
        HasRecordRole = Qt::UserRole + 1,
        TextColourRole,
        BackgroundColourRole,
        UserValueRole,
    };

    explicit ColourListDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Draws a row with the given state flags in rect (used for the closed
    // list's selection field too).
    static void paintRow(QPainter *painter, const QRect &rect, const QPalette &palette,
                         QStyle::State state, const QModelIndex &index, QWidget *widget);
    // The fixed row height for a font.
    static int rowHeight(const QFontMetrics &metrics);
};
