#include "batch/widgets/batchprogresswindow.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QWindow>

namespace {
constexpr int kUpperStep = 10;

QString display(const std::string &text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}
} // namespace

// 320 x 95 dialog units of an 8-point dialog font.
BatchProgressWindow::BatchProgressWindow()
    : ProgressWindow(QSize(480, 154), QRect(202, 117, 75, 26)),
      m_upperText(makeText(this, QRect(10, 11, 459, 16))),
      m_upperBar(makeBar(this, QRect(10, 29, 459, 21))),
      m_lowerText(makeText(this, QRect(10, 63, 459, 16))),
      m_lowerBar(makeBar(this, QRect(10, 81, 459, 21)))
{
    setWindowTitle(QStringLiteral("Converting"));
}

void BatchProgressWindow::setUpperText(const std::string &text)
{
    m_upperText->setText(display(text));
    emit upperTextChanged(m_upperText->text());
}

void BatchProgressWindow::setUpperRange(int minimum, int maximum)
{
    m_upperBar->setRange(minimum, maximum);
}

void BatchProgressWindow::setUpperPosition(int position)
{
    m_upperBar->setValue(position);
}

void BatchProgressWindow::stepUpper()
{
    int next = m_upperBar->value() + kUpperStep;
    if (next > m_upperBar->maximum())
        next = m_upperBar->minimum();
    m_upperBar->setValue(next);
}

int BatchProgressWindow::upperBarWidth() const
{
    return m_upperBar->width();
}

void BatchProgressWindow::setLowerText(const std::string &text)
{
    m_lowerText->setText(display(text));
}

void BatchProgressWindow::startLowerBar(int maximum)
{
    m_lowerBar->setRange(0, maximum);
    m_lowerBar->setValue(0);
}

void BatchProgressWindow::stepLower()
{
    m_lowerBar->setValue(std::min(m_lowerBar->value() + 1, m_lowerBar->maximum()));
}

QString BatchProgressWindow::upperText() const
{
    return m_upperText->text();
}

QString BatchProgressWindow::lowerText() const
{
    return m_lowerText->text();
}

void BatchProgressWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return ProgressWindow::mousePressEvent(event);
    // Let the window manager move the window; without one, move it ourselves.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void BatchProgressWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    else
        ProgressWindow::mouseMoveEvent(event);
}

void BatchProgressWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    ProgressWindow::mouseReleaseEvent(event);
}
