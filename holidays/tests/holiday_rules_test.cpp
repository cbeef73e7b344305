#include "holidays/holiday_rules.hpp"

#include <gtest/gtest.h>

#include <set>

#include "holidays/tests/jewish_day.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::CellOf;
using testing::PlacedDay;
using testing::SetJewishDay;

class HolidayRules : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};

    // The short name of a Jewish date, in the cell of its weekday.
    std::string NameOn(int jYear, int month, int day) {
        return HolidayShortName(engine,
                                CellOf(SetJewishDay(engine, jYear, month, day).weekday) + 14);
    }
};

// The festivals whose days do not depend on the weekday; 5769 is a common
// year, 5768 a leap year.
TEST_F(HolidayRules, ShortNamesOfTheFixedDays) {
    const struct {
        int jYear, month, day;
        const char* name;
    } cases[] = {
        {5769, 1, 1, "Rosh Hash"},
        {5769, 1, 2, ""},
        {5769, 1, 10, "Yom Kippur"},
        {5769, 1, 15, "Succoth"},
        {5769, 1, 16, "Succoth"},
        {5769, 1, 17, ""},
        {5769, 1, 22, "Sh'mini Atz"},
        {5769, 1, 23, "Simchat Tor"},
        {5769, 2, 1, ""},
        {5769, 5, 15, "Tu B'Shevat"},
        {5769, 6, 14, "Purim"},
        {5768, 6, 14, ""},  // Adar I of a leap year
        {5768, 7, 14, "Purim"},
        {5769, 8, 14, ""},
        {5769, 8, 15, "Passover"},
        {5769, 8, 22, "Passover"},
        {5769, 8, 23, ""},
        {5769, 9, 18, "Lag B'Omer"},
        {5769, 10, 6, "Shavuot"},
        {5769, 10, 7, "Shavuot"},
        {5769, 10, 8, ""},
        {5769, 11, 17, ""},
        {5769, 13, 29, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameOn(c.jYear, c.month, c.day), c.name)
            << c.jYear << ' ' << c.month << ' ' << c.day;
    }
}

// Eight days from 25 Kislev, whether Kislev has 29 days or 30.
TEST_F(HolidayRules, HanukkahLastsEightDaysInEveryYearType) {
    std::set<int> typesSeen;
    for (int jYear = kFirstJewishYear; typesSeen.size() < 6; ++jYear) {
        SetJewishDay(engine, jYear, 3, 24);
        if (!typesSeen.insert(engine.YearType).second) {
            continue;
        }
        EXPECT_EQ(HolidayShortName(engine, 1), "") << jYear;
        Integer month = 3, day = 25;
        for (int n = 1; n <= 9; ++n) {
            engine.JMonth = month;
            engine.JDay = day;
            EXPECT_EQ(HolidayShortName(engine, 1), n <= 8 ? "Hanukkah" : "")
                << jYear << " type " << engine.YearType << " day " << n;
            engine.NextJewishDay(month, day);
        }
    }
}

// Yom Haatzmaut (from 1949) is kept on the Thursday before when 5 Iyar falls
// on Friday or Saturday; Tisha B'Av moves from Saturday to Sunday; Yom
// Hashoah (from 1951) never moves. The month page, the successive-days list
// and the yearly lists must name the same day.
TEST_F(HolidayRules, KeptHolidaysMoveOffTheirWeekdaysInAllThreePieces) {
    const struct {
        int month, tableDay, firstGregorianYear, fridayMove, saturdayMove;
        const char* shortName;
        const char* listPrefix;  // followed by the day; nullptr: the table row
        const char* tableRow;
    } holidays[] = {
        {9, 5, 1949, -1, -2, "Y'Haatzmaut", "Yom Haatzmaut  Iyar ", "Yom Haatzmaut Iyar  5,"},
        {12, 9, 0, 0, 1, "Tisha B'Av", "Tisha B''Av  Av ", "Tisha B'Av      Av  9,"},
        {8, 27, 1951, 0, 0, "Y'Hashoah", nullptr, "Yom Hashoah    Nis 27,"},
    };
    for (const auto& h : holidays) {
        std::set<int> moves;
        std::set<bool> keptSeen;
        for (int jYear = 5700; jYear <= 5800; ++jYear) {
            const PlacedDay table = SetJewishDay(engine, jYear, h.month, h.tableDay);
            const bool kept = table.year >= h.firstGregorianYear;
            const int move = table.weekday == 5   ? h.fridayMove
                             : table.weekday == 6 ? h.saturdayMove
                                                  : 0;
            const int keptDay = h.tableDay + move;
            moves.insert(move);
            keptSeen.insert(kept);
            for (int day = h.tableDay - 3; day <= h.tableDay + 2; ++day) {
                const PlacedDay placed = SetJewishDay(engine, jYear, h.month, day);
                const bool named = kept && day == keptDay;
                SCOPED_TRACE(std::to_string(jYear) + " " + h.shortName + " " + std::to_string(day));
                EXPECT_EQ(HolidayShortName(engine, CellOf(placed.weekday) + 7),
                          named ? h.shortName : "");
                std::string row = "untouched";
                EXPECT_EQ(FindHoliday(engine, h.month, day, placed.weekday, row), named);
                const std::string listRow =
                    h.listPrefix ? h.listPrefix + (" " + std::to_string(day)) : h.tableRow;
                EXPECT_EQ(row, named ? listRow : "untouched");
            }
            const PlacedDay keptOn = SetJewishDay(engine, jYear, h.month, keptDay);
            engine.GYear = jYear - kJewishYearOffset;
            const HolidayPlacement place = PlaceHoliday(engine, h.month == 9    ? 11
                                                                : h.month == 12 ? 14
                                                                                : 10);
            EXPECT_EQ(place.listed, kept) << jYear;
            if (kept) {
                // The day in columns 19 to 21 of the row, the comma in 22.
                const std::string day = std::to_string(keptDay);
                EXPECT_EQ(place.row,
                          std::string(h.tableRow).substr(0, 21 - day.size()) + day + ",");
                EXPECT_EQ(std::tuple(place.year, place.month, place.day, place.weekday),
                          std::tuple(keptOn.year, keptOn.month, keptOn.day, keptOn.weekday))
                    << jYear;
            }
        }
        EXPECT_EQ(moves.size(), h.fridayMove != 0     ? 3u
                                : h.saturdayMove != 0 ? 2u
                                                      : 1u)
            << h.shortName;
        EXPECT_EQ(keptSeen.size(), h.firstGregorianYear > 0 ? 2u : 1u) << h.shortName;
    }
}

TEST_F(HolidayRules, FindHolidayNamesOnlyTheTableDay) {
    const struct {
        int jYear, month, day, weekday;
        const char* row;  // nullptr: no holiday
    } cases[] = {
        {5769, 1, 1, 2, "Rosh Hashanah Tish  1,"},
        {5769, 1, 2, 3, nullptr},
        {5769, 1, 10, 4, "Yom Kippur    Tish 10,"},
        {5769, 1, 16, 3, nullptr},
        {5769, 1, 23, 3, "Simchat Torah Tish 23,"},
        {5769, 3, 25, 1, "Hanukkah       Kis 25,"},
        {5769, 3, 26, 2, nullptr},
        {5769, 5, 15, 5, "Tu B'Shevat   Shev 15,"},
        {5769, 6, 14, 2, "Purim       Adar  14"},  // a common year
        {5768, 6, 14, 3, nullptr},                 // Adar I of a leap year
        {5768, 7, 14, 5, "Purim         Adar 14,"},
        {5768, 8, 15, 0, "Passover       Nis 15,"},
        {5768, 8, 16, 1, nullptr},
        {5768, 9, 18, 5, "Lag B'Omer    Iyar 18,"},
        {5768, 10, 6, 1, "Shavuot        Siv  6,"},
        {5768, 10, 7, 2, nullptr},
        {5768, 13, 29, 1, "Erev RoshHash Elul 29,"},
        {5768, 2, 15, 1, nullptr},
    };
    for (const auto& c : cases) {
        engine.JYear = c.jYear;
        engine.GYear = 2008;
        std::string row = "untouched";
        EXPECT_EQ(FindHoliday(engine, c.month, c.day, c.weekday, row), c.row != nullptr)
            << c.jYear << " " << c.month << " " << c.day;
        EXPECT_EQ(row, c.row != nullptr ? c.row : "untouched");
    }
}

}  // namespace
}  // namespace qavo
