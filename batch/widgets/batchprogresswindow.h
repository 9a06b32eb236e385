#pragma once

#include "batch/batchprogressdisplay.h"
#include "batch/widgets/progresswindow.h"

class QLabel;
class QProgressBar;

// The batch progress window: the current file's text and bar above, the count
// of files below, Cancel. It can be dragged by its body.
class BatchProgressWindow : public ProgressWindow, public BatchProgressDisplay {
    Q_OBJECT
public:
    BatchProgressWindow();

    void setUpperText(const std::string &text) override;
    void setUpperRange(int minimum, int maximum) override;
    void setUpperPosition(int position) override;
    void stepUpper() override;
    int upperBarWidth() const override;
    bool cancelRequested() const override { return isCancelRequested(); }
    void pumpMessages() override { pump(); }

    void setLowerText(const std::string &text) override;
    void startLowerBar(int maximum) override;
    void stepLower() override;

    QString upperText() const;
    QString lowerText() const;
    QProgressBar *upperBar() const { return m_upperBar; }
    QProgressBar *lowerBar() const { return m_lowerBar; }

signals:
    void upperTextChanged(const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_upperText;
    QProgressBar *m_upperBar;
    QLabel *m_lowerText;
    QProgressBar *m_lowerBar;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
