#include <gtest/gtest.h>

#include "engine/engine.hpp"

namespace qavo {
namespace {

TEST(Gregorian, LeapRuleWeekdaysAndDayNumbers) {
    EXPECT_FALSE(Engine::IsGregorianLeap(1900));
    EXPECT_TRUE(Engine::IsGregorianLeap(2000));
    EXPECT_TRUE(Engine::IsGregorianLeap(2024));
    EXPECT_FALSE(Engine::IsGregorianLeap(2100));
    EXPECT_EQ(GregorianWeekday(2024, 2, 29), 4);  // Thursday
    EXPECT_EQ(GregorianWeekday(1583, 1, 1), 6);   // Saturday
    EXPECT_EQ(GregorianWeekday(2000, 1, 1), 6);
    EXPECT_EQ(GregorianDayNumber(2000, 3, 1) - GregorianDayNumber(2000, 2, 28), 2);
}

// The range of the years a user may enter, and the dates the engine converts.
TEST(Gregorian, YearRangeAndDateValidity) {
    for (auto [year, accepted] :
         {std::pair{1582, false}, {1583, true}, {7000, true}, {7001, false}}) {
        EXPECT_EQ(IsAcceptedGregorianYear(year), accepted) << year;
    }
    for (auto [year, reached] :
         {std::pair{5342, false}, {5343, true}, {10761, true}, {10762, false}}) {
        EXPECT_EQ(IsEngineJewishYear(year), reached) << year;
    }
    const struct {
        int year, month, day;
        bool valid;
    } dates[] = {
        {2024, 2, 29, true}, {2023, 2, 29, false}, {1582, 12, 31, false},
        {1583, 1, 1, true},  {2024, 13, 1, false}, {2024, 4, 31, false},
        {2024, 1, 0, false}, {7238, 12, 31, true}, {7239, 1, 1, false},
    };
    for (const auto& d : dates) {
        EXPECT_EQ(IsValidGregorianDate(d.year, d.month, d.day), d.valid)
            << d.year << '-' << d.month << '-' << d.day;
    }
}

TEST(Gregorian, NumberKeyFilter) {
    for (int key : std::initializer_list<int>{'0', '5', '9', 8, 13, '+', '-'}) {
        EXPECT_TRUE(IsNumberKey(key)) << key;
    }
    for (int key :
         std::initializer_list<int>{'/', ':', '.', ',', ' ', 'a', 'E', 9, 10, 27, 127, 0}) {
        EXPECT_FALSE(IsNumberKey(key)) << key;
    }
}

}  // namespace
}  // namespace qavo
