#include "batch/linestack.h"

#include <algorithm>

#include "batch/batchprogressdisplay.h"

namespace {
constexpr int kUpperStep = 10;
}

// What a conversion last wrote, so it can be drawn again on another line.
class LineStack::Slot : public ProgressDisplay {
public:
    explicit Slot(BatchProgressDisplay &display) : m_display(display) {}

    void setUpperText(const std::string &text) override
    {
        m_text = text;
        if (m_line >= 0)
            m_display.line(m_line).setUpperText(text);
    }
    void setUpperRange(int minimum, int maximum) override
    {
        m_minimum = minimum;
        m_maximum = maximum;
        if (m_line >= 0)
            m_display.line(m_line).setUpperRange(minimum, maximum);
    }
    void setUpperPosition(int position) override
    {
        m_position = position;
        if (m_line >= 0)
            m_display.line(m_line).setUpperPosition(position);
    }
    void stepUpper() override
    {
        m_position = m_position + kUpperStep > m_maximum ? m_minimum : m_position + kUpperStep;
        if (m_line >= 0)
            m_display.line(m_line).stepUpper();
    }
    int upperBarWidth() const override { return m_display.line(std::max(m_line, 0)).upperBarWidth(); }

    void moveTo(int line)
    {
        m_line = line;
        if (line < 0)
            return;
        ProgressDisplay &shown = m_display.line(line);
        shown.setUpperText(m_text);
        shown.setUpperRange(m_minimum, m_maximum);
        shown.setUpperPosition(m_position);
    }
    // A new conversion on a line already cleared: nothing to draw yet.
    void startOn(int line)
    {
        m_line = line;
        m_text.clear();
        m_minimum = 0;
        m_maximum = 100;
        m_position = 0;
    }

private:
    BatchProgressDisplay &m_display;
    std::string m_text;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    int m_line = -1;
};

LineStack::LineStack(BatchProgressDisplay &display, int slots) : m_display(display)
{
    for (int i = 0; i < slots; ++i)
        m_slots.push_back(std::make_unique<Slot>(display));
}

LineStack::~LineStack() = default;

ProgressDisplay &LineStack::start(int slot)
{
    Slot &entry = *m_slots.at(static_cast<std::size_t>(slot));
    m_order.erase(std::remove(m_order.begin(), m_order.end(), slot), m_order.end());
    entry.startOn(static_cast<int>(m_order.size()));
    m_order.push_back(slot);
    return entry;
}

void LineStack::end(int slot)
{
    const auto at = std::find(m_order.begin(), m_order.end(), slot);
    if (at == m_order.end())
        return;
    m_slots.at(static_cast<std::size_t>(slot))->moveTo(-1);
    const auto from = static_cast<int>(at - m_order.begin());
    m_order.erase(at);
    for (int line = from; line < static_cast<int>(m_order.size()); ++line)
        m_slots[static_cast<std::size_t>(m_order[static_cast<std::size_t>(line)])]->moveTo(line);
    ProgressDisplay &freed = m_display.line(static_cast<int>(m_order.size()));
    freed.setUpperText("");
    freed.setUpperPosition(0);
}
