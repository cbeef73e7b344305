#pragma once
// The sectioned settings file ("[SECTION]" headings, "key=value" lines), read
// and written the way the desktop platform's profile functions do: section and
// key names match without regard to letter case, values lose their
// surrounding blanks, and writing one key keeps every other line as it was.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "safe_file/file_result.hpp"

namespace qavo {

// The value of the first `key` in the first section `section` of the text
// (a UTF-8 byte-order mark at its start is skipped); nullopt when absent.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with `key` of `section` set to `value`: the key's line replaced,
// or a line added at the end of the section, or the section added at the end.
// Every other line is kept, byte for byte.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// The text without `key` of `section`: the key's line (and its line end)
// dropped; every other line kept byte for byte.
std::string WithoutProfileValue(std::string_view text, std::string_view section,
                                std::string_view key);

// The text of the settings file at `path`, at most about a megabyte of it;
// empty when there is no such file. A failure, its message the reason alone,
// when the file exists but cannot be read.
Result<std::string> ReadProfileText(const std::string& path);

// The value of the settings file at `path`, as the platform reads it: the
// default when the file or the key is missing, cut to maxLength characters.
// A failure, its message the reason alone, when the file exists but cannot
// be read.
Result<std::string> ReadProfileString(const std::string& path, std::string_view section,
                                      std::string_view key, std::string_view defaultValue,
                                      std::size_t maxLength);

// Sets one key in the settings file at `path`, creating the file when needed,
// replacing it safely.
FileResult WriteProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view value);

// A key and the value it is set to.
struct ProfileEntry {
    std::string_view key;
    std::string_view value;
};

// Sets several keys of one section as WriteProfileString does, in one
// replacement of the file: all of them are saved, or none.
FileResult WriteProfileStrings(const std::string& path, std::string_view section,
                               std::initializer_list<ProfileEntry> entries);

// Removes one key from the settings file at `path`, replacing it safely;
// nothing is written when there is no file or no such key.
FileResult RemoveProfileString(const std::string& path, std::string_view section,
                               std::string_view key);

}  // namespace qavo
