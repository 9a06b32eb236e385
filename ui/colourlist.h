#pragma once

#include <QColor>
#include <QComboBox>

// A drop-down list whose rows carry their own text and background colours and
// a user value, drawn by the list itself.
class ColourList : public QComboBox {
    Q_OBJECT

public:
    explicit ColourList(QWidget *parent = nullptr);

    // Adds a row at the end with its colours and a user value of 0; returns its index.
    int addRow(const QString &text, const QColor &textColour, const QColor &backgroundColour);
    // Sets a row's user value; -1 when the row has no record, else 0.
    int setUserValue(int row, int value);
    // A row's user value, or -1 when the row has no record.
    int userValue(int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
