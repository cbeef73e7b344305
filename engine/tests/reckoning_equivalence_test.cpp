// The engine's arithmetic must leave exactly the state the literal stepping
// reckoning leaves, with the state carried from call to call as the program
// carries it. A stepped conversion late in the range costs half a
// millisecond, so every day is checked in two halves: the new years of every
// year against the stepping, and the month arithmetic of every day against the
// day walk; a stride of days is checked against the stepping as a whole.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/engine.hpp"
#include "engine/tests/stepping_reckoning.hpp"
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

// Converts every stride-th day from 1583 to 7000 with the engine and with
// `reckon`, carrying each engine's state on, and compares every member.
template <typename Reckon>
void CompareDays(Reckon reckon, int stride) {
    testing::FakePlatform platform;
    Engine fast(platform), other(platform);
    GregorianDate day{1583, 1, 1};
    for (int n = 0;; ++n) {
        if (n % stride == 0) {
            testing::SetTarget(fast, day);
            testing::SetTarget(other, day);
            ASSERT_TRUE(fast.GregorianToJewish());
            reckon(other);
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
    const auto newYear = [](Engine& e, int y, Integer& d, Integer& m) {
        ASSERT_TRUE(e.NewYearGregorianDate(y, d, m));
    };
    CompareDays([&](Engine& e) { testing::WalkedGregorianToJewish(e, newYear); }, 1);
}

TEST(ReckoningEquivalence, EveryHundredAndFirstDayMatchesTheStepping) {
    CompareDays(testing::SteppedGregorianToJewish, 101);
}

// Year by year as the anniversaries advance, and each year found afresh after
// the year before it and after a year far away: the postponement probe is the
// one value a new year may leave untouched.
TEST(ReckoningEquivalence, EveryNewYearMatchesTheSteppingWhateverCameBefore) {
    testing::FakePlatform platform;
    Engine fast(platform), stepping(platform);
    Engine fastAfresh(platform), steppingAfresh(platform);
    fast.JYear = stepping.JYear = kFirstJewishYear;
    ASSERT_TRUE(fast.NewYearGregorianDate(fast.JYear, fast.NewYearGDay, fast.NewYearGMonth));
    testing::SteppedNewYear(stepping, stepping.JYear, stepping.NewYearGDay, stepping.NewYearGMonth);
    for (int year = kFirstJewishYear + 1; year <= kLastWalkableJewishYear; ++year) {
        ++fast.JYear;
        ++stepping.JYear;
        ASSERT_TRUE(fast.AdvanceNewYearDate());
        testing::SteppedPass(stepping, stepping.JYear, stepping.NewYearGDay,
                             stepping.NewYearGMonth);
        ASSERT_TRUE(StateOf(fast) == StateOf(stepping)) << year;
        for (int before : {year - 1, year < 8000 ? 10000 : 5400}) {
            for (int y : {before, year}) {
                ASSERT_TRUE(fastAfresh.NewYearGregorianDate(y, fastAfresh.NewYearGDay,
                                                            fastAfresh.NewYearGMonth));
                testing::SteppedNewYear(steppingAfresh, y, steppingAfresh.NewYearGDay,
                                        steppingAfresh.NewYearGMonth);
            }
            ASSERT_TRUE(StateOf(fastAfresh) == StateOf(steppingAfresh))
                << year << " after " << before;
        }
    }
}

}  // namespace
}  // namespace qavo
