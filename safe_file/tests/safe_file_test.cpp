#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "safe_file/deferred_signals.hpp"
#include "safe_file/read_file.hpp"
#include "safe_file/safe_file.hpp"
#include "tests/support/file_size_limit.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

namespace fs = std::filesystem;

// Sets a file's times an hour back, as for a copy left by an earlier run.
void MakeOld(const std::string& path) {
    const timespec hourAgo{::time(nullptr) - 3600, 0};
    const timespec times[2] = {hourAgo, hourAgo};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(SafeFile, AWriteInterruptedMidwayLeavesTheOldFileWhole) {
    testing::TempDir dir;
    const std::string path = dir / "sunset.dat";
    const std::string old(80, 'o');
    for (const auto how : {testing::Interruption::Crash, testing::Interruption::DiskFull}) {
        dir.Write("sunset.dat", old);
        const int status = testing::RunWithFileSizeLimit(100, how, [&] {
            return static_cast<bool>(ReplaceFileSafely(path, std::string(200, 'n')));
        });
        EXPECT_EQ(dir.Read("sunset.dat"), old);
        if (how == testing::Interruption::DiskFull) {
            EXPECT_EQ(status, 1);  // reported as a failure, the new copy removed
            EXPECT_EQ(dir.Listing(), "sunset.dat");
        } else {
            EXPECT_EQ(status, -SIGXFSZ);
            // The half-written copy stays until it is old enough to be a leftover.
            const std::string listing = dir.Listing();
            ASSERT_EQ(listing.rfind("sunset.dat sunset.dat.new-", 0), 0u) << listing;
            RemoveUnfinishedCopies(dir.path(), "sunset.dat");
            EXPECT_EQ(dir.Listing(), listing);
            MakeOld(dir / listing.substr(11));
            RemoveUnfinishedCopies(dir.path(), "sunset.dat");
            EXPECT_EQ(dir.Listing(), "sunset.dat");
        }
    }
    // A new file may be read by all; a replaced one keeps its permissions.
    const auto mode = [](const std::string& file) {
        struct stat info {};
        return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    };
    ASSERT_TRUE(ReplaceFileSafely(dir / "new", "x") && ::chmod(path.c_str(), 0640) == 0);
    ASSERT_TRUE(ReplaceFileSafely(path, "y"));
    EXPECT_EQ(mode(dir / "new"), 0644u);
    EXPECT_EQ(mode(path), 0640u);
}

TEST(SafeFile, AFailureNamesTheFileAndTheReasonAndChangesNothing) {
    testing::TempDir dir;
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    fs::create_symlink("loop", dir / "loop");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir / "missing/QAVOWIN.INI", "No such file or directory"},
        {dir / "folder", "it is a folder"},
        {dir / "pipe", "it is a device, pipe or other special file"},
        {"/dev/null", "it is a device, pipe or other special file"},
        {"/dev/stdout", "it is a device, pipe or other special file"},
        {dir / "loop", "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceFileSafely(c.path, "x").error(),
                  c.path + " could not be written: " + c.reason);
    }
    EXPECT_EQ(dir.Listing(), "folder loop pipe");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // A relative name while the working folder is gone: told, not thrown.
    const fs::path here = fs::current_path();
    fs::create_directory(dir / "gone");
    fs::current_path(dir / "gone");
    fs::remove(dir / "gone");
    const FileResult relative = ReplaceFileSafely("x.ics", "x");
    fs::current_path(here);
    EXPECT_EQ(relative.error(), "x.ics could not be written: No such file or directory");
}

TEST(SafeFile, ALinkKeepsItsPlaceAndItsTargetIsReplaced) {
    testing::TempDir dir;
    fs::create_directory(dir / "real");
    dir.Write("real/sunset.dat", "old");
    fs::create_symlink("real/sunset.dat", dir / "sunset.dat");  // relative to the link's folder
    ASSERT_TRUE(ReplaceFileSafely(dir / "sunset.dat", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "sunset.dat"));
    EXPECT_EQ(dir.Read("real/sunset.dat"), "new");
    EXPECT_EQ(dir.Listing(), "real sunset.dat");
}

// Only the program's own copies are removed, and only those no save holds.
TEST(SafeFile, OnlyAbandonedCopiesAreRemoved) {
    testing::TempDir dir;
    for (const char* name :
         {"SUNSET.DAT.new-a1B2c3", "QAVOWIN.INI.new-XyZ789", "sunset.dat", "sunset.dat.new-12345",
          "sunset.dat.new-1234567", "sunset.dat.old-abcdef", "mysunset.dat.new-abcdef",
          "sunset.dat.new-ab_def", "QAVOWIN.INI", "sunset.dat.new-locked"}) {
        dir.Write(name, "x");
        MakeOld(dir / name);
    }
    fs::create_directory(dir / "sunset.dat.new-folder");
    const int held = ::open((dir / "sunset.dat.new-locked").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);  // as a running save holds its copy
    RemoveUnfinishedCopies(dir.path(), "sunset.dat");
    RemoveUnfinishedCopies(dir.path(), "QAVOWIN.INI");
    ::close(held);
    EXPECT_EQ(dir.Listing(),
              "QAVOWIN.INI mysunset.dat.new-abcdef sunset.dat sunset.dat.new-12345 "
              "sunset.dat.new-1234567 sunset.dat.new-ab_def sunset.dat.new-folder "
              "sunset.dat.new-locked sunset.dat.old-abcdef");
}

volatile sig_atomic_t terminations = 0;  // written by the handler alone

TEST(SafeFile, ASignalThatWouldEndTheProgramWaitsForTheSave) {
    struct sigaction counting {
    }, previous{};
    counting.sa_handler = [](int) { terminations = terminations + 1; };
    ASSERT_EQ(::sigaction(SIGTERM, &counting, &previous), 0);
    {
        const DeferredSignals deferred;
        ::raise(SIGTERM);
        EXPECT_EQ(terminations, 0);
    }
    EXPECT_EQ(terminations, 1);
    ::sigaction(SIGTERM, &previous, nullptr);
}

// A file is read whole up to its limit, and one byte past it shows that it is
// longer, whatever size the file tells: a file of the kernel tells none.
TEST(ReadFile, AFileIsReadUpToOneBytePastItsLimitWhateverSizeItTells) {
    testing::TempDir dir;
    dir.Write("ten", "0123456789");
    const struct {
        std::string path;
        std::size_t limit;
        std::string expected;
    } cases[] = {
        {dir / "ten", 10, "0123456789"},
        {dir / "ten", 100, "0123456789"},
        {dir / "ten", 4, "01234"},
        {dir / "ten", 0, "0"},
    };
    for (const auto& c : cases) {
        const Result<std::string> read = ReadFileBytes(c.path, c.limit);
        ASSERT_TRUE(read) << c.limit;
        EXPECT_EQ(*read, c.expected) << c.limit;
    }
    const Result<std::string> status = ReadFileBytes("/proc/self/status", 1 << 16);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->substr(0, 5), "Name:");
    EXPECT_NE(status->find("\nPid:"), std::string::npos);
}

}  // namespace
}  // namespace qavo
