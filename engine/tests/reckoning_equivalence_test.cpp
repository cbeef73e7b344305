// The fast reckoning must leave exactly the state the stepping leaves, on
// every day of the range, with the state carried from day to day as the
// program carries it.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/engine.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

auto StateOf(const Engine& e) {
    return std::tuple(e.GYear, e.TargetGMonth, e.TargetGDay, e.GLeapIndex, e.Molad, e.MoladProbe,
                      e.Postpone, e.CyclePos, e.CommonsBefore, e.LeapsBefore, e.NewYearWeekday,
                      e.YearType, e.YearShift, e.RunningSeptDay, e.RunningShift, e.JYear,
                      e.NewYearGDay, e.NewYearGMonth, e.JDay, e.JMonth, e.JMonthShown,
                      e.ResultJYear, e.NewYearGYear, e.AfterNewYear);
}

void SetTarget(Engine& e, const GregorianDate& d) {
    e.GYear = d.year;
    e.TargetGMonth = d.month;
    e.TargetGDay = d.day;
}

TEST(ReckoningEquivalence, EveryDayLeavesTheSameState) {
    testing::FakePlatform platform;
    Engine fast(platform, Reckoning::Fast);
    Engine stepping(platform, Reckoning::Stepping);
    GregorianDate day{1583, 1, 1};
    for (;;) {
        SetTarget(fast, day);
        SetTarget(stepping, day);
        ASSERT_TRUE(fast.GregorianToJewish());
        ASSERT_TRUE(stepping.GregorianToJewish());
        ASSERT_TRUE(StateOf(fast) == StateOf(stepping))
            << day.year << '-' << day.month << '-' << day.day;
        if (day == GregorianDate{7000, 12, 31}) {
            break;
        }
        Integer y = day.year, m = day.month, d = day.day;
        stepping.NextGregorianDay(y, m, d);
        fast.NextGregorianDay(day.year, day.month, day.day);
    }
}

TEST(ReckoningEquivalence, AdvancingYearByYearLeavesTheSameState) {
    testing::FakePlatform platform;
    Engine fast(platform, Reckoning::Fast);
    Engine stepping(platform, Reckoning::Stepping);
    for (Engine* e : {&fast, &stepping}) {
        e->JYear = 5343;
        ASSERT_TRUE(e->NewYearGregorianDate(5343, e->NewYearGDay, e->NewYearGMonth));
    }
    while (fast.JYear < kLastWalkableJewishYear) {
        ++fast.JYear;
        ++stepping.JYear;
        ASSERT_TRUE(fast.AdvanceNewYearDate());
        ASSERT_TRUE(stepping.AdvanceNewYearDate());
        ASSERT_TRUE(StateOf(fast) == StateOf(stepping)) << fast.JYear;
    }
}

}  // namespace
}  // namespace qavo
