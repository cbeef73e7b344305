#include <gtest/gtest.h>

#include "engine/engine.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

struct ToJewishCase {
    GregorianDate date;
    Integer jYear, jMonth, jDay, jMonthShown;
};

TEST(Conversion, GregorianToJewishWorkedExamples) {
    const ToJewishCase cases[] = {
        {{1999, 9, 11}, 5760, 1, 1, 1},
        {{1999, 9, 10}, 5759, 13, 29, 12},  // before the new year: the previous year
        {{2024, 10, 3}, 5785, 1, 1, 1},     // a new year in October
        {{2024, 10, 2}, 5784, 13, 29, 13},
        {{1583, 1, 1}, 5343, 4, 7, 4},      // the first supported date
        {{7000, 12, 31}, 10761, 3, 15, 3},  // the last
        {{2024, 2, 29}, 5784, 6, 20, 6},    // first Adar of a leap year
        {{2024, 3, 11}, 5784, 7, 1, 7},     // 1 Adar II
        {{2025, 4, 13}, 5785, 8, 15, 7},    // Passover of a common year
    };
    testing::FakePlatform platform;
    for (Reckoning reckoning : {Reckoning::Fast, Reckoning::Stepping}) {
        Engine engine(platform, reckoning);
        for (const auto& c : cases) {
            engine.GYear = c.date.year;
            engine.TargetGMonth = c.date.month;
            engine.TargetGDay = c.date.day;
            ASSERT_TRUE(engine.GregorianToJewish());
            EXPECT_EQ(engine.JYear, c.jYear) << c.date.year << '-' << c.date.month;
            EXPECT_EQ(engine.ResultJYear, c.jYear);
            EXPECT_EQ(engine.JMonth, c.jMonth) << c.date.year << '-' << c.date.month;
            EXPECT_EQ(engine.JDay, c.jDay) << c.date.year << '-' << c.date.month;
            EXPECT_EQ(engine.JMonthShown, c.jMonthShown) << c.date.year << '-' << c.date.month;
        }
    }
}

TEST(Conversion, Year5784IsDeficientLeap) {
    testing::FakePlatform platform;
    Engine engine(platform);
    engine.GYear = 2024;
    engine.TargetGMonth = 2;
    engine.TargetGDay = 29;
    ASSERT_TRUE(engine.GregorianToJewish());
    EXPECT_EQ(engine.YearType, 4);
    EXPECT_EQ(engine.NewYearGYear, 2023);
}

TEST(Conversion, DatesOutsideTheRangeAreRefusedWithoutChange) {
    testing::FakePlatform platform;
    Engine engine(platform);
    const GregorianDate bad[] = {{1582, 12, 31}, {2023, 2, 29}, {2024, 13, 1}, {2024, 0, 1},
                                 {2024, 6, 31},  {7239, 1, 1},  {-5, 1, 1}};
    for (const auto& d : bad) {
        engine.JYear = 1234;
        engine.GYear = d.year;
        engine.TargetGMonth = d.month;
        engine.TargetGDay = d.day;
        EXPECT_FALSE(engine.GregorianToJewish()) << d.year;
        EXPECT_EQ(engine.JYear, 1234);
    }
}

TEST(Conversion, JewishToGregorianThroughTheMonthArithmetic) {
    testing::FakePlatform platform;
    Engine engine(platform);
    struct Case {
        int jYear, shownMonth, day;
        Integer jMonth;
        GregorianDate date;
    } cases[] = {
        {5784, 8, 14, 8, {2024, 4, 22}},  // leap year: Nisan is shown 8th
        {5785, 7, 14, 8, {2025, 4, 12}},  // common year: Nisan is shown 7th
        {5784, 6, 30, 6, {2024, 3, 10}},   {5785, 1, 1, 1, {2024, 10, 3}},
        {5784, 13, 29, 13, {2024, 10, 2}},
    };
    for (const auto& c : cases) {
        engine.JYear = c.jYear;
        engine.GYear = c.jYear - kJewishYearOffset;
        ASSERT_TRUE(
            engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth));
        engine.JMonthShown = c.shownMonth;
        engine.DisplayToInternalMonth();
        EXPECT_EQ(engine.JMonth, c.jMonth);
        GregorianDate d;
        Integer weekday = -1;
        engine.OffsetToGregorian(engine.DaysFromNewYear(engine.JMonth, c.day), d.year, d.month,
                                 d.day, weekday);
        EXPECT_EQ(d, c.date) << c.jYear << ' ' << c.shownMonth << ' ' << c.day;
        EXPECT_EQ(weekday, GregorianWeekday(d.year, d.month, d.day));
    }
}

TEST(Conversion, OffsetToGregorianCountsTheLeapDay) {
    testing::FakePlatform platform;
    Engine engine(platform);
    engine.JYear = 5784;  // new year in the autumn of 2023
    engine.GYear = 2023;
    ASSERT_TRUE(engine.NewYearGregorianDate(5784, engine.NewYearGDay, engine.NewYearGMonth));
    GregorianDate d;
    Integer weekday = 0;
    const int toFeb29 = GregorianDayNumber(2024, 2, 29) - GregorianDayNumber(2023, 9, 16);
    engine.OffsetToGregorian(toFeb29, d.year, d.month, d.day, weekday);
    EXPECT_EQ(d, (GregorianDate{2024, 2, 29}));
    EXPECT_EQ(engine.DaysFromNewYear(7, 1), engine.DaysFromNewYear(6, 1) + 30);
}

TEST(Conversion, NextJewishDayAtMonthAndYearEnds) {
    testing::FakePlatform platform;
    Engine engine(platform);
    struct Case {
        int jYear, type;
        Integer month, day, nextMonth, nextDay;
    } cases[] = {
        {5785, 3, 6, 29, 8, 1},                            // 29 Adar of a common year: 1 Nisan
        {5784, 4, 6, 29, 6, 30},                           // a leap year's Adar has 30 days
        {5784, 4, 6, 30, 7, 1},                            // then Adar II
        {5784, 4, 7, 29, 8, 1},  {5785, 3, 13, 29, 1, 1},  // Elul 29: Tishri 1, the year unchanged
        {5784, 4, 3, 29, 4, 1},                            // Kislev of a deficient year has 29 days
        {5785, 3, 2, 29, 2, 30},                           // Heshvan of a full year has 30
    };
    for (const auto& c : cases) {
        engine.JYear = c.jYear;
        engine.YearType = c.type;
        Integer month = c.month, day = c.day;
        engine.NextJewishDay(month, day);
        EXPECT_EQ(month, c.nextMonth) << c.jYear << ' ' << c.month << ' ' << c.day;
        EXPECT_EQ(day, c.nextDay) << c.jYear << ' ' << c.month << ' ' << c.day;
        EXPECT_EQ(engine.JYear, c.jYear);
    }
}

TEST(Conversion, StepToGregorianDateRefusesATargetOutsideTheYear) {
    testing::FakePlatform platform;
    for (Reckoning reckoning : {Reckoning::Fast, Reckoning::Stepping}) {
        Engine engine(platform, reckoning);
        engine.JYear = 5785;
        ASSERT_TRUE(engine.NewYearGregorianDate(5785, engine.NewYearGDay, engine.NewYearGMonth));
        engine.NewYearGYear = 2024;
        engine.GYear = 2026;  // after the year's end: the walk would never meet it
        engine.TargetGMonth = 1;
        engine.TargetGDay = 1;
        Integer d = 0, m = 0, w = 0;
        EXPECT_FALSE(engine.StepToGregorianDate(d, m, w));
        engine.GYear = 2024;  // before the new year
        EXPECT_FALSE(engine.StepToGregorianDate(d, m, w));
    }
}

}  // namespace
}  // namespace qavo
