#pragma once
// Reading the program's data files: found whatever the letter case of their
// names, and read whole (safe_file.hpp replaces them).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "safe_file/file_result.hpp"

namespace qavo {

// The full path of the file `name` in `directory`, matching the name without
// regard to letter case (an exact match wins); none when there is no such
// file or no such directory. A failure, "the folder DIRECTORY cannot be read:
// REASON", when the directory exists but cannot be listed.
Result<std::optional<std::string>> FindFileCaseBlind(const std::string& directory,
                                                     std::string_view name);

// The path of `name` in `directory` as it is spelled there, or as given when
// there is none yet (or the directory cannot be listed: reading the file
// then tells why).
std::string CaseBlindPath(const std::string& directory, std::string_view name);

// The bytes of a regular file, at most maxBytes + 1 of them (enough to tell
// that it is longer). A failure's message is the reason alone ("it is not a
// file", "Permission denied"), for the caller to name the file as its user
// knows it.
Result<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace qavo
