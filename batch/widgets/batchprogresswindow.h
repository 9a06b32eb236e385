#pragma once

#include <memory>
#include <vector>

#include "batch/batchprogressdisplay.h"
#include "ui/progresswindow.h"

class QLabel;
class QProgressBar;

// The batch progress window: one line (file, percentage, bar) per conversion
// running, the count of files below, Cancel. With one line it is the classic
// window: the line is its upper text and bar. With more it grows downwards and
// shows the elapsed and remaining time. It can be dragged by its body.
class BatchProgressWindow : public ProgressWindow, public BatchProgressDisplay {
    Q_OBJECT
public:
    BatchProgressWindow();
    ~BatchProgressWindow() override;

    void setLineCount(int count) override;
    ProgressDisplay &line(int index) override;
    void setLowerText(const std::string &text) override;
    void startLowerBar(int maximum) override;
    void stepLower() override;
    void setTimes(const std::string &text) override;

    int lineCount() const { return static_cast<int>(m_lines.size()); }
    QString lineText(int index) const;
    QProgressBar *lineBar(int index) const;
    QString upperText() const { return lineText(0); }
    QProgressBar *upperBar() const { return lineBar(0); }
    QString lowerText() const;
    QString timesText() const;
    QProgressBar *lowerBar() const { return m_lowerBar; }

signals:
    // The text of the first line changed.
    void upperTextChanged(const QString &text);
    void lineTextChanged(int index, const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    class Line;
    std::vector<std::unique_ptr<Line>> m_lines;
    QLabel *m_lowerText;
    QProgressBar *m_lowerBar;
    QLabel *m_times;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
