#pragma once

#include <string>

// The folder of the running executable (symbolic links resolved), ending in "/";
// empty when it cannot be found.
std::string programFolder();

// The converter tool installed beside the executable: programFolder() + "kescvt",
// or "kescvt" alone when the program folder is unknown.
std::string converterPath();
