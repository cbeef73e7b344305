#pragma once
// The reckoning as the calendar was first worked out here: each molad summed
// year by year within its cycle, each new year walked year by year from its
// anchor, each date walked day by day from the new year. Slow and literal, it
// is what the engine's arithmetic must agree with, state and all.

#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"

namespace qavo::testing {

inline void SteppedNewYearWeekday(Engine& e, int year) {
    e.SetCyclePosition(year);
    MoladTime cycles;  // MoladCycle times the whole cycles, carried field by field
    const int n = (year - 1) / 19;
    int s = kMoladCycle.Part * n;
    cycles.Part = static_cast<Integer>(s % 18);
    s = kMoladCycle.Minute * n + s / 18;
    cycles.Minute = static_cast<Integer>(s % 60);
    s = kMoladCycle.Hour * n + s / 60;
    cycles.Hour = static_cast<Integer>(s % 24);
    cycles.Day = static_cast<Integer>((kMoladCycle.Day * n + s / 24) % 7);
    Engine::MoladAdd(kMoladEpoch, cycles, e.Molad);
    for (int i = 0; i < e.CommonsBefore + e.LeapsBefore; ++i) {
        Engine::MoladAdd(e.Molad, i < e.CommonsBefore ? kMoladCommonYear : kMoladLeapYear, e.Molad);
    }
    e.RunPostponements(year);
}

// One year of the walk: the new year of year from that of the year before.
inline void SteppedPass(Engine& e, int year, Integer& day, Integer& month) {
    SteppedNewYearWeekday(e, year + 1);
    const int next = e.NewYearWeekday;
    SteppedNewYearWeekday(e, year);
    const int d = (next - e.NewYearWeekday + 7) % 7;  // the year's length modulo 7
    constexpr int kCommon[7] = {0, 0, 0, 1, 2, 3, 0}, kLeap[7] = {6, 0, 0, 0, 0, 4, 5};
    e.YearType = static_cast<Integer>(Engine::IsJewishLeap(year) ? kLeap[d] : kCommon[d]);
    e.NewYearShiftOf(year);
    const int x = e.RunningSeptDay + e.RunningShift;
    day = static_cast<Integer>(x > 30 ? x - 30 : x);
    month = x > 30 ? 10 : 9;
    e.RunningShift = e.YearShift;
    e.RunningSeptDay = static_cast<Integer>(x);
}

inline void SteppedNewYear(Engine& e, int year, Integer& day, Integer& month) {
    const NewYearAnchor* anchor = &kNewYearAnchors.front();
    for (const NewYearAnchor& a : kNewYearAnchors) {
        anchor = a.year <= year ? &a : anchor;
    }
    day = anchor->septDay;
    e.RunningShift = 0;
    e.RunningSeptDay = anchor->septDay;
    for (int y = anchor->year; y <= year; ++y) {
        SteppedPass(e, y, day, month);
    }
}

// GregorianToJewish with new years found by `newYear` (stepped, or the
// engine's own) and the date by the day walk from the new year.
template <typename NewYear>
void WalkedGregorianToJewish(Engine& e, NewYear newYear) {
    e.JYear = static_cast<Integer>(e.GYear + kJewishYearOffset);
    newYear(e, e.JYear, e.NewYearGDay, e.NewYearGMonth);
    e.TargetOnOrAfterNewYear();
    e.NewYearGYear = e.GYear;
    if (!e.AfterNewYear) {
        --e.JYear;
        newYear(e, e.JYear, e.NewYearGDay, e.NewYearGMonth);
        e.NewYearGYear = static_cast<Integer>(e.GYear - 1);
    }
    e.ResultJYear = e.JYear;
    Integer y = e.NewYearGYear, m = e.NewYearGMonth, d = e.NewYearGDay;
    e.JMonth = e.JDay = 1;
    while (!e.IsTargetDate(y, m, d)) {
        e.NextGregorianDay(y, m, d);
        e.NextJewishDay(e.JMonth, e.JDay);
    }
    e.JMonthShown = static_cast<Integer>(
        e.JMonth > 6 && !Engine::IsJewishLeap(e.JYear) ? e.JMonth - 1 : e.JMonth);
}

inline void SteppedGregorianToJewish(Engine& e) {
    WalkedGregorianToJewish(e, SteppedNewYear);
}

}  // namespace qavo::testing
