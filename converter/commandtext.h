#pragma once

#include <string>
#include <vector>

// The text of a converter command for showing and checking, the form the help
// page gives: arguments separated by blanks, the program, the input (the value
// of the first "-i") and the last argument (the output, or the input of a probe)
// always in double quotes, any other argument only when it is empty or holds a
// blank, a control byte, a quote or a byte above 0x7e. The quoting is that of
// platform::quoteArgument, so the text reads back into the same arguments.
std::string commandText(const std::vector<std::string> &argv);
