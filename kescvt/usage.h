// The answers to -h, --help and --version, which ask nothing of the input.
#pragma once

namespace kescvt {

// When the one argument is -h, --help or --version, prints the usage (the
// manual page's synopsis) or the version on stdout and answers true.
bool answerInformationRequest(int argc, char **argv);

} // namespace kescvt
