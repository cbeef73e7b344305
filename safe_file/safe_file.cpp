#include "safe_file/safe_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/plain_text.hpp"
#include "safe_file/deferred_signals.hpp"
#include "safe_file/file_descriptor.hpp"

namespace qavo {

namespace {

namespace fs = std::filesystem;

// A new copy is named after its file, this mark and six characters of mkstemp.
constexpr std::string_view kNewCopyMark = ".new-";
constexpr std::size_t kUniqueLength = 6;
// Older than this, a copy that no save holds is a leftover: a save is
// seconds long, and the age covers the moment before its copy is locked.
constexpr std::time_t kLeftoverAgeSeconds = 10 * 60;
constexpr const char* kSpecialFile = "it is a device, pipe or other special file";
// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

std::string ErrorText(int code) {
    return std::generic_category().message(code);
}

Failure Failed(const std::string& path, const std::string& reason) {
    return {path + " could not be written: " + reason};
}

bool IsNewCopyOf(std::string_view entry, std::string_view name) {
    if (entry.size() != name.size() + kNewCopyMark.size() + kUniqueLength ||
        !SameIgnoringCase(entry.substr(0, name.size()), name) ||
        entry.substr(name.size(), kNewCopyMark.size()) != kNewCopyMark) {
        return false;
    }
    const std::string_view unique = entry.substr(entry.size() - kUniqueLength);
    return std::all_of(unique.begin(), unique.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a save replaces: `path` with its symbolic links followed (a link
// to a missing file gives that file). A failure, its message the reason
// alone, when the links loop, the file is not a regular one, or a relative
// path has no working folder to start from.
Result<fs::path> FileToReplace(fs::path path) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        const fs::path absolute = fs::absolute(path, ec);
        if (ec) {
            return Failure{ec.message()};
        }
        // Devices and the links to open descriptors (/dev/stdout) live there.
        const std::string normal = absolute.lexically_normal().string();
        if (normal.starts_with("/dev/") || normal.starts_with("/proc/")) {
            return Failure{kSpecialFile};
        }
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno == ENOENT) {
                return path;  // a new file; a missing folder fails when the copy is made
            }
            return Failure{ErrorText(errno)};
        }
        if (S_ISREG(info.st_mode)) {
            return path;
        }
        if (!S_ISLNK(info.st_mode)) {
            return Failure{S_ISDIR(info.st_mode) ? "it is a folder" : kSpecialFile};
        }
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            return Failure{ec.message()};
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return Failure{ErrorText(ELOOP)};
}

// True when nothing holds the copy at `path`, it is old enough to be a
// leftover, and it is still the file that was checked.
bool IsAbandoned(const fs::path& path) {
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
        std::time(nullptr) - named.st_mtime < kLeftoverAgeSeconds) {
        return false;
    }
    FileDescriptor copy(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    return copy.get() >= 0 && ::flock(copy.get(), LOCK_EX | LOCK_NB) == 0 &&
           ::fstat(copy.get(), &opened) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

FileResult ReplaceFileSafely(const std::string& path, std::string_view bytes) {
    const Result<fs::path> target = FileToReplace(path);
    if (!target) {
        return Failed(path, target.error());
    }
    const fs::path directory = target->has_parent_path() ? target->parent_path() : fs::path(".");
    const DeferredSignals deferred;
    std::string copy =
        (directory / (target->filename().string() + std::string(kNewCopyMark) + "XXXXXX")).string();
    FileDescriptor file(::mkstemp(copy.data()));
    if (file.get() < 0) {
        return Failed(path, ErrorText(errno));
    }
    // The lock tells RemoveUnfinishedCopies that this copy is in use; it is
    // held through a second descriptor until the rename is done.
    FileDescriptor guard(::dup(file.get()));
    if (guard.get() >= 0) {
        ::flock(guard.get(), LOCK_EX);
    }
    struct stat old {};
    ::fchmod(file.get(), ::stat(target->c_str(), &old) == 0 ? old.st_mode & 07777 : 0644);
    int error = 0;
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (!file.Close() && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(copy.c_str(), target->c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(copy.c_str());
        return Failed(path, ErrorText(error));
    }
    // Make the rename itself durable.
    FileDescriptor folder(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
    return {};
}

void RemoveUnfinishedCopies(const std::string& directory, std::string_view name) {
    std::error_code ec;
    std::vector<fs::path> leftovers;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (IsNewCopyOf(it->path().filename().string(), name)) {
            leftovers.push_back(it->path());
        }
    }
    for (const fs::path& path : leftovers) {
        if (IsAbandoned(path)) {
            fs::remove(path, ec);
        }
    }
}

}  // namespace qavo
