#pragma once

#include <string>

#include <QString>

// Byte strings shown and edited as text without losing a byte: valid UTF-8
// becomes its characters, every other byte a lone low surrogate U+DC80..U+DCFF
// (which no UTF-8 text can hold), and back. A name that is not UTF-8 thus
// survives an edit box unchanged.
QString textFromBytes(const std::string &bytes);
std::string bytesFromText(const QString &text);

// Bytes (a path, a message with paths in it) as the user's locale shows them,
// for display only: what is not UTF-8 shows as replacement characters.
QString displayText(const std::string &bytes);
