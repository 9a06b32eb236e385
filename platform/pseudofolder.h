#pragma once

#include <string>

// True for a folder of the kernel's pseudo file systems (/proc, /sys, /dev and
// the like) or anything below one: their entries are not files to convert,
// and some block for ever when read, so file dialogs neither offer nor
// restore such folders.
bool isPseudoFileSystemPath(const std::string &path);
