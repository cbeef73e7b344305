#pragma once
// The whole holiday year: the days that "All holidays" adds to the fifteen
// of the holiday table (the minor fasts, Rosh Chodesh, the eves, the
// intermediate days and the modern days), each with its own postponement.

#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.hpp"
#include "holidays/holiday_options.hpp"
#include "holidays/holiday_rules.hpp"
#include "holidays/listed_days.hpp"

namespace qavo {

struct ExtraDay {
    Integer month = 0;  // 13-slot numbering
    Integer day = 0;
    std::string_view name;       // at most 13 characters, as in the yearly rows
    std::string_view shortName;  // at most 11 characters, as the page's cells hold
};

// The added days of Jewish year jYear in the schedule of `options`, in date
// order and, on one day, the more important first; none unless the options
// ask for all holidays. The engine is not changed.
std::vector<ExtraDay> ExtraDays(const Engine& engine, int jYear, const HolidayOptions& options);

// The 22-character row of the yearly lists: "Rosh Chodesh  Hesh 30,".
std::string ExtraDayRow(const ExtraDay& day);

// The added days of the engine's JYear placed as PlaceHoliday places an
// entry (the engine prepared for JYear, GYear the year of its 1 Tishri),
// each with its row in `row`.
struct PlacedExtraDay {
    HolidayPlacement place;
    std::string row;
    std::string name;
};
std::vector<PlacedExtraDay> PlaceExtraDays(const Engine& engine, const HolidayOptions& options);

// Puts the listed days in date order, the earlier listed first on one day,
// and writes their lines after `heading` as the report's text.
void SortListedDays(ListedReport& report, const std::string& heading);

}  // namespace qavo
