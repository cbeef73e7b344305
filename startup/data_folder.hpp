#pragma once
// Where both programs keep QAVOWIN.INI and sunset.dat: the program's own
// folder when it can be written to, as in a folder of its own; else, as
// for a program installed under /usr, the user's data folder.

#include <string>
#include <vector>

#include "engine/platform.hpp"

namespace qavo {

// The files the program keeps in its data folder.
inline constexpr const char* kDataFiles[] = {"QAVOWIN.INI", "sunset.dat"};

// The rule itself: programFolder when writable, else $XDG_DATA_HOME/qavo,
// or $HOME/.local/share/qavo when XDG_DATA_HOME is unset, empty or relative
// (relative values are invalid for XDG). An empty home means "/".
std::string ChooseDataFolder(const std::string& programFolder, bool programFolderWritable,
                             const std::string& xdgDataHome, const std::string& home);

// The rule for the running program, from its environment and the
// permissions of programFolder.
std::string DataFolderOf(const std::string& programFolder);

// Before a program with a user data folder first uses it: creates the
// folder and copies into it, each whole or not at all, every data file it
// lacks from the first of `shippedFolders` that holds one; the copies are
// the user's to change. A failure is told in a message naming the folder or
// file and the reason. False when the folder cannot be made, and the
// program's own folder is to serve; a file that could not be copied is left
// out, as if none had been shipped.
[[nodiscard]] bool PrepareUserDataFolder(Platform& platform, const std::string& folder,
                                         const std::vector<std::string>& shippedFolders);

}  // namespace qavo
