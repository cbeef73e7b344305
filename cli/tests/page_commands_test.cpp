#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo::cli {
namespace {

struct Output {
    int status;
    std::string out;
    std::string err;
};

// Today is Thursday 3 October 2024, 1 Tishri 5785.
Output RunMonth(std::vector<std::string> words) {
    testing::FakePlatform platform({2024, 10, 3});
    std::ostringstream out, err;
    words.insert(words.begin(), "month");
    const int status = Run(words, out, err, platform);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(MonthCommand, CellsGiveOneLinePerCell) {
    const Output r = RunMonth({"2024", "4", "--cells"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(lines[0], "1\t\t");
    EXPECT_EQ(lines[1], "2\t 1\tAdar II 22 | ");
    EXPECT_EQ(lines[9], "10\t 9\tNisan 1 | ");
    EXPECT_EQ(lines[23], "24\t 23\tNisan 15 | Passover");
    EXPECT_EQ(lines[30], "31\t 30\tNisan 22 | Passover");
    EXPECT_EQ(lines[31], "32\t\t");
    EXPECT_EQ(lines[41], "42\t\t");
}

TEST(MonthCommand, GridShowsTheWeeksAndMarksToday) {
    const Output r = RunMonth({"2024", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "October 2024   Jewish year 5784");
    EXPECT_EQ(lines[2],
              "Sun         Mon         Tue         Wed         Thu         Fri         Sat");
    // 1 October 2024 was a Tuesday, 28 Elul; 3 October is today, Rosh Hashanah.
    EXPECT_EQ(lines[4],
              "                        1           2           3 *         4           5");
    EXPECT_EQ(lines[5],
              "                        Elul 28     Elul 29     Tishri 1    Tishri 2    Tishri 3");
    EXPECT_EQ(lines[6], "                                                Rosh Hash");
    // Five weeks of three lines, each after an empty line.
    EXPECT_EQ(lines.size(), 3u + 5u * 4u);
}

TEST(MonthCommand, BadInputIsRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"2024"},
        {"1582", "12"},
        {"7001", "1"},
        {"2024", "0"},
        {"2024", "13"},
        {"2024", "4", "5"},
        {"2024", "4", "--grid"},
        {"20x4", "4"},
    };
    for (const auto& words : bad) {
        const Output r = RunMonth(words);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

}  // namespace
}  // namespace qavo::cli
