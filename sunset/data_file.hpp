#pragma once
// Reading the program's two data files: found whatever the letter case of
// their names, and read whole (safe_file/ replaces them).

#include <optional>
#include <string>
#include <string_view>

namespace qavo {

// The full path of the file `name` in `directory`, matching the name without
// regard to letter case (an exact match wins); nullopt when there is none.
// `error` is set when the directory exists but cannot be read.
std::optional<std::string> FindFileCaseBlind(const std::string& directory, std::string_view name,
                                             std::string& error);

// The bytes of a regular file, at most maxBytes + 1 of them (enough to tell
// that it is longer); nullopt with `error` set when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes,
                                         std::string& error);

}  // namespace qavo
