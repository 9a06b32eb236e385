#include "converter/linesplitter.h"

namespace {

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

LineSplitter::LineSplitter()
{
    m_carry.reserve(initialCarryCapacity);
}

void LineSplitter::clear()
{
    m_carry.clear();
}

std::optional<std::string_view> LineSplitter::nextLine(std::string_view data, std::size_t &pos)
{
    if (pos >= data.size())
        return std::nullopt;
    std::size_t end = pos;
    while (end < data.size() && !isBreak(data[end]))
        ++end;
    if (end == data.size()) {
        // Grown like the original buffer: room for the combined text and 100 more.
        const std::size_t needed = m_carry.size() + (end - pos);
        if (needed > m_carry.capacity())
            m_carry.reserve(needed + 100);
        m_carry.append(data.substr(pos));
        pos = end;
        return std::nullopt;
    }
    std::size_t runEnd = end;
    while (runEnd < data.size() && isBreak(data[runEnd]))
        ++runEnd;
    // The last break character of the run ends the line; the others stay in it.
    const std::string_view line = data.substr(pos, runEnd - 1 - pos);
    pos = runEnd;
    if (m_carry.empty())
        return line;
    m_joined.assign(m_carry);
    m_joined.append(line);
    m_carry.clear();
    return std::string_view(m_joined);
}
