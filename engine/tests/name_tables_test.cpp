#include <gtest/gtest.h>

#include <string>

#include "engine/name_tables.hpp"

namespace qavo {
namespace {

TEST(NameTables, PaddedTexts) {
    EXPECT_EQ(GMonthName(5), "May      ");
    EXPECT_EQ(HolidayDef(6), "Hanukkah       Kis 25,");
    EXPECT_EQ(YearTypeName(6), "Full-Leap      ");
    EXPECT_EQ(JLeapMonthName(7), "Adar II   ");
    EXPECT_EQ(JMonthName(7), "Nisan     ");
    EXPECT_EQ(DayName(0), "Sun");
    EXPECT_EQ(NL, "\r\n");
}

TEST(NameTables, HolidayRowsAgreeWithTheirNumbers) {
    for (int i = 1; i <= kHolidayCount; ++i) {
        const std::string_view row = HolidayDef(i);
        ASSERT_EQ(row.size(), 22u);
        EXPECT_EQ(row[13], ' ');
        EXPECT_EQ(row[21], ',');
        EXPECT_EQ(std::stoi(std::string(row.substr(18, 3))), HolidayDay(i)) << row;
        const std::string_view monthName =
            JLeapMonthName(HolidayMonth(i) == 7 ? 6 : HolidayMonth(i));
        const std::string_view abbr = row.substr(14, 4);
        const std::size_t start = abbr.find_first_not_of(' ');
        EXPECT_TRUE(monthName.starts_with(abbr.substr(start))) << row;
    }
}

}  // namespace
}  // namespace qavo
