#include "holidays/holiday_rules.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

struct PlacedDay {
    Integer year = 0, month = 0, day = 0, weekday = 0;  // weekday 0 = Sunday
};

class HolidayRules : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};

    // Puts the engine on a Jewish date as the month page does, with GYear the
    // Gregorian year of that day; gives the Gregorian date and weekday.
    PlacedDay SetJewishDay(int jYear, int jMonth, int jDay) {
        engine.JYear = jYear;
        engine.GYear = jYear - kJewishYearOffset;
        EXPECT_TRUE(engine.NewYearGregorianDate(jYear, engine.NewYearGDay, engine.NewYearGMonth));
        PlacedDay placed;
        engine.OffsetToGregorian(engine.DaysFromNewYear(jMonth, jDay), placed.year, placed.month,
                                 placed.day, placed.weekday);
        engine.JMonth = jMonth;
        engine.JDay = jDay;
        engine.GYear = placed.year;
        return placed;
    }
    // The short name in the cell of the weekday (0 = Sunday) in the page's third row.
    std::string ShortName(int weekday) { return HolidayShortName(engine, weekday + 15); }
};

// The days that do not depend on the weekday, as the month page names them
// and as the successive-days list does (only the table day of a festival).
// 5769 is a Normal common year (Kislev of 30 days), 5768 Deficient-Leap.
TEST_F(HolidayRules, FixedDaysOnThePageAndInTheList) {
    struct Case {
        int jYear, month, day;
        const char* name;
        const char* row;  // "": not in the list
    };
    std::vector<Case> cases = {
        {5769, 1, 1, "Rosh Hash", "Rosh Hashanah Tish  1,"},
        {5769, 1, 10, "Yom Kippur", "Yom Kippur    Tish 10,"},
        {5769, 1, 15, "Succoth", "Succoth       Tish 15,"},
        {5769, 1, 16, "Succoth", ""},
        {5769, 1, 22, "Sh'mini Atz", "Sh'mini Atz   Tish 22,"},
        {5769, 1, 23, "Simchat Tor", "Simchat Torah Tish 23,"},
        {5769, 3, 25, "Hanukkah", "Hanukkah       Kis 25,"},
        {5769, 3, 30, "Hanukkah", ""},
        {5769, 4, 2, "Hanukkah", ""},
        {5768, 4, 3, "Hanukkah", ""},
        {5769, 5, 15, "Tu B'Shevat", "Tu B'Shevat   Shev 15,"},
        {5769, 6, 14, "Purim", "Purim       Adar  14"},
        {5768, 7, 14, "Purim", "Purim         Adar 14,"},
        {5769, 8, 15, "Passover", "Passover       Nis 15,"},
        {5769, 8, 22, "Passover", ""},
        {5769, 9, 18, "Lag B'Omer", "Lag B'Omer    Iyar 18,"},
        {5769, 10, 6, "Shavuot", "Shavuot        Siv  6,"},
        {5769, 10, 7, "Shavuot", ""},
        {5769, 13, 29, "", "Erev RoshHash Elul 29,"},
    };
    const std::tuple<int, int, int> plainDays[] = {
        {5769, 1, 2},  {5769, 1, 17}, {5769, 2, 15}, {5769, 3, 24}, {5769, 4, 3},  {5768, 4, 4},
        {5768, 6, 14}, {5769, 8, 14}, {5769, 8, 23}, {5769, 10, 8}, {5769, 11, 17}};
    for (auto [jYear, month, day] : plainDays) {
        cases.push_back({jYear, month, day, "", ""});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.jYear << ' ' << c.month << ' ' << c.day);
        const int weekday = SetJewishDay(c.jYear, c.month, c.day).weekday;
        EXPECT_EQ(ShortName(weekday), c.name);
        std::string row = "untouched";
        EXPECT_EQ(FindHoliday(engine, c.month, c.day, weekday, row), *c.row != '\0');
        EXPECT_EQ(row, *c.row != '\0' ? c.row : "untouched");
    }
}

// Israel keeps one day of each pilgrim festival, and Simchat Torah on
// Sh'mini Atzeret; the other days are as in the diaspora.
TEST_F(HolidayRules, IsraelKeepsOneFestivalDay) {
    const HolidayOptions israel{Schedule::Israel};
    const struct {
        int month, day;
        const char* name;
        const char* row;  // "": not in the list
    } cases[] = {
        {1, 15, "Succoth", "Succoth       Tish 15,"},
        {1, 16, "", ""},
        {1, 22, "Sh'mini Atz", "Sh'mini Atz   Tish 22,"},
        {1, 23, "", ""},
        {8, 21, "Passover", ""},
        {8, 22, "", ""},
        {10, 6, "Shavuot", "Shavuot        Siv  6,"},
        {10, 7, "", ""},
        {3, 25, "Hanukkah", "Hanukkah       Kis 25,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.month << ' ' << c.day);
        const int weekday = SetJewishDay(5785, c.month, c.day).weekday;
        EXPECT_EQ(HolidayShortName(engine, weekday + 15, israel), c.name);
        std::string row = "untouched";
        EXPECT_EQ(FindHoliday(engine, c.month, c.day, weekday, row, israel), *c.row != '\0');
        EXPECT_EQ(row, *c.row != '\0' ? c.row : "untouched");
    }
}

// With all holidays the page names the added days, and where two share a
// day it shows the more important: 5784's 14 Nisan (22 April 2024) is the
// eve of Passover and the fast of the firstborn.
TEST_F(HolidayRules, ThePageShowsTheMoreImportantOfTwoDays) {
    HolidayOptions all;
    all.holidays = HolidaySet::All;
    const struct {
        int month, day;
        const char* name;
    } cases[] = {
        {1, 2, "Rosh Hash"},    {8, 14, "Erev Pesach"}, {3, 30, "Hanukkah"}, {4, 1, "Hanukkah"},
        {4, 10, "Asara Tevet"}, {9, 28, "Y'Yerushlym"}, {12, 15, "Tu B'Av"}, {1, 16, "Succoth"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.month << ' ' << c.day);
        const int weekday = SetJewishDay(5784, c.month, c.day).weekday;
        EXPECT_EQ(HolidayShortName(engine, weekday + 15, all), c.name);
    }
}

// Yom Haatzmaut (from 1949) is kept on the Thursday before when 5 Iyar falls
// on Friday or Saturday, and from 2004 on the Tuesday after a Monday; Tisha
// B'Av moves from Saturday to Sunday; Yom Hashoah (from 1951) moves from a
// Friday to the Thursday and from a Sunday to the Monday. The month page and
// the successive-days list name the same day; the report sweep checks the
// yearly lists.
TEST_F(HolidayRules, KeptHolidaysMoveOffTheirWeekdays) {
    const struct {
        int month, tableDay, firstGregorianYear;
        int moveBy[7];  // by the table day's weekday, 0 = Sunday
        int mondayMoveFrom;
        const char* shortName;
        const char* listPrefix;  // followed by the day; nullptr: the table row
        const char* tableRow;
    } holidays[] = {
        {9,
         5,
         1949,
         {0, 1, 0, 0, 0, -1, -2},
         2004,
         "Y'Haatzmaut",
         "Yom Haatzmaut  Iyar ",
         "Yom Haatzmaut Iyar  5,"},
        {12,
         9,
         0,
         {0, 0, 0, 0, 0, 0, 1},
         0,
         "Tisha B'Av",
         "Tisha B''Av  Av ",
         "Tisha B'Av      Av  9,"},
        {8, 27, 1951, {1, 0, 0, 0, 0, -1, 0}, 0, "Y'Hashoah", nullptr, "Yom Hashoah    Nis 27,"},
    };
    for (const auto& h : holidays) {
        for (int jYear = 5700; jYear <= 5800; ++jYear) {
            const PlacedDay table = SetJewishDay(jYear, h.month, h.tableDay);
            const bool kept = table.year >= h.firstGregorianYear;
            const bool mondayMoves = table.year >= h.mondayMoveFrom;
            const int move = table.weekday == 1 && !mondayMoves ? 0 : h.moveBy[table.weekday];
            const int keptDay = h.tableDay + move;
            for (int day = h.tableDay - 3; day <= h.tableDay + 2; ++day) {
                const PlacedDay placed = SetJewishDay(jYear, h.month, day);
                const bool named = kept && day == keptDay;
                SCOPED_TRACE(std::to_string(jYear) + " " + h.shortName + " " + std::to_string(day));
                EXPECT_EQ(ShortName(placed.weekday), named ? h.shortName : "");
                std::string row = "untouched";
                EXPECT_EQ(FindHoliday(engine, h.month, day, placed.weekday, row), named);
                std::string listRow = h.tableRow;
                if (h.listPrefix) {
                    listRow = h.listPrefix + (" " + std::to_string(day));
                } else {
                    listRow.replace(20, 1, std::to_string(day % 10));  // "Nis 26,"
                }
                EXPECT_EQ(row, named ? listRow : "untouched");
            }
        }
    }
}

}  // namespace
}  // namespace qavo
