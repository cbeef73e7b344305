#include <gtest/gtest.h>

#include <sys/stat.h>

#include "sunset/data_file.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

TEST(DataFile, AWriteInterruptedMidwayLeavesTheOldFileWhole) {
    testing::TempDir dir;
    const std::string path = dir / "sunset.dat";
    const std::string old(80, 'o');
    std::string error;
    for (const auto how : {testing::Interruption::Crash, testing::Interruption::DiskFull}) {
        dir.Write("sunset.dat", old);
        const int status = testing::RunWithFileSizeLimit(
            100, how, [&] { return ReplaceFileSafely(path, std::string(200, 'n'), error); });
        EXPECT_EQ(dir.Read("sunset.dat"), old);
        if (how == testing::Interruption::DiskFull) {
            EXPECT_EQ(status, 1);  // reported as a failure, the new copy removed
            EXPECT_EQ(dir.Listing(), "sunset.dat");
        } else {
            EXPECT_EQ(status, -SIGXFSZ);
            // The half-written copy stays until the next start removes it.
            const std::string listing = dir.Listing();
            ASSERT_EQ(listing.rfind("sunset.dat sunset.dat.new-", 0), 0u) << listing;
            EXPECT_EQ(dir.Read(listing.substr(11)).size(), 100u);
            RemoveUnfinishedCopies(dir.path(), "sunset.dat");
            EXPECT_EQ(dir.Listing(), "sunset.dat");
        }
    }
    // A new file may be read by all; a replaced one keeps its permissions.
    const auto mode = [](const std::string& file) {
        struct stat info {};
        return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    };
    ASSERT_TRUE(ReplaceFileSafely(dir / "new", "x", error) && ::chmod(path.c_str(), 0640) == 0);
    ASSERT_TRUE(ReplaceFileSafely(path, "y", error));
    EXPECT_EQ(mode(dir / "new"), 0644u);
    EXPECT_EQ(mode(path), 0640u);
    EXPECT_FALSE(ReplaceFileSafely(dir / "missing/QAVOWIN.INI", "x", error));
    EXPECT_EQ(error, "No such file or directory");
    std::filesystem::create_directory(dir / "folder");  // the copy cannot take its name
    EXPECT_FALSE(ReplaceFileSafely(dir / "folder", "x", error));
    EXPECT_EQ(error, "Is a directory");
    EXPECT_EQ(dir.Listing(), "folder new sunset.dat");
}

TEST(DataFile, OnlyTheProgramsOwnUnfinishedCopiesAreRemoved) {
    testing::TempDir dir;
    for (const char* name :
         {"SUNSET.DAT.new-a1B2c3", "QAVOWIN.INI.new-XyZ789", "sunset.dat", "sunset.dat.new-12345",
          "sunset.dat.new-1234567", "sunset.dat.old-abcdef", "mysunset.dat.new-abcdef",
          "sunset.dat.new-ab_def", "QAVOWIN.INI"}) {
        dir.Write(name, "x");
    }
    std::filesystem::create_directory(dir / "sunset.dat.new-folder");
    RemoveUnfinishedCopies(dir.path(), "sunset.dat");
    RemoveUnfinishedCopies(dir.path(), "QAVOWIN.INI");
    EXPECT_EQ(dir.Listing(),
              "QAVOWIN.INI mysunset.dat.new-abcdef sunset.dat sunset.dat.new-12345 "
              "sunset.dat.new-1234567 sunset.dat.new-ab_def sunset.dat.new-folder "
              "sunset.dat.old-abcdef");
}

}  // namespace
}  // namespace qavo
