// The fast reckoning must leave exactly the state the stepping leaves, with
// the state carried from call to call as the program carries it. A literal
// stepping conversion late in the range costs half a millisecond, so every
// day is checked in two halves: the new years of every year against the
// stepping, and the month arithmetic of every day against the day walk; a
// stride of days is checked against the literal stepping as a whole.
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

// Converts every stride-th day from 1583 to 7000 with both engines, carrying
// each engine's state on, and compares every member after each conversion.
void CompareDays(Reckoning reckoning, int stride) {
    testing::FakePlatform platform;
    Engine fast(platform, Reckoning::Fast);
    Engine other(platform, reckoning);
    GregorianDate day{1583, 1, 1};
    for (int n = 0;; ++n) {
        if (n % stride == 0) {
            testing::SetTarget(fast, day);
            testing::SetTarget(other, day);
            ASSERT_TRUE(fast.GregorianToJewish());
            ASSERT_TRUE(other.GregorianToJewish());
            ASSERT_TRUE(StateOf(fast) == StateOf(other))
                << day.year << '-' << day.month << '-' << day.day;
        }
        if (day == GregorianDate{7000, 12, 31}) {
            break;
        }
        Integer y = day.year, m = day.month, d = day.day;
        other.NextGregorianDay(y, m, d);
        fast.NextGregorianDay(day.year, day.month, day.day);
    }
}

TEST(ReckoningEquivalence, MonthArithmeticMatchesTheDayWalkOnEveryDay) {
    CompareDays(Reckoning::WalkingDays, 1);
}

TEST(ReckoningEquivalence, EveryHundredAndFirstDayMatchesTheLiteralStepping) {
    CompareDays(Reckoning::Stepping, 101);
}

// Year by year as the anniversaries advance, and each year found afresh after
// the year before it and after a year far away: the postponement probe is the
// one value a new year may leave untouched.
TEST(ReckoningEquivalence, EveryNewYearMatchesTheSteppingWhateverCameBefore) {
    testing::FakePlatform platform;
    Engine fast(platform, Reckoning::Fast), stepping(platform, Reckoning::Stepping);
    Engine fastAfresh(platform, Reckoning::Fast), steppingAfresh(platform, Reckoning::Stepping);
    for (Engine* e : {&fast, &stepping}) {
        e->JYear = kFirstJewishYear;
        ASSERT_TRUE(e->NewYearGregorianDate(e->JYear, e->NewYearGDay, e->NewYearGMonth));
    }
    ASSERT_TRUE(StateOf(fast) == StateOf(stepping));
    for (int year = kFirstJewishYear + 1; year <= kLastWalkableJewishYear; ++year) {
        for (Engine* e : {&fast, &stepping}) {
            ++e->JYear;
            ASSERT_TRUE(e->AdvanceNewYearDate());
        }
        ASSERT_TRUE(StateOf(fast) == StateOf(stepping)) << year;
        for (int before : {year - 1, year < 8000 ? 10000 : 5400}) {
            for (Engine* e : {&fastAfresh, &steppingAfresh}) {
                ASSERT_TRUE(e->NewYearGregorianDate(before, e->NewYearGDay, e->NewYearGMonth));
                ASSERT_TRUE(e->NewYearGregorianDate(year, e->NewYearGDay, e->NewYearGMonth));
            }
            ASSERT_TRUE(StateOf(fastAfresh) == StateOf(steppingAfresh))
                << year << " after " << before;
        }
    }
}

}  // namespace
}  // namespace qavo
