#pragma once
// "Holidays For Gregorian Year": the dates of the Jewish holidays that fall
// in one Gregorian year, one fixed-width line each.

#include <optional>
#include <string>

#include "engine/engine.hpp"
#include "holidays/holiday_options.hpp"
#include "holidays/listed_days.hpp"

namespace qavo {

// The report of Gregorian year GYear (1583..7000) with JYear = GYear + 3760,
// the Jewish year that began in the autumn before. Afterwards GYear is as it
// was and JYear and the engine's new year are those of JYear + 1. nullopt,
// with nothing changed, when GYear lies outside the range or JYear does not
// match it.
std::optional<std::string> GregorianYearReport(Engine& engine);

// The command's steps once the year prompt has set GYear: JYear and
// ResultJYear = GYear + 3760, then the report, in the schedule of `options`,
// under the busy pointer.
// nullopt, with nothing changed, for a year outside 1583..7000.
std::optional<std::string> GregorianYearCommandReport(Engine& engine,
                                                      const HolidayOptions& options = {});
// The same with the days it lists, one for each holiday line.
std::optional<ListedReport> GregorianYearCommandListing(Engine& engine,
                                                        const HolidayOptions& options = {});

// The refusal of a year below the range: "Can not be less than  1583".
std::string YearBelowRangeMessage();

}  // namespace qavo
