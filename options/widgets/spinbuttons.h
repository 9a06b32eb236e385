#pragma once

#include <QWidget>

class QToolButton;

// A pair of small up and down arrow buttons that sit beside a number box and
// report each click (repeated while held) as a step up or down.
class SpinButtons : public QWidget {
    Q_OBJECT

public:
    explicit SpinButtons(QWidget *parent = nullptr);

signals:
    // +1 for up, -1 for down.
    void stepped(int direction);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};
