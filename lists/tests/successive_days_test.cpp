#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "lists/successive_days.hpp"
#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

const std::string kRule(44, '=');

struct SuccessiveDaysTest : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(InitReadings(schedule, platform));
        cities.CityTable[0] = DefaultCity();
        platform.calls.clear();
    }
    std::optional<std::string> List(GregorianDate start, int days, SuccessiveDaysMode mode,
                                    const HolidayOptions& options = {}) {
        engine.GYear = start.year;
        engine.TargetGMonth = start.month;
        engine.TargetGDay = start.day;
        engine.SuccDayCount = static_cast<Integer>(days);
        return SuccessiveDaysText(engine, cities, schedule, mode, options);
    }
    GregorianDate EngineDate() const {
        return {engine.GYear, engine.TargetGMonth, engine.TargetGDay};
    }
    testing::FakePlatform platform;
    Engine engine{platform};
    CityDatabase cities;
    ReadingSchedule schedule;
};

TEST_F(SuccessiveDaysTest, SunsetTimesAcrossTheNewYearWithHolidayRows) {
    // 1 Tishri 5785 is Thursday 3 October 2024. The times come from the
    // almanac formula worked in double precision, three minutes taken off,
    // one hour added for daylight time.
    cities.DaylightMode = "Daylight";
    EXPECT_EQ(List({2024, 10, 1}, 4, SuccessiveDaysMode::SunsetTimes),
              "Holidays begin the evening before the indicated days.\r\n"
              "Sunset is Daylight Time in New York.\r\n"
              "Candles are lit 18 minutes earlier.\r\n" +
                  kRule +
                  "\r\n"
                  "October   01, 2024 Tue, Elul    28, 5784,  6:34pm \r\n"
                  "October   02, 2024 Wed, Elul    29, 5784,  6:32pm \r\n"
                  "Erev RoshHash Elul 29,\r\n"
                  "October   03, 2024 Thu, Tishri  01, 5785,  6:30pm \r\n"
                  "Rosh Hashanah Tish  1,\r\n"
                  "October   04, 2024 Fri, Tishri  02, 5785,  6:29pm \r\n");
    EXPECT_EQ(EngineDate(), (GregorianDate{2024, 10, 5}));
    EXPECT_EQ(engine.JYear, 5785);
    EXPECT_EQ(engine.YearType, 3);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
}

TEST_F(SuccessiveDaysTest, InAutoEachDayIsOnItsOwnClockAndTheHeadingNamesTheZone) {
    // The United States went to daylight saving time on Sunday 9 March 2025;
    // the standard times of these days are 5:52pm and 5:53pm.
    cities.DaylightMode = "Auto    ";
    cities.CityTable[0].TimeZone = "America/New_York";
    EXPECT_EQ(List({2025, 3, 8}, 2, SuccessiveDaysMode::SunsetTimes),
              "Holidays begin the evening before the indicated days.\r\n"
              "Sunset is local clock time in New York (America/New_York), daylight saving time "
              "included.\r\n"
              "Candles are lit 18 minutes earlier.\r\n" +
                  kRule +
                  "\r\n"
                  "March     08, 2025 Sat, Adar    08, 5785,  5:52pm \r\n"
                  "March     09, 2025 Sun, Adar    09, 5785,  6:53pm \r\n");
}

// With all holidays a day lists every row it carries: 2 Tishri 5785 is the
// second day of Rosh Hashanah, 14 Nisan 5784 (22 April 2024) the eve of
// Passover and the fast of the firstborn.
TEST_F(SuccessiveDaysTest, AllHolidaysListEachRowOfADay) {
    HolidayOptions all;
    all.holidays = HolidaySet::All;
    const std::string days = *List({2024, 10, 4}, 1, SuccessiveDaysMode::SunsetTimes, all) +
                             *List({2024, 4, 22}, 1, SuccessiveDaysMode::SunsetTimes, all);
    EXPECT_NE(days.find("pm \r\nRosh Hashanah Tish  2,\r\nHoliday"), std::string::npos) << days;
    EXPECT_NE(days.find("pm \r\nErev Pesach    Nis 14,\r\nTaanit Bechor  Nis 14,\r\n"),
              std::string::npos)
        << days;
}

TEST_F(SuccessiveDaysTest, TheSaturdaysReadingsAcrossTheNewYearEachOfItsOwnYear) {
    // From Sunday 22 September 2024, three weeks. 5784 begins on Saturday and
    // has 383 days (25 Elul is its day 378); 5785 begins on Thursday and has
    // 355 days, and Yom Kippur, its day 9, is Saturday 12 October.
    EXPECT_EQ(
        List({2024, 9, 22}, 21, SuccessiveDaysMode::Readings),
        "Sabbath Torah and Haftarah readings\r\n" + kRule + "\r\n" +
            "September 28, 2024 Sat, Elul    25, 5784\r\n" + SabbathReadings(schedule, 6, 4, 378) +
            "October   05, 2024 Sat, Tishri  03, 5785\r\n" + SabbathReadings(schedule, 4, 3, 2) +
            "October   12, 2024 Sat, Tishri  10, 5785\r\n" + SabbathReadings(schedule, 4, 3, 9));
    EXPECT_NE(SabbathReadings(schedule, 6, 4, 378), SabbathReadings(schedule, 4, 3, 2));
    EXPECT_EQ(List({2024, 9, 29}, 6, SuccessiveDaysMode::Readings),
              "Sabbath Torah and Haftarah readings\r\n" + kRule + "\r\n");  // no Saturday
}

// A list run past the last day the engine reaches stops with the pointer restored.
TEST_F(SuccessiveDaysTest, AListPastTheCalendarsEndThrowsWithTheNormalPointer) {
    EXPECT_THROW(List({7238, 12, 30}, 3, SuccessiveDaysMode::SunsetTimes), std::out_of_range);
    EXPECT_FALSE(platform.busy);
}

// The page after a list: a list to 31 December 7000 leaves the date on 1
// January 7001, whose month no page shows; December 7000 is shown instead.
TEST_F(SuccessiveDaysTest, ThePageAfterAListStaysWithinTheCalendar) {
    ASSERT_TRUE(List({7000, 12, 25}, 7, SuccessiveDaysMode::SunsetTimes).has_value());
    EXPECT_EQ(EngineDate(), (GregorianDate{7001, 1, 1}));
    EXPECT_TRUE(TargetMonthAfterList(engine));
    EXPECT_EQ(std::tuple(engine.GYear, engine.TargetGMonth), std::tuple(7000, 12));
    // A year left by the prompt's spin outside the range: no page.
    const std::tuple<int, int, bool> cases[] = {
        {2008, 5, true}, {1583, 1, true}, {1582, 12, false}, {2008, 13, false}};
    for (const auto& [year, month, shown] : cases) {
        engine.GYear = static_cast<Integer>(year);
        engine.TargetGMonth = static_cast<Integer>(month);
        EXPECT_EQ(TargetMonthAfterList(engine), shown) << year << '-' << month;
        EXPECT_EQ(std::tuple(engine.GYear, engine.TargetGMonth), std::tuple(year, month));
    }
}

TEST_F(SuccessiveDaysTest, TextsBeyondThirtyThousandCharactersAreRefused) {
    for (const auto mode : {SuccessiveDaysMode::SunsetTimes, SuccessiveDaysMode::Readings}) {
        platform.messages.clear();
        EXPECT_EQ(List({2024, 1, 1}, 5000, mode), std::nullopt);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "The text is too long. Try again with fewer entries.");
        EXPECT_EQ(platform.messages[0].title, "Too long");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
        EXPECT_FALSE(platform.busy);
        // The walk stopped on the day whose text crossed the limit: one day
        // fewer fits, and comes close to it.
        const GregorianDate stop = EngineDate();
        const int walked =
            GregorianDayNumber(stop.year, stop.month, stop.day) - GregorianDayNumber(2024, 1, 1);
        ASSERT_GT(walked, 100);
        ASSERT_LT(walked, 5000);
        EXPECT_EQ(List({2024, 1, 1}, walked, mode), std::nullopt);
        const auto fits = List({2024, 1, 1}, walked - 1, mode);
        ASSERT_TRUE(fits.has_value());
        EXPECT_LE(fits->size(), kMaxListCharacters);
        EXPECT_GT(fits->size(), kMaxListCharacters - 400);
    }
}

}  // namespace
}  // namespace qavo
