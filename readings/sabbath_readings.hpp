#pragma once
// The readings text of a Sabbath: Torah portion or portions with any festival,
// Rosh Hodesh, Hanukkah or special-Sabbath reading, then the prophetic reading
// with its replacement and additions. Lines end with NL; the text ends with an
// empty line.

#include <string>

#include "engine/engine.hpp"
#include "readings/reading_schedule.hpp"

namespace qavo {

// The number of the Sabbath of the week of a day of the year (1 Tishri = day
// 0): 1 for the first Saturday on or after 1 Tishri. The days after the last
// Sabbath of a year give the entry of the Sabbath that opens the next year.
constexpr int SabbathNumber(int newYearWeekday, int readingDay) {
    return (readingDay + newYearWeekday + 7) / 7;
}

// The readings of the week of `readingDay` in a year whose 1 Tishri falls on
// `newYearWeekday` (0 = Sunday) with `yearType` 1 to 6. Any day from Sunday
// to Saturday gives the text of that week's Saturday. Throws
// std::out_of_range for a day outside the year (a caller's fault). The
// readings are those of the schedule of `options`.
std::string SabbathReadings(const ReadingSchedule& schedule, int newYearWeekday, int yearType,
                            int readingDay, const HolidayOptions& options = {});

// The readings of the Saturday in row `row` (1 to 6) of a month page whose 1st
// is (firstJMonth, firstJDay) of Jewish year firstJYear, months in the 13-slot
// numbering. A week that runs past Elul into Tishri is read with the next
// year's information. The engine is not changed.
std::string PageSabbathReadings(const ReadingSchedule& schedule, const Engine& engine, int row,
                                int firstJYear, int firstJMonth, int firstJDay,
                                const HolidayOptions& options = {});

}  // namespace qavo
