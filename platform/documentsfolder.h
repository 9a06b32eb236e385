#pragma once

#include <optional>
#include <string>

// The user's documents folder (XDG), created when missing, without a trailing
// "/"; nullopt when the system gives no answer or the folder cannot be created.
std::optional<std::string> documentsFolder();
