#include "startup/data_folder.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "safe_file/read_file.hpp"
#include "safe_file/safe_file.hpp"

namespace qavo {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A shipped data file is small; anything far larger is not one.
constexpr std::size_t kMaxShippedFileBytes = 1 << 20;

void Tell(Platform& platform, const std::string& text) {
    platform.ShowMessage(text, "Initialization Error", MessageIcon::Exclamation,
                         MessageButtons::Ok);
}

// Copies a file through the safe writer, so that a copy cut short (a full
// disk, a crash) leaves no half file to be taken for the user's own. The
// copy is new, so the user may change it whatever the original's permissions.
FileResult CopyWhole(const std::string& source, const std::string& target) {
    const Result<std::string> bytes = ReadFileBytes(source, kMaxShippedFileBytes);
    if (!bytes) {
        return Failure{source + " could not be read: " + bytes.error()};
    }
    if (bytes->size() > kMaxShippedFileBytes) {
        return Failure{source + " is too large to be a data file"};
    }
    return ReplaceFileSafely(target, *bytes);
}

}  // namespace

std::string ChooseDataFolder(const std::string& programFolder, bool programFolderWritable,
                             const std::string& xdgDataHome, const std::string& home) {
    if (programFolderWritable) {
        return programFolder;
    }
    namespace fs = std::filesystem;
    const fs::path dataHome = fs::path(xdgDataHome).is_absolute()
                                  ? fs::path(xdgDataHome)
                                  : fs::path(home.empty() ? "/" : home) / ".local/share";
    return (dataHome / "qavo").lexically_normal().string();
}

std::string DataFolderOf(const std::string& programFolder) {
    return ChooseDataFolder(programFolder, ::access(programFolder.c_str(), W_OK) == 0,
                            Environment("XDG_DATA_HOME"), Environment("HOME"));
}

bool PrepareUserDataFolder(Platform& platform, const std::string& folder,
                           const std::vector<std::string>& shippedFolders) {
    namespace fs = std::filesystem;
    std::error_code made;
    fs::create_directories(folder, made);
    std::error_code checked;
    if (!fs::is_directory(folder, checked)) {
        Tell(platform, folder +
                           " could not be made: " + (made ? made.message() : "it is not a folder") +
                           ". The program's own folder is used.");
        return false;
    }
    for (const char* name : kDataFiles) {
        const fs::path mine = fs::path(folder) / name;
        if (fs::exists(mine, checked)) {
            continue;  // the user's own file is never replaced
        }
        for (const std::string& shipped : shippedFolders) {
            const std::string source = (fs::path(shipped) / name).string();
            if (fs::exists(source, checked)) {
                if (const FileResult copied = CopyWhole(source, mine.string()); !copied) {
                    Tell(platform, copied.error() + ".");
                }
                break;
            }
        }
    }
    return true;
}

}  // namespace qavo
