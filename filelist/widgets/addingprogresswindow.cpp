#include "filelist/widgets/addingprogresswindow.h"

#include <QLabel>
#include <QProgressBar>

#include "converter/failurereason.h"
#include "platform/bytetext.h"

// 320 x 62 dialog units of an 8-point dialog font.
AddingProgressWindow::AddingProgressWindow()
    : ProgressWindow(QSize(480, 101), QRect(201, 63, 75, 26)),
      m_text(makeText(this, QRect(10, 11, 459, 16))),
      m_bar(makeBar(this, QRect(10, 29, 459, 21)))
{
    setWindowTitle(tr("Adding files"));
    // The bar shows no text of its own; a screen reader names it by this.
    m_bar->setAccessibleName(tr("Files added"));
}

void AddingProgressWindow::setText(const std::string &text)
{
    showText(m_text, displayedText(displayText(text)));
    emit textChanged(wholeText(m_text));
}

void AddingProgressWindow::startBar(int maximum)
{
    m_bar->setRange(0, maximum);
    m_bar->setValue(0);
}

void AddingProgressWindow::stepBar()
{
    m_bar->setValue(std::min(m_bar->value() + 1, m_bar->maximum()));
}

QString AddingProgressWindow::text() const
{
    return wholeText(m_text);
}
