#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "engine/engine.hpp"
#include "tests/support/calendar_facts.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

class JewishYear : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};
};

// The moladot of the worked examples; the sweep below checks their new years.
TEST_F(JewishYear, MoladsOfTheWorkedExamples) {
    const std::pair<int, MoladTime> cases[] = {
        {5760, {5, 15, 44, 9}},   // Friday afternoon: the old molad postpones to Saturday
        {5786, {1, 12, 10, 7}},   // Monday afternoon: postponed to Tuesday
        {5785, {4, 3, 21, 13}}};  // Thursday morning: kept
    for (const auto& [year, molad] : cases) {
        engine.ComputeYearType(year);
        EXPECT_EQ(engine.Molad, molad) << year;
    }
}

// Every new year against the published arithmetic: its date, its weekday and
// the year's type from its length.
TEST_F(JewishYear, EveryNewYearAgreesWithThePublishedArithmetic) {
    for (int year = kFirstJewishYear; year <= kLastEngineJewishYear; ++year) {
        const GregorianDate expected = testing::NewYearOf(year);
        GregorianDate found{static_cast<Integer>(year - kJewishYearOffset)};
        ASSERT_TRUE(engine.NewYearGregorianDate(year, found.day, found.month));
        ASSERT_EQ(
            std::tuple(found, engine.NewYearWeekday, engine.YearType),
            std::tuple(expected, testing::Weekday(expected.year, expected.month, expected.day),
                       testing::YearTypeOf(year)))
            << year;
    }
}

// Outside the years the anchors reach nothing changes.
TEST_F(JewishYear, TheRangeOfTheAnchorTableIsChecked) {
    Integer day = 7, month = 7;
    EXPECT_FALSE(engine.NewYearGregorianDate(5342, day, month));
    EXPECT_FALSE(engine.NewYearGregorianDate(kLastWalkableJewishYear + 1, day, month));
    EXPECT_EQ(std::tuple(day, month), std::tuple(7, 7));
    EXPECT_TRUE(engine.NewYearGregorianDate(kLastWalkableJewishYear, day, month));
    engine.JYear = 5342;
    EXPECT_FALSE(engine.AdvanceNewYearDate());
}

TEST(Postponements, ThresholdsOfTheFourRules) {
    // Years chosen for their leap pattern: 5782 is leap, 5783 common after a
    // leap year, 5786 common after a common year.
    const struct {
        bool leapYear;       // the year itself
        bool afterLeapYear;  // the year before it
        MoladTime molad;
        Integer weekday;
    } cases[] = {
        {false, false, {2, 3, 11, 6}, 4},  // Tuesday rule: at the threshold
        {false, false, {2, 3, 11, 5}, 2},  // one part before it
        {false, true, {1, 9, 32, 13}, 2},  // Monday rule after a leap year
        {false, true, {1, 9, 32, 12}, 1},
        {false, false, {1, 9, 32, 13}, 1},   // no Monday rule after a common year
        {true, false, {2, 3, 11, 6}, 2},     // no Tuesday rule in a leap year
        {false, false, {4, 11, 59, 17}, 4},  // just before noon
        {false, false, {4, 12, 0, 0}, 6},    // noon: old molad, Friday is skipped too
        {false, false, {6, 12, 0, 0}, 1},    // Saturday noon: Sunday is skipped
        {false, false, {0, 1, 0, 0}, 1},     // never on Sunday
        {false, false, {3, 1, 0, 0}, 4},     // nor on Wednesday
    };
    testing::FakePlatform platform;
    Engine engine(platform);
    for (const auto& c : cases) {
        const int year = c.leapYear ? 5782 : c.afterLeapYear ? 5783 : 5786;
        ASSERT_EQ(Engine::IsJewishLeap(year), c.leapYear);
        ASSERT_EQ(Engine::IsJewishLeap(year - 1), c.afterLeapYear);
        engine.Molad = c.molad;
        engine.RunPostponements(year);
        EXPECT_EQ(engine.NewYearWeekday, c.weekday)
            << c.molad.Day << ' ' << c.molad.Hour << ':' << c.molad.Minute << '/' << c.molad.Part;
    }
}

}  // namespace
}  // namespace qavo
