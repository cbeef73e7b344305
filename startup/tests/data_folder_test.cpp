#include <gtest/gtest.h>

#include <filesystem>

#include "startup/data_folder.hpp"
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
    fs::create_directory(root / "share");
    root.Write("share/sunset.dat", "cities");
    fs::permissions(root / "share/sunset.dat", fs::perms::owner_read);
    const std::string user = root / "home/.local/share/qavo";
    ASSERT_TRUE(PrepareUserDataFolder(user, {root / "bin", root / "share"}));
    EXPECT_EQ(root.Read("home/.local/share/qavo/sunset.dat"), "cities");
    EXPECT_NE(fs::status(user + "/sunset.dat").permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_FALSE(fs::exists(user + "/QAVOWIN.INI"));  // none was shipped

    // A file the user already has is never replaced.
    root.Write("home/.local/share/qavo/sunset.dat", "mine");
    ASSERT_TRUE(PrepareUserDataFolder(user, {root / "share"}));
    EXPECT_EQ(root.Read("home/.local/share/qavo/sunset.dat"), "mine");
    // A folder that cannot be made.
    EXPECT_FALSE(PrepareUserDataFolder(root / "share/sunset.dat/qavo", {}));
}

}  // namespace
}  // namespace qavo
