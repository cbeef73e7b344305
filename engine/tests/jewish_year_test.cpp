#include <gtest/gtest.h>

#include <tuple>

#include "engine/engine.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

class JewishYear : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};
};

TEST_F(JewishYear, NewYearsOfTheWorkedExamples) {
    const struct {
        int year;
        MoladTime molad;  // Day -1: neither it nor the type is checked
        Integer weekday, month, day, type;
    } cases[] = {
        {5760, {5, 15, 44, 9}, 6, 9, 11, 6},  // the old molad: Friday noon postpones to Saturday
        {5786, {1, 12, 10, 7}, 2, 9, 23, 2},  // postponed from Monday to Tuesday
        {5700, {-1}, 4, 9, 14, 0},            // an anchor year: one pass
        {5785, {4, 3, 21, 13}, 4, 10, 3, 3},  // a new year in October
        {10761, {-1}, 6, 10, 18, 0},          // the last year the engine reaches
        {10668, {-1}, 4, 10, 27, 0},          // the latest new year in range
        {5413, {-1}, 2, 9, 3, 0},             // the earliest
        {5343, {-1}, 1, 9, 27, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        Integer day = 0, month = 0;
        ASSERT_TRUE(engine.NewYearGregorianDate(c.year, day, month));
        EXPECT_EQ(std::tuple(month, day, engine.NewYearWeekday),
                  std::tuple(c.month, c.day, c.weekday));
        if (c.molad.Day >= 0) {
            EXPECT_EQ(std::tuple(engine.Molad, engine.YearType), std::tuple(c.molad, c.type));
        }
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
