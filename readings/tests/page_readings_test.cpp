#include <gtest/gtest.h>

#include "engine/calendar_tables.hpp"
#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

class PageReadingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(InitReadings(schedule, platform)); }

    // Converts a Gregorian date; the engine then describes its Jewish year.
    void Convert(int year, int month, int day) {
        engine.GYear = static_cast<Integer>(year);
        engine.TargetGMonth = static_cast<Integer>(month);
        engine.TargetGDay = static_cast<Integer>(day);
        ASSERT_TRUE(engine.GregorianToJewish());
    }
    // The readings of a day as the successive-days list finds them: with the
    // information of the day's own Jewish year.
    std::string OwnYearReadings(int year, int month, int day) {
        Convert(year, month, day);
        return SabbathReadings(schedule, engine.NewYearWeekday, engine.YearType,
                               engine.DaysFromNewYear(engine.JMonth, engine.JDay));
    }
    // Row `row` of the page of a Gregorian month.
    std::string PageReadings(int year, int month, int row) {
        Convert(year, month, 1);
        return PageSabbathReadings(schedule, engine, row, engine.JYear, engine.JMonth, engine.JDay);
    }

    testing::FakePlatform platform;
    Engine engine{platform};
    ReadingSchedule schedule;
};

const std::string kShuvaWithHaazinu =
    "Torah reading: Ha'azinu, Deut 32:1-52\r\n"
    "Prophets: II Sam 22:1-51\r\n"
    " Replaced by: Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva\r\n"
    "\r\n";

TEST_F(PageReadingsTest, AWeekThatBeginsInElulReachesIntoTheNewYear) {
    // 1 October 2024 is 28 Elul 5784 (a Saturday year of 383 days); 5785
    // begins on Thursday 3 October, so Saturday 5 October is Shabbat Shuva
    // with Ha'azinu, found through the old year's further entry.
    EXPECT_EQ(PageReadings(2024, 10, 1), kShuvaWithHaazinu);
    EXPECT_EQ(OwnYearReadings(2024, 10, 5), kShuvaWithHaazinu);
    // Row 2 steps from Elul into Tishri and takes the new year's information:
    // Saturday 12 October 2024 is Yom Kippur.
    EXPECT_EQ(PageReadings(2024, 10, 2),
              "Torah reading: Yom Kippur, Lev 16:1-34, Num 29:7-11\r\n"
              "Prophets: Yom Kippur, Isa 57:14-58:14\r\n\r\n");
    // 5778 began on Thursday 21 September 2017.
    EXPECT_EQ(OwnYearReadings(2017, 9, 23), kShuvaWithHaazinu);
}

TEST_F(PageReadingsTest, LeavesTheEngineAsItWas) {
    Convert(2024, 10, 1);
    const Engine before = engine;
    PageSabbathReadings(schedule, engine, 3, engine.JYear, engine.JMonth, engine.JDay);
    EXPECT_EQ(engine.JYear, before.JYear);
    EXPECT_EQ(engine.YearType, before.YearType);
    EXPECT_EQ(engine.NewYearWeekday, before.NewYearWeekday);
    EXPECT_THROW(PageSabbathReadings(schedule, engine, 0, 5785, 1, 1), std::out_of_range);
    EXPECT_THROW(PageSabbathReadings(schedule, engine, 7, 5785, 1, 1), std::out_of_range);
}

// Every Saturday shown on a page gets from the page the readings the
// successive-days list gives it.
TEST_F(PageReadingsTest, AgreesWithTheDaysOwnYearOnEveryShownSaturday) {
    int elulPages = 0;
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            Convert(year, month, 1);
            const int firstJYear = engine.JYear;
            const int firstJMonth = engine.JMonth;
            const int firstJDay = engine.JDay;
            elulPages += firstJMonth == 13 ? 1 : 0;
            const int firstWeekday = GregorianWeekday(year, month, 1);
            const int length = GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
            for (int row = 1; row <= 6; ++row) {
                const int saturday = 1 + 7 * (row - 1) + (6 - firstWeekday);
                if (saturday > length) {
                    break;
                }
                Convert(year, month, 1);
                const std::string page =
                    PageSabbathReadings(schedule, engine, row, firstJYear, firstJMonth, firstJDay);
                EXPECT_EQ(page, OwnYearReadings(year, month, saturday))
                    << year << '-' << month << '-' << saturday;
            }
        }
    }
    EXPECT_GT(elulPages, 50);
}

}  // namespace
}  // namespace qavo
