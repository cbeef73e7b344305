#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "engine/engine.hpp"
#include "engine/number_text.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

TEST(Conversion, GregorianToJewishWorkedExamples) {
    const struct {
        GregorianDate date;
        Integer jYear, jMonth, jDay, jMonthShown, newYearGYear;
    } cases[] = {
        {{2024, 10, 3}, 5785, 1, 1, 1, 2024},     // a new year in October
        {{2024, 10, 2}, 5784, 13, 29, 13, 2023},  // before it: the previous year
        {{1583, 1, 1}, 5343, 4, 7, 4, 1582},      // the first supported date
        {{7000, 12, 31}, 10761, 3, 15, 3, 7000},  // the last
        {{2024, 2, 29}, 5784, 6, 20, 6, 2023},    // first Adar of a leap year
        {{2024, 3, 11}, 5784, 7, 1, 7, 2023},     // 1 Adar II
        {{2025, 4, 13}, 5785, 8, 15, 7, 2024},    // Passover of a common year
    };
    testing::FakePlatform platform;
    Engine engine(platform);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.date.year) + "-" + std::to_string(c.date.month));
        testing::SetTarget(engine, c.date);
        ASSERT_TRUE(engine.GregorianToJewish());
        EXPECT_EQ(std::tuple(engine.JYear, engine.ResultJYear, engine.JMonth, engine.JDay,
                             engine.JMonthShown, engine.NewYearGYear),
                  std::tuple(c.jYear, c.jYear, c.jMonth, c.jDay, c.jMonthShown, c.newYearGYear));
    }
}

// The years a user may enter; the dates that exist in the years the engine
// reaches, and the refusal of the others without change.
TEST(Conversion, YearRangeAndDatesThatDoNotExist) {
    const std::tuple<int, int, bool> edges[] = {
        {1582, 5342, false}, {1583, 5343, true}, {7000, 10761, true}, {7001, 10762, false}};
    for (auto [gYear, jYear, inside] : edges) {
        EXPECT_EQ(IsAcceptedGregorianYear(gYear), inside) << gYear;
        EXPECT_EQ(IsEngineJewishYear(jYear), inside) << jYear;
    }
    const std::pair<GregorianDate, bool> dates[] = {
        {{2024, 2, 29}, true}, {{2023, 2, 29}, false}, {{1582, 12, 31}, false},
        {{1583, 1, 1}, true},  {{2024, 13, 1}, false}, {{2024, 4, 31}, false},
        {{2024, 1, 0}, false}, {{7238, 12, 31}, true}, {{7239, 1, 1}, false}};
    testing::FakePlatform platform;
    Engine engine(platform);
    for (const auto& [date, valid] : dates) {
        EXPECT_EQ(IsValidGregorianDate(date.year, date.month, date.day), valid) << date.year;
        engine.JYear = 1234;
        testing::SetTarget(engine, date);
        if (!valid) {
            EXPECT_FALSE(engine.GregorianToJewish()) << date.year << '-' << date.month;
            EXPECT_EQ(engine.JYear, 1234);
        }
    }
}

// Before the new year or after the year's end the walk would never meet the target.
TEST(Conversion, StepToGregorianDateRefusesATargetOutsideTheYear) {
    testing::FakePlatform platform;
    Engine engine(platform);
    ASSERT_TRUE(engine.NewYearGregorianDate(5785, engine.NewYearGDay, engine.NewYearGMonth));
    engine.JYear = 5785;
    engine.NewYearGYear = 2024;
    for (const GregorianDate& target : {GregorianDate{2026, 1, 1}, {2024, 1, 1}}) {
        testing::SetTarget(engine, target);
        Integer d = 0, m = 0, w = 0;
        EXPECT_FALSE(engine.StepToGregorianDate(d, m, w)) << target.year;
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

// The leading number, rounded half to even, and the nearest 16-bit value
// with `fits` false when it lies beyond.
TEST(NumberText, ReadLeadingNumber) {
    const std::pair<const char*, int> fitting[] = {
        {"", 0},      {"  2024", 2024}, {"+12", 12},      {"-12", -12},       {"12abc", 12},
        {"abc", 0},   {"-", 0},         {"2.5", 2},       {"3.5", 4},         {"2.51", 3},
        {"-2.5", -2}, {"1e5", 1},       {"32767", 32767}, {"-32768", -32768},
    };
    for (auto [text, value] : fitting) {
        EXPECT_EQ(ReadLeadingNumber(text).value, value) << '"' << text << '"';
        EXPECT_TRUE(ReadLeadingNumber(text).fits) << '"' << text << '"';
    }
    const std::pair<const char*, int> beyond[] = {{"32768", 32767},
                                                  {"-99999", -32768},
                                                  {"32767.5", 32767},
                                                  {"-99999999999999999999", -32768}};
    for (auto [text, value] : beyond) {
        EXPECT_EQ(ReadLeadingNumber(text).value, value) << '"' << text << '"';
        EXPECT_FALSE(ReadLeadingNumber(text).fits) << '"' << text << '"';
    }
    EXPECT_EQ(ReadLeadingNumber(std::string_view("123", 2)).value, 12);  // the view ends the text
}

TEST(NumberText, ReadLeadingValueKeepsTheFraction) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},          {"abc", 0},      {"-", 0},           {".", 0},  {" 40.5", 40.5},
        {"-23.5", -23.5}, {"+.25x", 0.25}, {"-.5", -0.5},      {"7.", 7}, {"1.5.9", 1.5},
        {"12abc", 12},    {"1e5", 1},      {"\t-0.75", -0.75},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadLeadingValue(text), value) << '"' << text << '"';
    }
    // Beyond a double: too large to be any value in range, or too small to be other than 0.
    const std::string nines(400, '9');
    EXPECT_EQ(ReadLeadingValue(nines), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingValue("-" + nines + ".5"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingValue("0." + std::string(400, '0') + "1"), 0);
}

}  // namespace
}  // namespace qavo
