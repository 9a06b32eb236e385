#include "platform/bytecase.h"

#include <QByteArray>
#include <QString>

namespace {

// Length of the valid UTF-8 character starting at text[pos] (2 to 4), or 0 when
// the bytes there are not one: stray continuation bytes, truncated sequences,
// overlong forms, surrogates and code points above U+10FFFF all give 0.
size_t utf8SequenceLength(const std::string &text, size_t pos, char32_t &codePoint)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

template <typename AsciiFn, typename UnicodeFn>
std::string convertCase(const std::string &text, AsciiFn ascii, UnicodeFn unicode)
{
    std::string result;
    result.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            result += ascii(static_cast<char>(c));
            ++pos;
            continue;
        }
        char32_t codePoint = 0;
        const size_t length = utf8SequenceLength(text, pos, codePoint);
        if (length == 0) {
            result += static_cast<char>(c);
            ++pos;
            continue;
        }
        const QString converted = unicode(QString::fromUcs4(&codePoint, 1));
        const QByteArray bytes = converted.toUtf8();
        result.append(bytes.constData(), static_cast<size_t>(bytes.size()));
        pos += length;
    }
    return result;
}

} // namespace

std::string toUpperBytes(const std::string &text)
{
    return convertCase(
        text, [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; },
        [](const QString &s) { return s.toUpper(); });
}

std::string toLowerBytes(const std::string &text)
{
    return convertCase(
        text, [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; },
        [](const QString &s) { return s.toLower(); });
}
