#include <gtest/gtest.h>

#include <filesystem>

#include "startup/data_folder.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/file_size_limit.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

TEST(DataFolder, ProgramFolderWhenWritableElseTheUserDataFolder) {
    // What the desktop toolkit names the per-user data folder of "qavo".
    const struct {
        bool writable;
        const char* xdgDataHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {true, "/data", "/home/ann", "/usr/bin"},
        {false, "", "/home/ann", "/home/ann/.local/share/qavo"},
        {false, "/data/", "/home/ann", "/data/qavo"},
        {false, "relative/data", "/home/ann", "/home/ann/.local/share/qavo"},
        {false, "", "", "/.local/share/qavo"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseDataFolder("/usr/bin", c.writable, c.xdgDataHome, c.home), c.expected)
            << c.xdgDataHome << " " << c.home;
    }
}

TEST(DataFolder, TheUserFolderIsMadeAndGetsTheShippedFilesOnce) {
    namespace fs = std::filesystem;
    testing::TempDir root;
    testing::FakePlatform platform;
    fs::create_directory(root / "share");
    root.Write("share/sunset.dat", "cities");
    fs::permissions(root / "share/sunset.dat", fs::perms::owner_read);
    const std::string user = root / "home/.local/share/qavo";
    ASSERT_TRUE(PrepareUserDataFolder(platform, user, {root / "bin", root / "share"}));
    EXPECT_EQ(root.Read("home/.local/share/qavo/sunset.dat"), "cities");
    EXPECT_NE(fs::status(user + "/sunset.dat").permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_FALSE(fs::exists(user + "/QAVOWIN.INI"));  // none was shipped

    // A file the user already has is never replaced.
    root.Write("home/.local/share/qavo/sunset.dat", "mine");
    ASSERT_TRUE(PrepareUserDataFolder(platform, user, {root / "share"}));
    EXPECT_EQ(root.Read("home/.local/share/qavo/sunset.dat"), "mine");
    EXPECT_TRUE(platform.messages.empty());
}

// Each failure is told, naming the file and the reason, and leaves no file
// behind that could pass for the user's own.
TEST(DataFolder, AFailureIsToldAndLeavesNoHalfFile) {
    namespace fs = std::filesystem;
    testing::TempDir root;
    testing::FakePlatform platform;
    root.Write("file", "x");
    EXPECT_FALSE(PrepareUserDataFolder(platform, root / "file/qavo", {}));
    EXPECT_EQ(platform.TakeMessage(), root /
                                          "file/qavo could not be made: Not a directory. The "
                                          "program's own folder is used.");

    fs::create_directories(root / "share/QAVOWIN.INI");  // not a file
    root.Write("share/sunset.dat", std::string(200, 'c'));
    fs::create_directory(root / "user");
    fs::create_symlink(root / "gone/sunset.dat", root / "user/sunset.dat");
    ASSERT_TRUE(PrepareUserDataFolder(platform, root / "user", {root / "share"}));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text,
              root / "share/QAVOWIN.INI could not be read: it is not a file.");
    EXPECT_EQ(platform.messages[1].text,
              root / "user/sunset.dat could not be written: No such file or directory.");
    EXPECT_EQ(platform.messages[1].title, "Initialization Error");

    // A disk that fills during the copy leaves no partial sunset.dat.
    fs::remove(root / "user/sunset.dat");
    fs::remove(root / "share/QAVOWIN.INI");
    const int status = testing::RunWithFileSizeLimit(100, testing::Interruption::DiskFull, [&] {
        testing::FakePlatform child;
        return PrepareUserDataFolder(child, root / "user", {root / "share"}) &&
               child.TakeMessage() ==
                   root / "user/sunset.dat could not be written: File too large.";
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(root.Listing(), "file share user");
    EXPECT_FALSE(fs::exists(root / "user/sunset.dat"));
}

}  // namespace
}  // namespace qavo
