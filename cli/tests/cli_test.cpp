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

TEST(Cli, PrintsTheReadingsOfTheWeek) {
    // 28 December 2024 is the third day of Hanukkah, the first Sabbath of the feast.
    const std::string hanukkah =
        "Torah reading: Mi-Kez, Gen 41:1-44:17\r\n"
        " and: Hanukkah 3, Num 7:24-35\r\n"
        "Prophets: I Kings 3:15-4:1\r\n"
        " Replaced by: Sab1 Hanukkah, Zech 2:14-4:7\r\n"
        "\r\n";
    EXPECT_EQ(RunWords({"readings", "2024-12-28"}).out, hanukkah);
    EXPECT_EQ(RunWords({"readings", "2024-12-22"}).out, hanukkah);  // the Sunday before
    // Tuesday 1 October 2024 is 28 Elul 5784; its week's Sabbath is Shabbat
    // Shuva of 5785, which began on Thursday 3 October.
    EXPECT_EQ(RunWords({"readings", "2024-10-01"}).out,
              "Torah reading: Ha'azinu, Deut 32:1-52\r\n"
              "Prophets: II Sam 22:1-51\r\n"
              " Replaced by: Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva\r\n"
              "\r\n");
    // Today, from the platform: 3 October 2024, Rosh Hashanah; its Sabbath is the same.
    EXPECT_EQ(RunWords({"readings"}).out, RunWords({"readings", "2024-10-05"}).out);
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
        {"readings", "2023-02-29"},
        {"readings", "1582-12-31"},
        {"readings", "2024-12-28", "2024-12-29"},
        {"readings", "--week"},
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
    EXPECT_NE(r.out.find("readings [YYYY-MM-DD]"), std::string::npos);
}

}  // namespace
}  // namespace qavo::cli
