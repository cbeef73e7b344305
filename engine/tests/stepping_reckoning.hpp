#pragma once
// The reckoning as the calendar was first worked out here: each molad summed
// year by year within its cycle, each new year walked year by year from its
// anchor, each date walked day by day from the new year. Slow and literal, it
// is what the engine's arithmetic must agree with, state and all.

#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"

namespace qavo::testing {

inline MoladTime MoladTimes(const MoladTime& a, int n) {
    int s = a.Part * n;
    MoladTime out;
    out.Part = static_cast<Integer>(s % 18);
    s = a.Minute * n + s / 18;
    out.Minute = static_cast<Integer>(s % 60);
    s = a.Hour * n + s / 60;
    out.Hour = static_cast<Integer>(s % 24);
    out.Day = static_cast<Integer>((a.Day * n + s / 24) % 7);
    return out;
}

inline void SteppedNewYearWeekday(Engine& e, int year) {
    e.SetCyclePosition(year);
    Engine::MoladAdd(kMoladEpoch, MoladTimes(kMoladCycle, (year - 1) / 19), e.Molad);
    for (int i = 0; i < e.CommonsBefore; ++i) {
        Engine::MoladAdd(e.Molad, kMoladCommonYear, e.Molad);
    }
    for (int i = 0; i < e.LeapsBefore; ++i) {
        Engine::MoladAdd(e.Molad, kMoladLeapYear, e.Molad);
    }
    e.RunPostponements(year);
}

inline void SteppedYearType(Engine& e, int year) {
    SteppedNewYearWeekday(e, year + 1);
    const int next = e.NewYearWeekday;
    SteppedNewYearWeekday(e, year);
    const int d = (next - e.NewYearWeekday + 7) % 7;
    constexpr int kCommon[7] = {0, 0, 0, 1, 2, 3, 0}, kLeap[7] = {6, 0, 0, 0, 0, 4, 5};
    e.YearType = static_cast<Integer>(Engine::IsJewishLeap(year) ? kLeap[d] : kCommon[d]);
}

// One year of the walk: the new year of year from that of the year before.
inline void SteppedPass(Engine& e, int year, Integer& day, Integer& month) {
    SteppedYearType(e, year);
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
        if (a.year <= year) {
            anchor = &a;
        }
    }
    day = anchor->septDay;
    e.RunningShift = 0;
    e.RunningSeptDay = anchor->septDay;
    for (int y = anchor->year; y <= year; ++y) {
        SteppedPass(e, y, day, month);
    }
}

// The day walk from the new year the engine holds to its target.
inline void WalkToTarget(Engine& e, Integer& month, Integer& day, Integer& weekday) {
    Integer y = e.NewYearGYear, m = e.NewYearGMonth, d = e.NewYearGDay;
    month = 1;
    day = 1;
    int count = 0;
    while (!e.IsTargetDate(y, m, d)) {
        e.NextGregorianDay(y, m, d);
        e.NextJewishDay(month, day);
        ++count;
    }
    weekday = static_cast<Integer>((e.NewYearWeekday + count) % 7);
}

// GregorianToJewish with new years found by `newYear` (stepped, or the
// engine's own) and the date found by the day walk.
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
    Integer weekday = 0;
    WalkToTarget(e, e.JMonth, e.JDay, weekday);
    e.JMonthShown = static_cast<Integer>(
        e.JMonth > 6 && !Engine::IsJewishLeap(e.JYear) ? e.JMonth - 1 : e.JMonth);
}

inline void SteppedGregorianToJewish(Engine& e) {
    WalkedGregorianToJewish(e, SteppedNewYear);
}

}  // namespace qavo::testing
