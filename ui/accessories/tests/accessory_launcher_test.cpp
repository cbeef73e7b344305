#include "ui/accessories/accessory_launcher.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

namespace fs = std::filesystem;

class AccessoryLauncherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("qavo_launch_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }

    // A stand-in program that records its own name in a marker file.
    fs::path InstallFakeProgram(const std::string& name) {
        const fs::path program = root_ / "bin" / name;
        std::ofstream(program) << "#!/bin/sh\necho \"$0\" > '" << Marker().string() << "'\n";
        fs::permissions(program, fs::perms::owner_all);
        return program;
    }
    fs::path Marker() const { return root_ / "started"; }
    std::string SearchPath() const { return (root_ / "bin").string(); }

    fs::path root_;
};

// Another accessory's program is no stand-in.
TEST_F(AccessoryLauncherTest, NothingInstalledTellsWhichFileIsMissing) {
    InstallFakeProgram("gnome-calculator");
    const struct {
        Accessory accessory;
        const char* message;
    } cases[] = {
        {Accessory::TextEditor, "Initialization Error: Can't find notepad.exe"},
        {Accessory::Paint, "Initialization Error: Can't find mspaint.exe"},
    };
    for (const auto& c : cases) {
        testing::FakePlatform platform;
        EXPECT_FALSE(LaunchAccessory(platform, c.accessory, SearchPath()));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_FALSE(fs::exists(Marker()));
}

TEST_F(AccessoryLauncherTest, StartsTheFirstInstalledCandidate) {
    InstallFakeProgram("leafpad");
    const fs::path expected = InstallFakeProgram("gedit");
    testing::FakePlatform platform;
    ASSERT_TRUE(LaunchAccessory(platform, Accessory::TextEditor, SearchPath()));
    EXPECT_TRUE(platform.messages.empty());

    // The program runs on its own; wait for the mark it leaves.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fs::exists(Marker()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::string started;
    for (int attempt = 0; attempt < 100 && started.empty(); ++attempt) {
        std::ifstream(Marker()) >> started;  // the line may still be written
        if (started.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    EXPECT_EQ(started, expected.string());
}

}  // namespace
}  // namespace qavo
