#pragma once
// Which Jewish holiday falls on a day. Three callers ask in three ways: the
// month page marks every day of a festival, the successive-days list names
// only a festival's first day, and the yearly lists place each entry of the
// holiday table once in a Jewish year, with its weekday shifts.

#include <string>
#include <string_view>

#include "engine/engine.hpp"
#include "holidays/holiday_options.hpp"

namespace qavo {

// Yom Haatzmaut is kept from this Gregorian year on, Yom Hashoah from the next.
inline constexpr int kFirstYomHaatzmautYear = 1949;
inline constexpr int kFirstYomHashoahYear = 1951;

// The short name (at most 11 characters) of the holiday in cell 1..42 of the
// month page, or the empty text, in the schedule of `options`. Reads the cell's date from the
// engine's JMonth, JDay, JYear, YearType and GYear; the cell's column (Sunday first) gives its
// weekday.
std::string HolidayShortName(const Engine& engine, int cell, const HolidayOptions& options = {});

// The holiday row of one day of the successive-days list: true with `row`
// set when the day (13-slot month, day, weekday 0 = Sunday) is a holiday of
// the engine's JYear and GYear; false with `row` untouched otherwise.
bool FindHoliday(const Engine& engine, int listJMonth, int listJDay, int listWeekday,
                 std::string& row, const HolidayOptions& options = {});

// Where entry 1..15 of the holiday table falls in the engine's JYear.
struct HolidayPlacement {
    bool listed = false;
    Integer year = 0;
    Integer month = 0;
    Integer day = 0;
    Integer weekday = 0;   // 0 = Sunday
    std::string_view row;  // 22 characters: the table row or its shifted replacement
};

// The day of its month on which entry 1..15 is kept when its table day falls
// on `tableDayWeekday` (0 = Sunday) in Gregorian year gregorianYear: the
// table day, or the day a weekday rule moves it to.
int KeptDayOfMonth(int entry, int tableDayWeekday, int gregorianYear);

// The placement rule of the yearly lists. The engine must be prepared for
// JYear by NewYearGregorianDate, with GYear the Gregorian year of its 1 Tishri.
HolidayPlacement PlaceHoliday(const Engine& engine, int entry, const HolidayOptions& options = {});

}  // namespace qavo
