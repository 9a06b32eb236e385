#include "batch/linestack.h"

#include <algorithm>

#include "batch/batchprogressdisplay.h"

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
    void setUpperPermille(int permille) override
    {
        m_permille = permille;
        m_steps = 0;
        if (m_line >= 0)
            m_display.line(m_line).setUpperPermille(permille);
    }
    void stepUpper(long steps) override
    {
        m_steps += steps;
        if (m_line >= 0)
            m_display.line(m_line).stepUpper(steps);
    }

    void moveTo(int line)
    {
        m_line = line;
        if (line < 0)
            return;
        ProgressDisplay &shown = m_display.line(line);
        shown.setUpperText(m_text);
        // The steps are the line's own (they go round its bar), so they are
        // taken again rather than copied.
        shown.setUpperPermille(m_permille);
        if (m_steps > 0)
            shown.stepUpper(m_steps);
    }
    // A new conversion on a line already cleared: nothing to draw yet.
    void startOn(int line)
    {
        m_line = line;
        m_text.clear();
        m_permille = 0;
        m_steps = 0;
    }

private:
    BatchProgressDisplay &m_display;
    std::string m_text;
    int m_permille = 0;
    long m_steps = 0;  // since the last permille
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
    freed.setUpperPermille(0);
}
