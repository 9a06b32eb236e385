#pragma once

#include <string>
#include <vector>

// The converter is started from one command-line text, as on Windows. These two
// functions are the two halves of that contract: quoteArgument() makes any byte
// string into one argument, splitCommandLine() reads the text back into argv by the
// Windows rules (double quotes group, backslashes escape a following quote).
// splitCommandLine(quoteArgument(x)) == {x} for every byte string x without NUL.

namespace platform {

// Splits a command line into its arguments:
//  - blanks and tabs outside quotes separate arguments;
//  - a double quote toggles quoting and is dropped; inside quotes, "" is one
//    literal quote;
//  - 2n backslashes before a quote give n backslashes (the quote then acts as
//    above); 2n+1 backslashes before a quote give n backslashes and a literal quote;
//  - backslashes not followed by a quote are literal.
// The first argument follows the same rules as the others.
std::vector<std::string> splitCommandLine(const std::string &commandLine);

// Encloses an argument in double quotes, escaping embedded quotes and the
// backslashes that precede a quote or the closing quote.
std::string quoteArgument(const std::string &argument);

} // namespace platform
