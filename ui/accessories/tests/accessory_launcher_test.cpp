#include "ui/accessories/accessory_launcher.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

// A folder of stand-in programs, each writing its own path into "started".
struct AccessoryLauncherTest : ::testing::Test {
    std::string Install(const std::string& name) {
        dir.Write(name, "#!/bin/sh\necho \"$0\" > '" + (dir / "started") + "'\n");
        std::filesystem::permissions(dir / name, std::filesystem::perms::owner_all);
        return dir / name;
    }
    testing::TempDir dir;
};

// Another accessory's program is no stand-in.
TEST_F(AccessoryLauncherTest, NothingInstalledTellsWhichFileIsMissing) {
    Install("gnome-calculator");
    const struct {
        Accessory accessory;
        const char* message;
    } cases[] = {
        {Accessory::TextEditor, "Initialization Error: Can't find notepad.exe"},
        {Accessory::Paint, "Initialization Error: Can't find mspaint.exe"},
    };
    for (const auto& c : cases) {
        testing::FakePlatform platform;
        EXPECT_FALSE(LaunchAccessory(platform, c.accessory, dir.path()));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_FALSE(dir.Exists("started"));
}

TEST_F(AccessoryLauncherTest, StartsTheFirstInstalledCandidate) {
    Install("leafpad");
    const std::string expected = Install("gedit") + "\n";
    testing::FakePlatform platform;
    ASSERT_TRUE(LaunchAccessory(platform, Accessory::TextEditor, dir.path()));
    EXPECT_TRUE(platform.messages.empty());
    // The program runs on its own; wait for the line it writes.
    std::string started;
    for (int wait = 0; wait < 1000 && started != expected; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        started = dir.Read("started");
    }
    EXPECT_EQ(started, expected);
}

}  // namespace
}  // namespace qavo
