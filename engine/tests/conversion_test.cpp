#include <gtest/gtest.h>

#include "engine/engine.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

void SetTarget(Engine& engine, const GregorianDate& date) {
    engine.GYear = date.year;
    engine.TargetGMonth = date.month;
    engine.TargetGDay = date.day;
}

TEST(Conversion, GregorianToJewishWorkedExamples) {
    const struct {
        GregorianDate date;
        Integer jYear, jMonth, jDay, jMonthShown, newYearGYear;
    } cases[] = {
        {{1999, 9, 11}, 5760, 1, 1, 1, 1999},
        {{1999, 9, 10}, 5759, 13, 29, 12, 1998},  // before the new year: the previous year
        {{2024, 10, 3}, 5785, 1, 1, 1, 2024},     // a new year in October
        {{2024, 10, 2}, 5784, 13, 29, 13, 2023},
        {{1583, 1, 1}, 5343, 4, 7, 4, 1582},      // the first supported date
        {{7000, 12, 31}, 10761, 3, 15, 3, 7000},  // the last
        {{2024, 2, 29}, 5784, 6, 20, 6, 2023},    // first Adar of a leap year
        {{2024, 3, 11}, 5784, 7, 1, 7, 2023},     // 1 Adar II
        {{2025, 4, 13}, 5785, 8, 15, 7, 2024},    // Passover of a common year
    };
    testing::FakePlatform platform;
    for (Reckoning reckoning : {Reckoning::Fast, Reckoning::Stepping}) {
        Engine engine(platform, reckoning);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.date.year) + "-" + std::to_string(c.date.month));
            SetTarget(engine, c.date);
            ASSERT_TRUE(engine.GregorianToJewish());
            EXPECT_EQ(engine.JYear, c.jYear);
            EXPECT_EQ(engine.ResultJYear, c.jYear);
            EXPECT_EQ(engine.JMonth, c.jMonth);
            EXPECT_EQ(engine.JDay, c.jDay);
            EXPECT_EQ(engine.JMonthShown, c.jMonthShown);
            EXPECT_EQ(engine.NewYearGYear, c.newYearGYear);
        }
    }
}

TEST(Conversion, DatesThatDoNotExistAreRefusedWithoutChange) {
    testing::FakePlatform platform;
    Engine engine(platform);
    for (const GregorianDate& date : {GregorianDate{1582, 12, 31},
                                      {2023, 2, 29},
                                      {2024, 13, 1},
                                      {2024, 0, 1},
                                      {2024, 6, 31},
                                      {7239, 1, 1}}) {
        engine.JYear = 1234;
        SetTarget(engine, date);
        EXPECT_FALSE(engine.GregorianToJewish()) << date.year << '-' << date.month;
        EXPECT_EQ(engine.JYear, 1234);
    }
}

TEST(Conversion, NextJewishDayAtMonthAndYearEnds) {
    const struct {
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
    testing::FakePlatform platform;
    Engine engine(platform);
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
        ASSERT_TRUE(engine.NewYearGregorianDate(5785, engine.NewYearGDay, engine.NewYearGMonth));
        engine.JYear = 5785;
        engine.NewYearGYear = 2024;
        Integer d = 0, m = 0, w = 0;
        SetTarget(engine, {2026, 1, 1});  // after the year's end: the walk would never meet it
        EXPECT_FALSE(engine.StepToGregorianDate(d, m, w));
        SetTarget(engine, {2024, 1, 1});  // before the new year
        EXPECT_FALSE(engine.StepToGregorianDate(d, m, w));
    }
}

}  // namespace
}  // namespace qavo
