#include "platform/startarguments.h"

#include <limits.h>
#include <unistd.h>

#include "platform/programversion.h"

namespace {

std::string absolute(const std::string &name, const std::string &workingFolder)
{
    if (name.front() == '/' || workingFolder.empty())
        return name;
    if (workingFolder.back() == '/')
        return workingFolder + name;
    return workingFolder + "/" + name;
}

} // namespace

StartArguments parseStartArguments(const std::vector<std::string> &args, const std::string &workingFolder)
{
    StartArguments result;
    bool options = true;
    for (const std::string &arg : args) {
        if (arg.empty())
            continue;
        if (options && arg == "--") {
            options = false;
            continue;
        }
        if (options && arg.size() > 1 && arg.front() == '-') {
            if (arg == "--help" || arg == "-h") {
                result.action = StartArguments::Action::Help;
                return result;
            }
            if (arg == "--version") {
                result.action = StartArguments::Action::Version;
                return result;
            }
            result.action = StartArguments::Action::Error;
            result.error = "unknown option " + arg + " (try --help)";
            return result;
        }
        result.files.push_back(absolute(arg, workingFolder));
    }
    return result;
}

std::string currentWorkingFolder()
{
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr)
        return std::string();
    return buffer;
}

std::string usageText()
{
    return "Usage: sonavert [--] [FILE|FOLDER]...\n"
           "Collects audio and video files in a list and converts them into another audio format.\n"
           "\n"
           "Files given are added to the list as Add Files adds them; folders are searched,\n"
           "and the extension filter applies to what they hold. When Sonavert is already\n"
           "running, they go to its window instead.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "      --         take every following argument as a file name\n";
}

std::string versionText()
{
    return std::string("Sonavert ") + programversion::full() + "\n";
}
