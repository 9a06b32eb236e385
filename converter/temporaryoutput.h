#pragma once

#include <optional>
#include <string>

// The converter never writes under a target's final name: it writes a hidden
// temporary file in the target's folder, and only a finished, non-empty result
// replaces the target. An interrupted or failed run therefore leaves an
// existing target as it was and no half-written file under the final name.
namespace temporaryoutput {

// Creates, exclusively, an empty file beside target named
// ".<stem>.snvtmp-XXXXXX<extension>" (the extension is kept so that the
// converter picks the container from it). Its permissions are those of an
// existing regular target, else those of a new file under the umask.
// Returns its path, or nothing when the folder does not take a new file.
std::optional<std::string> createBeside(const std::string &target);

// Gives the temporary file the target's name. With replace clear, a file that
// has taken the target's name meanwhile is never replaced: the move fails.
bool moveIntoPlace(const std::string &temporaryPath, const std::string &target, bool replace);

// Removes a file created by createBeside(); a missing file is no error.
void remove(const std::string &temporaryPath);

} // namespace temporaryoutput
