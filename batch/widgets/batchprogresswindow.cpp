#include "batch/widgets/batchprogresswindow.h"

#include <algorithm>
#include <utility>

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

#include "converter/failurereason.h"
#include "platform/bytetext.h"

namespace {
constexpr int kUpperStep = 10;
// Pixel layout of 320 x 95 dialog units of an 8-point dialog font; each extra
// progress line adds kLineHeight below the first.
constexpr int kWidth = 480;
constexpr int kHeight = 154;
constexpr int kLineHeight = 52;
constexpr int kTimesHeight = 22;
const QRect kFirstText(10, 11, 459, 16);
const QRect kFirstBar(10, 29, 459, 21);
const QRect kLowerText(10, 63, 459, 16);
const QRect kLowerBar(10, 81, 459, 21);
const QRect kTimes(10, 108, 459, 16);
const QRect kCancel(202, 117, 75, 26);
// With several lines the percentage stands in a column of its own at the
// right of each line's text.
constexpr int kPercentWidth = 44;

// "Converting a.wav...42%": the name part and the percentage; no percentage
// when the text does not end in one.
std::pair<std::string, std::string> splitPercent(const std::string &text)
{
    if (text.empty() || text.back() != '%')
        return {text, {}};
    // Some languages put a (no-break) space before the sign: "42 %".
    std::size_t end = text.size() - 1;
    if (end >= 2 && text.compare(end - 2, 2, "\xc2\xa0") == 0)
        end -= 2;
    else if (end >= 1 && text[end - 1] == ' ')
        end -= 1;
    std::size_t digits = end;
    while (digits > 0 && text[digits - 1] >= '0' && text[digits - 1] <= '9')
        --digits;
    if (digits == end)
        return {text, {}};
    return {text.substr(0, digits), text.substr(digits)};
}
} // namespace

// One progress line: its text and its bar, as the progress reader drives them.
class BatchProgressWindow::Line : public ProgressDisplay {
public:
    Line(BatchProgressWindow *window, int index, QLabel *text, QProgressBar *bar)
        : m_window(window), m_index(index), m_text(text), m_bar(bar), m_percent(makeText(window, QRect()))
    {
        m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_percent->hide();
        nameBar(false);
    }
    ~Line() override
    {
        // The first line's widgets are the window's own and go with it.
        if (m_index > 0) {
            delete m_text;
            delete m_bar;
        }
        delete m_percent;
    }

    void setUpperText(const std::string &text) override
    {
        m_full = displayedText(displayText(text));
        if (m_window->lineCount() > 1) {
            // The name and its percentage in two columns; a line without a
            // conversion shows nothing rather than an empty bar.
            const auto [name, percent] = splitPercent(text);
            showText(m_text, displayedText(displayText(name)));
            m_percent->setText(displayText(percent));
            m_bar->setVisible(!text.empty());
        } else {
            showText(m_text, m_full);
        }
        emit m_window->lineTextChanged(m_index, m_full);
        if (m_index == 0)
            emit m_window->upperTextChanged(m_full);
    }

    // One line alone is the classic window: the percentage stays in the text.
    void setColumns(bool several)
    {
        const QRect textRect = kFirstText.translated(0, m_index * kLineHeight);
        m_text->setGeometry(several ? textRect.adjusted(0, 0, -kPercentWidth, 0) : textRect);
        showText(m_text, wholeText(m_text));
        m_percent->setGeometry(textRect.adjusted(textRect.width() - kPercentWidth, 0, 0, 0));
        m_percent->setVisible(several);
        nameBar(several);
    }
    // The bar counts in pixels, so that a step is as long on every bar.
    void setUpperPermille(int permille) override
    {
        const int width = m_bar->width();
        m_bar->setRange(0, width);
        m_bar->setValue(static_cast<int>(static_cast<long long>(std::clamp(permille, 0, 1000)) * width / 1000));
    }
    // Worked out first and drawn once: a line that moves up takes all its steps again.
    void stepUpper(long steps) override
    {
        int value = m_bar->value();
        for (long step = 0; step < steps; ++step)
            value = value + kUpperStep > m_bar->maximum() ? m_bar->minimum() : value + kUpperStep;
        m_bar->setValue(value);
    }

    QLabel *text() const { return m_text; }
    const QString &fullText() const { return m_full; }
    QProgressBar *bar() const { return m_bar; }

private:
    // The bars show no text of their own; a screen reader names them by this.
    void nameBar(bool several)
    {
        m_bar->setAccessibleName(several ? BatchProgressWindow::tr("Conversion %1").arg(m_index + 1)
                                         : BatchProgressWindow::tr("Current file"));
    }

    BatchProgressWindow *m_window;
    int m_index;
    QLabel *m_text;
    QProgressBar *m_bar;
    QLabel *m_percent;
    QString m_full;
};

BatchProgressWindow::BatchProgressWindow()
    : ProgressWindow(QSize(kWidth, kHeight), kCancel),
      m_lowerText(makeText(this, kLowerText)),
      m_lowerBar(makeBar(this, kLowerBar)),
      m_times(makeText(this, kTimes))
{
    setWindowTitle(tr("Converting"));
    m_lowerBar->setAccessibleName(tr("All files"));
    m_lines.push_back(std::make_unique<Line>(this, 0, makeText(this, kFirstText), makeBar(this, kFirstBar)));
    m_times->hide();
}

BatchProgressWindow::~BatchProgressWindow() = default;

void BatchProgressWindow::setLineCount(int count)
{
    count = std::max(count, 1);
    while (lineCount() > count)
        m_lines.pop_back();
    while (lineCount() < count) {
        const int index = lineCount();
        const QPoint shift(0, index * kLineHeight);
        QLabel *text = makeText(this, kFirstText.translated(shift));
        QProgressBar *bar = makeBar(this, kFirstBar.translated(shift));
        text->show();
        bar->show();
        m_lines.push_back(std::make_unique<Line>(this, index, text, bar));
    }
    for (const auto &line : m_lines)
        line->setColumns(count > 1);
    const int extra = (count - 1) * kLineHeight;
    const int times = count > 1 ? kTimesHeight : 0;
    m_lowerText->setGeometry(kLowerText.translated(0, extra));
    m_lowerBar->setGeometry(kLowerBar.translated(0, extra));
    m_times->setGeometry(kTimes.translated(0, extra));
    m_times->setVisible(count > 1);
    cancelButton()->setGeometry(kCancel.translated(0, extra + times));
    const QPoint centre = geometry().center();
    setFixedSize(kWidth, kHeight + extra + times);
    if (isVisible())
        move(centre - QPoint(width() / 2, height() / 2));
}

ProgressDisplay &BatchProgressWindow::line(int index)
{
    return *m_lines[static_cast<std::size_t>(std::clamp(index, 0, lineCount() - 1))];
}

QString BatchProgressWindow::lineText(int index) const
{
    return index >= 0 && index < lineCount() ? m_lines[static_cast<std::size_t>(index)]->fullText() : QString();
}

QProgressBar *BatchProgressWindow::lineBar(int index) const
{
    return index >= 0 && index < lineCount() ? m_lines[static_cast<std::size_t>(index)]->bar() : nullptr;
}

void BatchProgressWindow::setLowerText(const std::string &text)
{
    showText(m_lowerText, displayedText(displayText(text)));
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

void BatchProgressWindow::setTimes(const std::string &text)
{
    showText(m_times, displayedText(displayText(text)));
}

QString BatchProgressWindow::lowerText() const
{
    return wholeText(m_lowerText);
}

QString BatchProgressWindow::timesText() const
{
    return wholeText(m_times);
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
