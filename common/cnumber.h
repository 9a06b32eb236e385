#pragma once

#include <string_view>

// Numbers in the converter's output are read the way atoi and atof read them
// (leading white space, an optional sign, digits, for atof an optional fraction;
// reading stops at the first character that does not fit; 0 when there is no
// number), but always with "." as the decimal point: the process locale comes
// from the environment, and under a comma-decimal locale atof("25.5") is 25.
// Exponents, hexadecimal and inf/nan are not read: the tool never prints them.

// Whole number; a value beyond the range of int is clamped to it.
int atoiC(std::string_view text);

// A wide value clamped to the range of int.
int clampToInt(long long value);

// Decimal number with an optional fraction.
double atofC(std::string_view text);
