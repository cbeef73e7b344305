#include <gtest/gtest.h>

#include "engine/engine.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

struct NextDayCase {
    GregorianDate from;
    GregorianDate to;
    Integer leapIndex;
};

TEST(Gregorian, NextGregorianDayCrossesMonthsYearsAndLeapDays) {
    const NextDayCase cases[] = {
        {{1900, 2, 28}, {1900, 3, 1}, 0},  {{2000, 2, 28}, {2000, 2, 29}, 1},
        {{2000, 2, 29}, {2000, 3, 1}, 1},  {{1999, 12, 31}, {2000, 1, 1}, 0},
        {{2024, 12, 31}, {2025, 1, 1}, 1}, {{2023, 4, 30}, {2023, 5, 1}, 0},
        {{2100, 2, 28}, {2100, 3, 1}, 0},  {{7000, 12, 30}, {7000, 12, 31}, 0},
    };
    testing::FakePlatform platform;
    Engine engine(platform);
    for (const auto& c : cases) {
        GregorianDate d = c.from;
        engine.NextGregorianDay(d.year, d.month, d.day);
        EXPECT_EQ(d, c.to) << c.from.year << '-' << c.from.month << '-' << c.from.day;
        EXPECT_EQ(engine.GLeapIndex, c.leapIndex);
    }
}

TEST(Gregorian, LeapRuleAndWeekdays) {
    EXPECT_FALSE(Engine::IsGregorianLeap(1900));
    EXPECT_TRUE(Engine::IsGregorianLeap(2000));
    EXPECT_TRUE(Engine::IsGregorianLeap(2024));
    EXPECT_FALSE(Engine::IsGregorianLeap(2100));
    EXPECT_EQ(GregorianWeekday(2024, 2, 29), 4);  // Thursday
    EXPECT_EQ(GregorianWeekday(1583, 1, 1), 6);   // Saturday
    EXPECT_EQ(GregorianWeekday(2000, 1, 1), 6);
    EXPECT_EQ(GregorianDayNumber(2000, 3, 1) - GregorianDayNumber(2000, 2, 28), 2);
}

TEST(Gregorian, DateValidity) {
    EXPECT_TRUE(IsValidGregorianDate(2024, 2, 29));
    EXPECT_FALSE(IsValidGregorianDate(2023, 2, 29));
    EXPECT_FALSE(IsValidGregorianDate(1582, 12, 31));
    EXPECT_TRUE(IsValidGregorianDate(1583, 1, 1));
    EXPECT_FALSE(IsValidGregorianDate(2024, 13, 1));
    EXPECT_FALSE(IsValidGregorianDate(2024, 4, 31));
    EXPECT_FALSE(IsValidGregorianDate(2024, 1, 0));
}

TEST(Gregorian, TargetAndTodayCompareAllThreeFields) {
    testing::FakePlatform platform;
    Engine engine(platform);
    engine.GYear = 2024;
    engine.TargetGMonth = 2;
    engine.TargetGDay = 29;
    EXPECT_TRUE(engine.IsTargetDate(2024, 2, 29));
    EXPECT_FALSE(engine.IsTargetDate(2023, 2, 29));
    EXPECT_FALSE(engine.IsTargetDate(2024, 3, 29));
    engine.TodayGYear = 2026;
    engine.TodayGMonth = 12;
    engine.TodayGDay = 6;
    EXPECT_TRUE(engine.IsToday(2026, 12, 6));
    EXPECT_FALSE(engine.IsToday(2025, 12, 6));
}

TEST(Gregorian, NumberKeyFilter) {
    for (int key = 0; key < 256; ++key) {
        const bool expected =
            key == 8 || key == 13 || key == '+' || key == '-' || (key >= '0' && key <= '9');
        EXPECT_EQ(IsNumberKey(key), expected) << key;
    }
}

}  // namespace
}  // namespace qavo
