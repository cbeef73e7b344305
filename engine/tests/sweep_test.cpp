// Every day from 1 January 1583 to 31 December 7000.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"
#include "tests/support/calendar_facts.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

TEST(Sweep, EveryDayFollowsTheDayBeforeRoundTripsAndHasItsWeekday) {
    testing::FakePlatform platform;
    Engine engine(platform), back(platform);
    GregorianDate day{1583, 1, 1};
    Integer expectedYear = 0, expectedMonth = 0, expectedDay = 0;
    long days = 0;
    for (;;) {
        testing::SetTarget(engine, day);
        ASSERT_TRUE(engine.GregorianToJewish()) << day.year << '-' << day.month << '-' << day.day;
        const int weekday =
            (engine.NewYearWeekday + engine.DaysFromNewYear(engine.JMonth, engine.JDay)) % 7;
        if (days > 0) {
            ASSERT_EQ(std::tuple(engine.JYear, engine.JMonth, engine.JDay),
                      std::tuple(expectedYear, expectedMonth, expectedDay))
                << day.year << '-' << day.month << '-' << day.day;
        }
        ASSERT_EQ(weekday, testing::Weekday(day.year, day.month, day.day));

        // Back to the Gregorian calendar from the Jewish date as it is shown.
        back.JYear = engine.JYear;
        back.GYear = engine.JYear - kJewishYearOffset;
        ASSERT_TRUE(back.NewYearGregorianDate(back.JYear, back.NewYearGDay, back.NewYearGMonth));
        back.JMonthShown = engine.JMonthShown;
        back.DisplayToInternalMonth();
        GregorianDate found;
        Integer foundWeekday = 0;
        back.OffsetToGregorian(back.DaysFromNewYear(back.JMonth, engine.JDay), found.year,
                               found.month, found.day, foundWeekday);
        ASSERT_EQ(found, day);
        ASSERT_EQ(foundWeekday, weekday);

        // The Jewish day after this one, crossing Elul into the next year.
        expectedMonth = engine.JMonth;
        expectedDay = engine.JDay;
        engine.NextJewishDay(expectedMonth, expectedDay);
        expectedYear = engine.JYear + (expectedMonth == 1 && expectedDay == 1 ? 1 : 0);
        ++days;
        if (day == GregorianDate{7000, 12, 31}) {
            break;
        }
        engine.NextGregorianDay(day.year, day.month, day.day);
    }
    EXPECT_EQ(days, 1978884);  // 1 January 1583 to 31 December 7000
}

}  // namespace
}  // namespace qavo
