#include "sunset/data_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/plain_text.hpp"

namespace qavo {

namespace {

std::string ErrorText(int code) {
    return std::generic_category().message(code);
}

// Closes the descriptor on every path out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the error a delayed write may surface here.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// A new copy is named after its file, this mark and six characters of mkstemp.
constexpr std::string_view kNewCopyMark = ".new-";
constexpr std::size_t kUniqueLength = 6;

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

}  // namespace

std::optional<std::string> FindFileCaseBlind(const std::string& directory, std::string_view name,
                                             std::string& error) {
    namespace fs = std::filesystem;
    const fs::path exact = fs::path(directory) / std::string(name);
    std::error_code ec;
    if (fs::exists(exact, ec)) {
        return exact.string();
    }
    std::vector<std::string> matches;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, name)) {
            matches.push_back(entry);
        }
    }
    if (ec) {
        error = "the folder " + directory + " cannot be read: " + ec.message();
        return std::nullopt;
    }
    if (matches.empty()) {
        return std::nullopt;
    }
    // Several spellings: take one that does not depend on the listing order.
    return (fs::path(directory) / *std::min_element(matches.begin(), matches.end())).string();
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes,
                                         std::string& error) {
    // Not blocking: a pipe under the name must not hang the program.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        error = ErrorText(errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "it is not a file";
        return std::nullopt;
    }
    std::string bytes(maxBytes + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = ErrorText(errno);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

bool ReplaceFileSafely(const std::string& path, std::string_view bytes, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary =
        (directory / (target.filename().string() + std::string(kNewCopyMark) + "XXXXXX")).string();
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        error = ErrorText(errno);
        return false;
    }
    // Keep the old file's permissions, when there is one.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(file.get(), old.st_mode & 07777);
    } else {
        ::fchmod(file.get(), 0644);
    }
    const bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    const int writeErrno = errno;
    if (!written || !file.Close()) {
        error = ErrorText(written ? errno : writeErrno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = ErrorText(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    FileDescriptor folder(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
    return true;
}

void RemoveUnfinishedCopies(const std::string& directory, std::string_view name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> leftovers;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (IsNewCopyOf(it->path().filename().string(), name) && it->is_regular_file(ec)) {
            leftovers.push_back(it->path());
        }
    }
    for (const fs::path& path : leftovers) {
        fs::remove(path, ec);
    }
}

}  // namespace qavo
