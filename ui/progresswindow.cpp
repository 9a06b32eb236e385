#include "ui/progresswindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

ProgressWindow::ProgressWindow(QSize size, QRect cancelRect)
    : QFrame(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(size);
    // A longer caption widens the button about its centre.
    const int wanted = std::min(m_cancelButton->sizeHint().width(), size.width() - 8);
    if (wanted > cancelRect.width())
        cancelRect.adjust(-(wanted - cancelRect.width()) / 2, 0, (wanted - cancelRect.width() + 1) / 2, 0);
    m_cancelButton->setGeometry(cancelRect);
    connect(m_cancelButton, &QPushButton::clicked, this, &ProgressWindow::requestCancel);
}

QProgressBar *ProgressWindow::makeBar(QWidget *parent, QRect rect)
{
    auto *bar = new QProgressBar(parent);
    bar->setGeometry(rect);
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

QLabel *ProgressWindow::makeText(QWidget *parent, QRect rect)
{
    auto *label = new QLabel(parent);
    label->setGeometry(rect);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ProgressWindow::showText(QLabel *label, const QString &text)
{
    label->setProperty("wholeText", text);
    const QFontMetrics metrics = label->fontMetrics();
    const bool fits = label->width() <= 0 || metrics.horizontalAdvance(text) < label->width();
    label->setText(fits ? text : metrics.elidedText(text, Qt::ElideMiddle, label->width()));
    label->setToolTip(fits ? QString() : text);
}

QString ProgressWindow::wholeText(const QLabel *label)
{
    return label->property("wholeText").toString();
}

void ProgressWindow::open(QWidget *owner)
{
    m_cancel = false;
    m_finished = false;
    winId();
    if (owner && owner->window()->windowHandle())
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    const QRect area = owner ? owner->window()->frameGeometry()
                             : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
    show();
    // The window the user works with now (the owner rests meanwhile): it takes
    // the keyboard, and Cancel, the one thing to press here, the focus, so
    // Space presses it and Esc works anywhere in it.
    activateWindow();
    // Its focus frame shows as in the owner: when the keyboard was in use there.
    setAttribute(Qt::WA_KeyboardFocusChange,
                 owner && owner->window()->testAttribute(Qt::WA_KeyboardFocusChange));
    m_cancelButton->setFocus();
}

void ProgressWindow::finish()
{
    m_finished = true;
    close();
}

void ProgressWindow::requestCancel()
{
    if (m_cancel)
        return;
    m_cancel = true;
    emit cancelRequestedChanged();
}

void ProgressWindow::closeEvent(QCloseEvent *event)
{
    if (m_finished) {
        event->accept();
        return;
    }
    // A close that does not come from the work itself is a Cancel.
    requestCancel();
    event->ignore();
}

void ProgressWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        requestCancel();
        return;
    }
    QFrame::keyPressEvent(event);
}
