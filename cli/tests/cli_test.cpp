#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunWords(std::vector<std::string> words) {
    testing::FakePlatform platform({2024, 10, 3});
    std::ostringstream out, err;
    const int status = Run(words, out, err, platform);
    return {status, out.str(), err.str()};
}

TEST(Cli, ConvertsOneDayAndRuns) {
    EXPECT_EQ(RunWords({"g2j", "2024-02-29"}).out, "5784 6 20 6 4\n");
    EXPECT_EQ(RunWords({"g2j"}).out, "5785 1 1 1 4\n");  // today, from the platform
    EXPECT_EQ(RunWords({"g2j", "--from", "2024-10-01", "--to", "2024-10-03"}).out,
              "2024-10-01 5784 13 28 13 2\n2024-10-02 5784 13 29 13 3\n2024-10-03 5785 1 1 1 4\n");
    EXPECT_EQ(RunWords({"g2j", "7000-12-31"}).out, "10761 3 15 3 3\n");
}

TEST(Cli, DescribesAYear) {
    EXPECT_EQ(RunWords({"year", "5760"}).out, "5760 1999-09-11 6 6 3\n");
    EXPECT_EQ(RunWords({"year", "5776"}).out, "5776 2015-09-14 1 6 19\n");
    EXPECT_EQ(RunWords({"year", "10761"}).out, "10761 7000-10-18 6 3 7\n");
}

TEST(Cli, BadInputPrintsOneLineAndExitsWithTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"nonsense"},
        {"g2j", "2023-02-29"},
        {"g2j", "1582-12-31"},
        {"g2j", "7001-01-01"},
        {"g2j", "2024-2-29"},
        {"g2j", "yesterday"},
        {"g2j", "2024-01-01", "2024-01-02"},
        {"g2j", "--from", "2024-01-02"},
        {"g2j", "--from", "2024-01-02", "--to", "2024-01-01"},
        {"g2j", "--to"},
        {"g2j", "--bogus"},
        {"year", "5342"},
        {"year", "10762"},
        {"year", "57x0"},
        {"year"},
    };
    for (const auto& words : bad) {
        const Result r = RunWords(words);
        EXPECT_EQ(r.status, 2) << (words.empty() ? "" : words[0]);
        EXPECT_TRUE(r.out.empty());
        if (!words.empty()) {
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
    }
}

TEST(Cli, HelpListsTheCommands) {
    const Result r = RunWords({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("g2j"), std::string::npos);
    EXPECT_NE(r.out.find("year J"), std::string::npos);
}

}  // namespace
}  // namespace qavo::cli
