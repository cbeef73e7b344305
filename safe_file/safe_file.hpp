#pragma once
// Replacing a file whole or not at all: the new bytes go to a copy beside it,
// which is flushed to the disk and renamed over the file only when complete.
// Every program that writes a user's file goes through here.

#include <string>
#include <string_view>

#include "safe_file/file_result.hpp"

namespace qavo {

// Writes `bytes` in place of the file at `path`. A symbolic link is followed
// and its target replaced, the link kept; a folder, device, pipe or other
// special file is refused. On any failure of the write, flush, close or
// rename the old file stays whole and no copy is left behind. Signals that
// would end the program wait until the save is over, so that they cannot
// leave its copy behind either. A new file may be read by all; a replaced
// one keeps its permissions. A failure's message names the file and the
// reason: "/home/ann/x.txt could not be written: No space left on device".
FileResult ReplaceFileSafely(const std::string& path, std::string_view bytes);

// Removes the copies of the file `name` of `directory` (whatever the letter
// case) that a save killed mid-way left behind: only those that no running
// save holds, and only once they are some minutes old, so a save in progress
// in another program is never disturbed.
void RemoveUnfinishedCopies(const std::string& directory, std::string_view name);

}  // namespace qavo
