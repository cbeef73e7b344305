#include "startup/data_folder.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace qavo {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
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

bool PrepareUserDataFolder(const std::string& folder,
                           const std::vector<std::string>& shippedFolders) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) {
        return false;
    }
    for (const char* name : kDataFiles) {
        const fs::path mine = fs::path(folder) / name;
        if (fs::exists(mine, error)) {
            continue;  // the user's own file is never replaced
        }
        for (const std::string& shipped : shippedFolders) {
            if (fs::copy_file(fs::path(shipped) / name, mine, error)) {
                // A copy of a read-only installed file is read-only too.
                fs::permissions(mine, fs::perms::owner_read | fs::perms::owner_write,
                                fs::perm_options::replace, error);
                break;
            }
        }
    }
    return true;
}

}  // namespace qavo
