#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

// What the two progress windows share: no title bar, a raised frame, a Cancel
// button that sets the cancel flag and says so (cancelRequestedChanged),
// centring on opening. While the work
// that opened it runs, a close request from the keyboard or the window manager
// counts as Cancel and leaves the window open: only finish() closes it, so the
// working loop never uses a window that is gone.
class ProgressWindow : public QFrame {
    Q_OBJECT
public:
    // Shows the window centred over owner (or the screen) and clears the flag.
    void open(QWidget *owner);
    // Ends the work: the window may close now and closes.
    void finish();

    bool isCancelRequested() const { return m_cancel; }
    QPushButton *cancelButton() const { return m_cancelButton; }

signals:
    void cancelRequestedChanged();

protected:
    ProgressWindow(QSize size, QRect cancelRect);
    static QProgressBar *makeBar(QWidget *parent, QRect rect);
    static QLabel *makeText(QWidget *parent, QRect rect);
    // A text line shows what fits its width, elided in the middle (a file's
    // name keeps its start and its end), and the whole text in its tooltip.
    static void showText(QLabel *label, const QString &text);
    static QString wholeText(const QLabel *label);

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void requestCancel();

    QPushButton *m_cancelButton;
    bool m_cancel = false;
    bool m_finished = false;
};
