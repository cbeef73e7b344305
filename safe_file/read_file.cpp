#include "safe_file/read_file.hpp"

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
#include "safe_file/file_descriptor.hpp"

namespace qavo {

namespace {

std::string ErrorText(int code) {
    return std::generic_category().message(code);
}

}  // namespace

Result<std::optional<std::string>> FindFileCaseBlind(const std::string& directory,
                                                     std::string_view name) {
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
    if (ec == std::errc::no_such_file_or_directory) {
        return std::nullopt;  // no folder, so no file in it either
    }
    if (ec) {
        return Failure{"the folder " + directory + " cannot be read: " + ec.message()};
    }
    if (matches.empty()) {
        return std::nullopt;
    }
    // Several spellings: take one that does not depend on the listing order.
    return (fs::path(directory) / *std::min_element(matches.begin(), matches.end())).string();
}

std::string CaseBlindPath(const std::string& directory, std::string_view name) {
    const Result<std::optional<std::string>> found = FindFileCaseBlind(directory, name);
    return found && *found ? **found : (std::filesystem::path(directory) / name).string();
}

Result<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    // Not blocking: a pipe under the name must not hang the program.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        return Failure{ErrorText(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure{"it is not a file"};
    }
    // A buffer of the file's size, grown only for a file that grows or tells
    // no size; one byte over the limit shows that it is longer.
    const std::size_t limit = maxBytes + 1;
    std::string bytes(std::min(limit, static_cast<std::size_t>(info.st_size) + 1), '\0');
    std::size_t got = 0;
    while (true) {
        if (got == bytes.size()) {
            if (got == limit) {
                break;
            }
            bytes.resize(std::min(limit, 2 * got));
        }
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Failure{ErrorText(errno)};
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace qavo
