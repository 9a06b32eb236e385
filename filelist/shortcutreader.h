#pragma once

#include <optional>
#include <string>

// Reads Windows shortcut files (.lnk, the published Shell Link binary format)
// without any Windows component: only the two texts that name the target are
// taken, the relative path and the local base path.
class ShortcutReader {
public:
    struct Targets {
        std::string relativePath;   // "\" already turned into "/"; empty when absent
        std::string localBasePath;  // base path plus common path suffix; empty when absent
    };

    // The target texts of a shortcut's bytes; nullopt when the bytes are not a
    // shell link or a structure runs past the end.
    static std::optional<Targets> parse(const std::string &bytes);

    // The file a shortcut points at: the relative path resolved against the
    // shortcut's folder, else the local base path when it is absolute. "." and
    // ".." are resolved by text, as Windows does. Only a target that exists as
    // a regular file (after following symbolic links) is accepted.
    static std::optional<std::string> resolve(const std::string &shortcutPath);
};
