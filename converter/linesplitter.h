#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Cuts the converter's output into lines as it arrives, one read at a time.
// A line ends at a run of CR and LF characters; every break character of the
// run except the last stays at the end of the line (so "a\r\n" gives "a\r",
// and an empty line adds its break to the line before it).
//
// The incomplete last line of a read is kept in the carry buffer and put in
// front of the first line of the next read, so a line cut between two reads is
// seen once, whole. A last line that is never ended stays in the carry buffer
// and is never handed out.
class LineSplitter {
public:
    static constexpr std::size_t initialCarryCapacity = 10240;

    LineSplitter();

    // Empties the carry buffer; each reader does this when it starts.
    void clear();

    // The next line of `data` from `pos`, moving `pos` past it; nothing when no
    // line ends in the rest of the data, which then goes into the carry buffer
    // (and `pos` to the end). A line joined with carried text lives in this
    // object until the next call; any other line points into `data`.
    std::optional<std::string_view> nextLine(std::string_view data, std::size_t &pos);

    // Hands every line that ends in `data` to take(std::string_view).
    template <typename Take>
    void split(std::string_view data, Take &&take)
    {
        std::size_t pos = 0;
        while (std::optional<std::string_view> line = nextLine(data, pos))
            take(*line);
    }

    const std::string &carried() const { return m_carry; }

private:
    std::string m_carry;
    std::string m_joined;
};
