#pragma once
// Reading and writing the program's two data files: found whatever the letter
// case of their names, read whole, and replaced only by a complete new copy.

#include <optional>
#include <string>
#include <string_view>

namespace qavo {

// The full path of the file `name` in `directory`, matching the name without
// regard to letter case (an exact match wins); nullopt when there is none.
// `error` is set when the directory itself cannot be read.
std::optional<std::string> FindFileCaseBlind(const std::string& directory, std::string_view name,
                                             std::string& error);

// The bytes of a regular file, at most maxBytes + 1 of them (enough to tell
// that it is longer); nullopt with `error` set when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes,
                                         std::string& error);

// Writes `bytes` to a new file in the same directory, flushes it to the disk
// and renames it over `path`, so a crash or a full disk mid-write leaves the
// old file whole. False with `error` set when anything failed.
bool ReplaceFileSafely(const std::string& path, std::string_view bytes, std::string& error);

// Removes the new copies that ReplaceFileSafely left behind for the file
// `name` of `directory` when the program was killed mid-save: files named
// like it (whatever the letter case) followed by ".new-" and six letters or
// digits. Nothing else is touched; a file that cannot be removed stays.
void RemoveUnfinishedCopies(const std::string& directory, std::string_view name);

}  // namespace qavo
