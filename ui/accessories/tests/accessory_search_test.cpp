#include "ui/accessories/accessory_search.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

namespace fs = std::filesystem;

TEST(AccessorySearchTest, TheProgramHelpNamesEveryCandidateInOrder) {
    std::ifstream in(QAVO_PROGRAM_HELP_FILE);
    ASSERT_TRUE(in) << QAVO_PROGRAM_HELP_FILE;
    const std::string help((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t topic = help.find("id=\"Accessories\"");
    ASSERT_NE(topic, std::string::npos);
    for (const Accessory accessory :
         {Accessory::TextEditor, Accessory::Paint, Accessory::Calculator}) {
        const AccessoryInfo& info = AccessoryFor(accessory);
        std::size_t from = topic;
        for (const std::string_view candidate : info.candidates) {
            // A name of the list, ended by its punctuation.
            const auto endsAName = [&](std::size_t at) {
                const std::size_t after = at + candidate.size();
                return after < help.size() &&
                       std::string_view(",;.").find(help[after]) != std::string_view::npos;
            };
            std::size_t at = help.find(candidate, from);
            while (at != std::string::npos && !endsAName(at)) {
                at = help.find(candidate, at + 1);
            }
            ASSERT_NE(at, std::string::npos) << candidate;
            from = at;
        }
        EXPECT_NE(help.find("Can't find " + std::string(info.fileName), topic), std::string::npos);
    }
}

TEST(AccessorySearchTest, CandidatesComeFirstThenDirectories) {
    constexpr std::string_view kCandidates[] = {"first", "second", "third"};
    const struct {
        const char* name;
        std::set<std::string> installed;
        const char* searchPath;
        const char* found;
    } cases[] = {
        {"earlier candidate first", {"/b/first", "/a/second"}, "/a:/b", "/b/first"},
        {"then earlier directory", {"/a/second", "/b/second"}, "/a:/b", "/a/second"},
        {"last candidate in last directory", {"/c/third"}, "/a:/b:/c", "/c/third"},
        {"trailing slash kept single", {"/a/first"}, "/a/", "/a/first"},
        {"root directory", {"/first"}, "/", "/first"},
        {"empty entries skipped", {"/a/first"}, "::/a:", "/a/first"},
        {"relative entries skipped", {"bin/first", "./first", "first"}, "bin:.::", ""},
        {"nothing installed", {}, "/a:/b", ""},
        {"empty search path", {"/first"}, "", ""},
        {"other programs ignored", {"/a/fourth"}, "/a", ""},
    };
    for (const auto& c : cases) {
        const auto isExecutable = [&](const std::string& path) {
            EXPECT_EQ(path.front(), '/') << c.name << ": asked about " << path;
            return c.installed.count(path) == 1;
        };
        EXPECT_EQ(FindProgram(kCandidates, c.searchPath, isExecutable), c.found) << c.name;
    }
}

TEST(AccessorySearchTest, FindsOnlyExecutableRegularFiles) {
    const testing::TempDir root;
    fs::create_directories(fs::path(root / "two") / "gedit");  // a directory, not a program
    fs::create_directory(root / "one");
    const auto makeFile = [&](const std::string& name, fs::perms permissions) {
        root.Write(name, "#!/bin/sh\n");
        fs::permissions(root / name, permissions);
    };
    makeFile("one/gnome-text-editor", fs::perms::owner_read);  // not executable
    makeFile("two/kate", fs::perms::owner_all);
    makeFile("one/mousepad", fs::perms::owner_all);
    const std::string searchPath = (root / "one") + ":" + (root / "two");

    const AccessoryInfo& editor = AccessoryFor(Accessory::TextEditor);
    EXPECT_EQ(FindProgram(editor.candidates, searchPath), root / "two/kate");
    fs::remove(root / "two/kate");
    EXPECT_EQ(FindProgram(editor.candidates, searchPath), root / "one/mousepad");
    fs::remove(root / "one/mousepad");
    EXPECT_EQ(FindProgram(editor.candidates, searchPath), "");
    EXPECT_FALSE(IsExecutableFile(root / "no such file"));
}

}  // namespace
}  // namespace qavo
