#include "batch/outputpathresolver.h"

#include "common/pathparts.h"
#include "converter/temporaryoutput.h"
#include "platform/fileidentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace {


std::string folderFailure(const std::string &folder)
{
    return "Failed to create folder \"" + folder + "\"";
}

std::string fileFailure(const std::string &target)
{
    return "Failed to create file \"" + target + "\"";
}

// "Exists" as the policy sees it: anything of that name, a dangling symbolic
// link or a folder included.
bool nameExists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string &path, bool &exists)
{
    struct stat st {};
    exists = ::stat(path.c_str(), &st) == 0;
    return exists && S_ISDIR(st.st_mode);
}

bool makeDirectory(const std::string &path)
{
    if (::mkdir(path.c_str(), 0777) == 0)
        return true;
    bool exists = false;
    return errno == EEXIST && isDirectory(path, exists);
}

// The source's folder path as it is rebuilt below a custom folder: runs of "/"
// count as one, "." and ".." are resolved by text (".." never climbs above the
// custom folder), and the result is relative, ending in "/" unless empty.
std::string rebuiltSourceFolder(const std::string &source)
{
    const std::size_t slash = source.rfind('/');
    if (slash == std::string::npos)
        return {};
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= slash) {
        const std::size_t end = source.find('/', start);
        const std::string part = source.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string folder;
    for (const auto &part : parts)
        folder += part + "/";
    return folder;
}

// Replacing an existing target needs a regular file that may be written, as
// truncating it in place would have.
bool mayReplace(const std::string &target)
{
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0)
        return true;
    if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return ::access(target.c_str(), W_OK) == 0;
}

// The temporary file of a conversion has a shortened name of its own, so a
// target name longer than its file system takes must be found here, before
// the conversion, and not by the final rename.
bool nameFits(const std::string &target)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::size_t nameBytes = target.size() - (slash == std::string::npos ? 0 : slash + 1);
    const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return target.size() < PATH_MAX && nameBytes <= static_cast<std::size_t>(nameMax > 0 ? nameMax : NAME_MAX);
}

// Proves that the target's folder takes a new file by creating and removing a
// fresh temporary name; an existing target is never opened or truncated here.
bool proveTarget(const std::string &target)
{
    if (!nameFits(target) || !mayReplace(target))
        return false;
    const auto probe = temporaryoutput::createBeside(target);
    if (!probe)
        return false;
    temporaryoutput::remove(*probe);
    return true;
}

} // namespace

bool ensureFolder(const std::string &path, bool create)
{
    bool exists = false;
    if (isDirectory(path, exists))
        return true;
    if (!create)
        return false;
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string head = path.substr(0, slash);
        if (head.empty())
            continue; // the root
        if (isDirectory(head, exists))
            continue;
        if (exists || !makeDirectory(head))
            return false;
    }
    if (path.empty())
        return false;
    if (path.back() == '/')
        return true;
    if (isDirectory(path, exists))
        return true;
    return !exists && makeDirectory(path);
}

TargetOutcome resolveOutputPath(MediaItem &item, const ProgramSettings &settings, const std::string &extension,
                       const DocumentsFolderFn &documentsFolder, std::string &status,
                       const ReservedNameFn &reserved)
{
    const auto taken = [&reserved](const std::string &path) {
        return nameExists(path) || (reserved && reserved(path));
    };
    const std::string &source = item.sourcePath;
    const std::string name = pathparts::fileNamePart(source);
    const std::string stem = name.substr(0, name.size() - pathparts::extensionLength(name));
    const std::string targetExtension = "." + extension;

    bool customFolder = settings.DestOutputFolderOpt == OutputFolder::Custom;
    std::string folder = settings.DestSpecifiedFolder;
    bool createDirs = settings.CreateDirs != 0;
    bool retryMade = false;

    for (;;) {
        std::string base;
        bool baseReady = true;
        if (!customFolder) {
            base = source.substr(0, source.size() - pathparts::extensionLength(name));
        } else if (folder.empty() || !ensureFolder(folder, true)) {
            status = folderFailure(folder);
            baseReady = false;
        } else {
            base = folder;
            if (base.back() != '/')
                base += '/';
            if (createDirs) {
                base += rebuiltSourceFolder(source);
                if (!ensureFolder(base, true)) {
                    status = folderFailure(base);
                    baseReady = false;
                }
            }
            base += stem;
        }

        if (baseReady) {
            std::string target = base + targetExtension;
            if (taken(target)) {
                if (settings.TargetExistsOpt == TargetExists::Skip) {
                    status = "Target exists and skipped";
                    return TargetOutcome::Skipped;
                }
                if (settings.TargetExistsOpt == TargetExists::Overwrite) {
                    // The file itself decides: a link to the source is the source,
                    // while a.MP3 beside a.mp3 is another file.
                    if (sameFile(target, source)) {
                        status = "Target file name is same as original file that can't be overwritten. "
                                 "Please output files to a custom folder.";
                        return TargetOutcome::Failed;
                    }
                } else {
                    for (long long n = 1;; ++n) {
                        target = base + "_" + std::to_string(n) + targetExtension;
                        if (!taken(target))
                            break;
                    }
                }
            }
            if (proveTarget(target)) {
                item.outputPath = target;
                return TargetOutcome::Resolved;
            }
            status = fileFailure(target);
        }

        // One retry into the documents folder per item.
        if (settings.OutputFiles2MyDocuments == 0 || retryMade)
            return TargetOutcome::Failed;
        retryMade = true;
        const std::optional<std::string> documents = documentsFolder ? documentsFolder() : std::nullopt;
        if (!documents)
            return TargetOutcome::Failed;
        createDirs = customFolder && settings.CreateDirs != 0;
        customFolder = true;
        folder = *documents;
    }
}
