#include <gtest/gtest.h>

#include <sstream>

#include "cli/tests/run_cli.hpp"

namespace qavo::cli {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(MonthCommand, CellsGiveOneLinePerCell) {
    const CliResult r = RunCli({"month", "2024", "4", "--cells"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(lines[0], "1\t\t");
    EXPECT_EQ(lines[1], "2\t 1\tAdar II 22 | ");
    EXPECT_EQ(lines[23], "24\t 23\tNisan 15 | Passover");
    EXPECT_EQ(lines[41], "42\t\t");
}

TEST(MonthCommand, GridShowsTheWeeksAndMarksToday) {
    const CliResult r = RunCli({"month", "2024", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u + 5u * 4u);  // five weeks of three lines after an empty line
    EXPECT_EQ(lines[0], "October 2024   Jewish year 5784");
    EXPECT_EQ(lines[2],
              "Sun         Mon         Tue         Wed         Thu         Fri         Sat");
    // 1 October 2024 was a Tuesday, 28 Elul; 3 October is today, Rosh Hashanah.
    EXPECT_EQ(lines[4],
              "                        1           2           3 *         4           5");
    EXPECT_EQ(lines[5],
              "                        Elul 28     Elul 29     Tishri 1    Tishri 2    Tishri 3");
    EXPECT_EQ(lines[6], "                                                Rosh Hash");
}

}  // namespace
}  // namespace qavo::cli
