#include "holidays/holiday_rules.hpp"

#include <gtest/gtest.h>

#include <set>

#include "engine/calendar_tables.hpp"
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

    // The short name of a Gregorian date, in the cell of its weekday.
    std::string NameOn(int year, int month, int day) {
        engine.GYear = year;
        engine.TargetGMonth = month;
        engine.TargetGDay = day;
        EXPECT_TRUE(engine.GregorianToJewish());
        return HolidayShortName(engine, CellOf(GregorianWeekday(year, month, day)) + 14);
    }
};

TEST_F(HolidayRules, ShortNamesOfKnownDays) {
    struct Case {
        int year, month, day;
        const char* name;
    };
    const Case cases[] = {
        {2008, 9, 29, ""},  // 29 Elul 5768
        {2008, 9, 30, "Rosh Hash"},
        {2008, 10, 1, ""},  // 2 Tishri
        {2008, 10, 9, "Yom Kippur"},
        {2008, 10, 14, "Succoth"},
        {2008, 10, 15, "Succoth"},
        {2008, 10, 16, ""},
        {2008, 10, 21, "Sh'mini Atz"},
        {2008, 10, 22, "Simchat Tor"},
        {2008, 11, 1, ""},  // Heshvan
        {2008, 12, 22, "Hanukkah"},
        {2008, 12, 27, "Hanukkah"},  // 30 Kislev of a Normal year
        {2008, 12, 29, "Hanukkah"},  // 2 Tevet
        {2008, 12, 30, ""},          // 3 Tevet of a Normal year
        {2008, 1, 22, "Tu B'Shevat"},
        {2008, 2, 20, ""},  // 14 Adar I of a leap year
        {2008, 3, 21, "Purim"},
        {2009, 3, 10, "Purim"},
        {2008, 4, 20, "Passover"},
        {2008, 4, 27, "Passover"},
        {2008, 4, 28, ""},
        {2008, 5, 2, "Y'Hashoah"},
        {2008, 5, 8, "Y'Haatzmaut"},  // 3 Iyar, Thursday: 5 Iyar is a Saturday
        {2008, 5, 9, ""},
        {2008, 5, 10, ""},
        {2019, 5, 9, "Y'Haatzmaut"},  // 4 Iyar, Thursday: 5 Iyar is a Friday
        {2019, 5, 10, ""},
        {2009, 4, 29, "Y'Haatzmaut"},  // 5 Iyar on a Wednesday
        {2004, 4, 26, "Y'Haatzmaut"},  // 5 Iyar on a Monday is kept
        {2008, 5, 23, "Lag B'Omer"},
        {2008, 6, 9, "Shavuot"},
        {2008, 6, 10, "Shavuot"},
        {2008, 6, 11, ""},
        {2008, 8, 10, "Tisha B'Av"},  // 9 Av on a Sunday
        {2008, 8, 11, ""},
        {2019, 8, 10, ""},  // 9 Av on a Saturday
        {2019, 8, 11, "Tisha B'Av"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameOn(c.year, c.month, c.day), c.name)
            << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST_F(HolidayRules, HanukkahLastsEightDaysInEveryYearType) {
    std::set<int> typesSeen;
    for (int jYear = kFirstJewishYear; typesSeen.size() < 6; ++jYear) {
        SetJewishDay(engine, jYear, 3, 24);
        if (!typesSeen.insert(engine.YearType).second) {
            continue;
        }
        EXPECT_EQ(HolidayShortName(engine, 1), "") << jYear;
        Integer month = 3;
        Integer day = 25;
        for (int n = 1; n <= 9; ++n) {
            engine.JMonth = month;
            engine.JDay = day;
            EXPECT_EQ(HolidayShortName(engine, 1), n <= 8 ? "Hanukkah" : "")
                << jYear << " type " << engine.YearType << " day " << n;
            engine.NextJewishDay(month, day);
        }
        // The eighth day is 3 Tevet exactly when Kislev has 29 days.
        engine.JMonth = 4;
        engine.JDay = 3;
        EXPECT_EQ(HolidayShortName(engine, 1) == "Hanukkah", JMonthLen(3, engine.YearType) == 29);
    }
}

TEST_F(HolidayRules, PurimFallsInTheLastAdar) {
    for (int jYear : {5768, 5769, 5784, 5785}) {
        const bool leap = Engine::IsJewishLeap(jYear);
        SetJewishDay(engine, jYear, 6, 14);
        EXPECT_EQ(HolidayShortName(engine, 1), leap ? "" : "Purim") << jYear;
        if (leap) {
            SetJewishDay(engine, jYear, 7, 14);
            EXPECT_EQ(HolidayShortName(engine, 1), "Purim") << jYear;
        }
    }
}

// 5 Iyar can fall on Monday, Wednesday, Friday or Saturday; the day named
// is 5 Iyar itself, or the Thursday before a Friday or Saturday, and none
// before 1949. The list and the yearly placement agree with the page.
TEST_F(HolidayRules, YomHaatzmautForEachWeekdayOfFiveIyar) {
    std::set<int> weekdaysBefore, weekdaysAfter;
    for (int jYear = 5660; jYear <= 5800; ++jYear) {
        const int weekday = SetJewishDay(engine, jYear, 9, 5).weekday;
        const int gYear = engine.GYear;
        const bool kept = gYear >= 1949;
        (kept ? weekdaysAfter : weekdaysBefore).insert(weekday);
        int namedDay = 0;
        switch (weekday) {
            case 1:
            case 3:
                namedDay = 5;
                break;
            case 5:
                namedDay = 4;
                break;
            case 6:
                namedDay = 3;
                break;
            default:
                ADD_FAILURE() << "5 Iyar " << jYear << " on weekday " << weekday;
        }
        for (int day = 1; day <= 8; ++day) {
            const int dayWeekday = (weekday + day - 5 + 7) % 7;
            engine.JDay = day;
            const bool named = kept && day == namedDay;
            EXPECT_EQ(HolidayShortName(engine, CellOf(dayWeekday) + 28), named ? "Y'Haatzmaut" : "")
                << jYear << " Iyar " << day;
            std::string row = "untouched";
            EXPECT_EQ(FindHoliday(engine, 9, day, dayWeekday, row), named) << jYear << " " << day;
            EXPECT_EQ(row, named ? "Yom Haatzmaut  Iyar  " + std::to_string(day) : "untouched");
        }
        engine.GYear = jYear - kJewishYearOffset;
        const HolidayPlacement place = PlaceHoliday(engine, 11);
        EXPECT_EQ(place.listed, kept) << jYear;
        if (kept) {
            const PlacedDay named = SetJewishDay(engine, jYear, 9, namedDay);
            EXPECT_EQ(place.year, named.year);
            EXPECT_EQ(place.month, named.month);
            EXPECT_EQ(place.day, named.day);
            EXPECT_EQ(place.weekday, named.weekday);
            EXPECT_EQ(place.row, namedDay == 5   ? "Yom Haatzmaut Iyar  5,"
                                 : namedDay == 4 ? "Yom Haatzmaut Iyar  4,"
                                                 : "Yom Haatzmaut Iyar  3,");
        }
    }
    EXPECT_EQ(weekdaysBefore, (std::set<int>{1, 3, 5, 6}));
    EXPECT_EQ(weekdaysAfter, (std::set<int>{1, 3, 5, 6}));
}

// 9 Av on a Saturday moves to Sunday 10 Av in all three pieces.
TEST_F(HolidayRules, TishaBAvLeavesTheSabbath) {
    int saturdays = 0;
    for (int jYear = 5760; jYear <= 5800; ++jYear) {
        const int weekday = SetJewishDay(engine, jYear, 12, 9).weekday;
        const bool moved = weekday == kSaturday;
        saturdays += moved ? 1 : 0;
        EXPECT_EQ(HolidayShortName(engine, CellOf(weekday)), moved ? "" : "Tisha B'Av");
        engine.JDay = 10;
        EXPECT_EQ(HolidayShortName(engine, CellOf((weekday + 1) % 7)), moved ? "Tisha B'Av" : "");
        std::string row;
        EXPECT_EQ(FindHoliday(engine, 12, 9, weekday, row), !moved);
        EXPECT_EQ(FindHoliday(engine, 12, 10, (weekday + 1) % 7, row), moved);
        EXPECT_EQ(row, moved ? "Tisha B''Av  Av  10" : "Tisha B''Av  Av  9");

        engine.GYear = jYear - kJewishYearOffset;
        const HolidayPlacement place = PlaceHoliday(engine, 14);
        const PlacedDay kept = SetJewishDay(engine, jYear, 12, moved ? 10 : 9);
        EXPECT_TRUE(place.listed);
        EXPECT_EQ(place.row, moved ? "Tisha B'Av      Av 10," : "Tisha B'Av      Av  9,");
        EXPECT_EQ(place.day, kept.day);
        EXPECT_EQ(place.weekday, moved ? 0 : weekday);
    }
    EXPECT_GT(saturdays, 0);
}

TEST_F(HolidayRules, YomHashoahFrom1951) {
    for (int jYear : {5710, 5711}) {
        const PlacedDay day = SetJewishDay(engine, jYear, 8, 27);
        const bool kept = day.year >= 1951;
        EXPECT_EQ(day.year, jYear == 5710 ? 1950 : 1951);
        EXPECT_EQ(HolidayShortName(engine, CellOf(day.weekday)), kept ? "Y'Hashoah" : "");
        std::string row;
        EXPECT_EQ(FindHoliday(engine, 8, 27, day.weekday, row), kept);
        EXPECT_EQ(row, kept ? "Yom Hashoah    Nis 27," : "");
        engine.GYear = jYear - kJewishYearOffset;
        EXPECT_EQ(PlaceHoliday(engine, 10).listed, kept);
    }
}

TEST_F(HolidayRules, FindHolidayNamesOnlyTheTableDay) {
    struct Case {
        int jYear, month, day, weekday;
        const char* row;  // nullptr: no holiday
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
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
