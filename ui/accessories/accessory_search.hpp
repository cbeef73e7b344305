#pragma once
// Where the accessory programs of the File menu are found: each accessory has
// a fixed list of candidate programs of this platform, tried in order, each
// looked up in the directories of the executable search path.
//
// Plain C++: the search is tested with a made-up search path and predicate.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace qavo {

enum class Accessory { TextEditor, Paint, Calculator };

struct AccessoryInfo {
    // The name the user is told about when no candidate is installed.
    std::string_view fileName;
    std::span<const std::string_view> candidates;
};

const AccessoryInfo& AccessoryFor(Accessory accessory);

// Whether the file at path is a regular file the user may execute.
using ExecutableTest = std::function<bool(const std::string& path)>;
bool IsExecutableFile(const std::string& path);

// The full path of the first candidate found in the ':'-separated search
// path, candidates taking precedence over directories; empty when none is
// found. Empty and relative directories are skipped: starting a program from
// whatever the current directory happens to be is not safe.
std::string FindProgram(std::span<const std::string_view> candidates, std::string_view searchPath,
                        const ExecutableTest& isExecutable = IsExecutableFile);

}  // namespace qavo
