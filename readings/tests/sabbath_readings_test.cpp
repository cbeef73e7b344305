#include <gtest/gtest.h>

#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

class SabbathReadingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(InitReadings(schedule, platform)); }
    testing::FakePlatform platform;
    ReadingSchedule schedule;
};

// Every part of a code on both planes, and a plain Sabbath; the calendar
// agreement checks the schedule's content.
TEST_F(SabbathReadingsTest, WorkedExamples) {
    // Tuesday, 354 days: the Sabbath of 30 Kislev is day 30+29+29.
    EXPECT_EQ(SabbathReadings(schedule, 2, 2, 88),
              "Torah reading: Mi-Kez, Gen 41:1-44:17\r\n"
              " and: Rosh Hodesh, Num 28:9-15\r\n"
              " Also: Hanukkah 6, Num 7:42-53\r\n"
              "Prophets: I Kings 3:15-4:1\r\n"
              " Replaced by: Sab1 Hanukkah, Zech 2:14-4:7\r\n"
              " Also: RH, add Isa 66:1 & 24, Sam 20:18 & 42\r\n"
              "\r\n");
    // A plain Sabbath: three lines. Monday, 353 days: Sabbath 4 is Bereshit.
    EXPECT_EQ(SabbathReadings(schedule, 1, 1, 26),
              "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
}

TEST_F(SabbathReadingsTest, AnImpossibleYearShapeGivesTheFirstReadingsAndNoDayIsOutside) {
    // Any weekday and type that no year has, out of range too, reads pattern 15.
    for (auto [weekday, type] :
         {std::pair{0, 1}, {3, 2}, {5, 6}, {1, 2}, {6, 5}, {7, 1}, {-1, 3}}) {
        EXPECT_EQ(SabbathReadings(schedule, weekday, type, 100),
                  "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
    }
    // A day outside the year is a caller's fault, and so is a reading outside the tables.
    EXPECT_THROW(SabbathReadings(schedule, 1, 1, -8), std::out_of_range);
    EXPECT_THROW(SabbathReadings(schedule, 6, 6, 385), std::out_of_range);
    EXPECT_THROW(TorahReading(0), std::out_of_range);
    EXPECT_THROW(HaftarahReading(81), std::out_of_range);
}

// The readings of a page's Saturday, which may lie in the next Jewish year,
// are those of the day's own year.
TEST_F(SabbathReadingsTest, PageAgreesWithTheDaysOwnYearOnEveryShownSaturday) {
    Engine engine{platform};
    const auto convert = [&](int year, int month, int day) {
        engine.GYear = static_cast<Integer>(year);
        engine.TargetGMonth = static_cast<Integer>(month);
        engine.TargetGDay = static_cast<Integer>(day);
        EXPECT_TRUE(engine.GregorianToJewish());
    };
    int elulPages = 0;
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            convert(year, month, 1);
            const Engine first = engine;
            elulPages += first.JMonth == 13 ? 1 : 0;
            const int saturday = 7 - GregorianWeekday(year, month, 1);
            for (int row = 1;
                 row <= 6 && IsValidGregorianDate(year, month, saturday + 7 * (row - 1)); ++row) {
                const std::string page = PageSabbathReadings(schedule, first, row, first.JYear,
                                                             first.JMonth, first.JDay);
                convert(year, month, saturday + 7 * (row - 1));
                EXPECT_EQ(page, SabbathReadings(schedule, engine.NewYearWeekday, engine.YearType,
                                                engine.DaysFromNewYear(engine.JMonth, engine.JDay)))
                    << year << '-' << month << " row " << row;
            }
        }
    }
    EXPECT_GT(elulPages, 50);
    EXPECT_THROW(PageSabbathReadings(schedule, engine, 0, 5785, 1, 1), std::out_of_range);
    EXPECT_THROW(PageSabbathReadings(schedule, engine, 7, 5785, 1, 1), std::out_of_range);
}

}  // namespace
}  // namespace qavo
