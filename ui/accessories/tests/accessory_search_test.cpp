#include "ui/accessories/accessory_search.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

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
        std::size_t previous = topic;
        for (const std::string_view candidate : info.candidates) {
            const std::size_t at = help.find(std::string(candidate) + ',', previous);
            const std::size_t last = help.find(std::string(candidate) + ';', previous);
            const std::size_t end = help.find(std::string(candidate) + '.', previous);
            const std::size_t found = std::min({at, last, end});
            ASSERT_NE(found, std::string::npos) << candidate;
            previous = found;
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
        {"earlier candidate wins over earlier directory",
         {"/b/first", "/a/second"},
         "/a:/b",
         "/b/first"},
        {"earlier directory wins for the same candidate",
         {"/a/second", "/b/second"},
         "/a:/b",
         "/a/second"},
        {"last candidate in last directory", {"/c/third"}, "/a:/b:/c", "/c/third"},
        {"trailing slash kept single", {"/a/first"}, "/a/", "/a/first"},
        {"root directory", {"/first"}, "/", "/first"},
        {"empty entries skipped", {"/a/first"}, "::/a:", "/a/first"},
        {"relative entries skipped", {"bin/first", "./first", "first"}, "bin:.::", ""},
        {"relative entry skipped, absolute found",
         {"bin/first", "/z/second"},
         "bin:/z",
         "/z/second"},
        {"nothing installed", {}, "/a:/b", ""},
        {"empty search path", {"/first"}, "", ""},
        {"other programs ignored", {"/a/fourth"}, "/a", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> asked;
        const auto isExecutable = [&](const std::string& path) {
            asked.push_back(path);
            return c.installed.count(path) == 1;
        };
        EXPECT_EQ(FindProgram(kCandidates, c.searchPath, isExecutable), c.found) << c.name;
        for (const std::string& path : asked) {
            EXPECT_EQ(path.front(), '/') << c.name << ": asked about " << path;
        }
    }
}

TEST(AccessorySearchTest, FindsOnlyExecutableRegularFiles) {
    const fs::path root = fs::temp_directory_path() / ("qavo_search_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "one");
    fs::create_directories(root / "two" / "gedit");  // a directory, not a program
    const auto makeFile = [](const fs::path& path, fs::perms permissions) {
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, permissions);
    };
    makeFile(root / "one" / "gnome-text-editor", fs::perms::owner_read);  // not executable
    makeFile(root / "two" / "kate", fs::perms::owner_all);
    makeFile(root / "one" / "mousepad", fs::perms::owner_all);
    const std::string searchPath = (root / "one").string() + ":" + (root / "two").string();

    const AccessoryInfo& editor = AccessoryFor(Accessory::TextEditor);
    EXPECT_EQ(FindProgram(editor.candidates, searchPath), (root / "two" / "kate").string());
    fs::remove(root / "two" / "kate");
    EXPECT_EQ(FindProgram(editor.candidates, searchPath), (root / "one" / "mousepad").string());
    fs::remove(root / "one" / "mousepad");
    EXPECT_EQ(FindProgram(editor.candidates, searchPath), "");
    EXPECT_FALSE(IsExecutableFile((root / "no such file").string()));
    fs::remove_all(root);
}

}  // namespace
}  // namespace qavo
