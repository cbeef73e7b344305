#pragma once
// Test helper: puts the engine on one Jewish date the way the month page
// does, with GYear the Gregorian year of that day.

#include <gtest/gtest.h>

#include "engine/engine.hpp"

namespace qavo::testing {

struct PlacedDay {
    Integer year = 0;
    Integer month = 0;
    Integer day = 0;
    Integer weekday = 0;  // 0 = Sunday
};

// JYear, YearType and the new year of jYear, JMonth and JDay set; GYear the
// Gregorian year of the date. Returns the Gregorian date and weekday.
inline PlacedDay SetJewishDay(Engine& engine, int jYear, int jMonth, int jDay) {
    engine.JYear = jYear;
    engine.GYear = jYear - kJewishYearOffset;
    EXPECT_TRUE(engine.NewYearGregorianDate(jYear, engine.NewYearGDay, engine.NewYearGMonth));
    PlacedDay placed;
    engine.OffsetToGregorian(engine.DaysFromNewYear(jMonth, jDay), placed.year, placed.month,
                             placed.day, placed.weekday);
    engine.JMonth = jMonth;
    engine.JDay = jDay;
    engine.GYear = placed.year;
    return placed;
}

// The month-page cell in the first row whose column is the weekday's.
inline int CellOf(int weekday) {
    return weekday + 1;
}

}  // namespace qavo::testing
