#pragma once

#include <string>
#include <vector>

// What the program's command line asks for: "sonavert [--] [FILE|FOLDER]...".
struct StartArguments {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // Absolute paths, their bytes exactly as given (Linux names need not be
    // UTF-8), in the order given.
    std::vector<std::string> files;
    // The one-line complaint for Action::Error.
    std::string error;
};

// Reads the arguments after the program name. Relative names are made absolute
// against workingFolder, so that they still mean the same files when another
// process, with another working folder, takes them over. "--" ends the options;
// a name starting with "-" before it is an option, and an unknown one an error.
StartArguments parseStartArguments(const std::vector<std::string> &args, const std::string &workingFolder);

// The process's working folder as bytes; empty when it cannot be read.
std::string currentWorkingFolder();

// The texts of --help and --version.
std::string usageText();
std::string versionText();
