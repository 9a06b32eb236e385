#pragma once

#include <string>

// Linux names are case-sensitive and one file may have several names (links,
// "./", ".."), so "the same file" is decided by the file itself: its device
// and inode when it exists, the exact bytes of the path otherwise.

// A key that two paths share exactly when they name the same file.
std::string fileIdentityKey(const std::string &path);
// True when both paths name the same file.
bool sameFile(const std::string &a, const std::string &b);
