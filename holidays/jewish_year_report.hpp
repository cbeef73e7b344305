#pragma once
// The two reports about one Jewish year: its description with the table of
// its months (the Jewish-year button), and its holiday list ("Holidays For
// Jewish Year").

#include <optional>
#include <string>

#include "engine/engine.hpp"
#include "engine/number_text.hpp"
#include "holidays/holiday_options.hpp"
#include "holidays/listed_days.hpp"

namespace qavo {

// One row of the months table for month JMonth, whose first day is that of
// `slot` (equal to JMonth); the slot moves on to the next month, up to 13.
// Gives the Gregorian date and weekday of the month's first day.
void MonthTableRow(const Engine& engine, Integer& slot, Integer& year, Integer& month, Integer& day,
                   Integer& weekday, std::string& row);

// Both reports need the engine prepared for JYear (5343..10761) by
// NewYearGregorianDate, with GYear = JYear - 3761; nullopt, with nothing
// changed, otherwise. Both set CyclePos to 19 when it is 0.

// The year's description and months table. Leaves GYear at the year of 1 Elul
// and JMonth at 13.
std::optional<std::string> JewishYearInfo(Engine& engine);
// The year's holiday list. Leaves GYear at the year of 29 Elul.
std::optional<std::string> JewishYearHolidays(Engine& engine);

// The Jewish-year button: JYear = the year on its caption, GYear and the
// new year to match, then JewishYearInfo under the busy pointer. nullopt,
// with nothing changed, for a year outside 5343..10761.
std::optional<std::string> JewishYearButtonReport(Engine& engine, int jYear);

// Why the Jewish-year button cannot report the year on its caption: the
// reports end with 10760, so a later year (the last pages' 10761, or a caption
// stepped on by a refused year step) is refused with what to do instead, an
// earlier one as the Jewish year prompt refuses it. Nothing for a year it reports.
std::optional<std::string> JewishYearButtonRefusal(const LeadingNumber& year);

// The Jewish year prompt's result taken over, after OK and after Cancel
// alike: JYear = ResultJYear and GYear = JYear - 3761.
void TakeJewishYearFromPrompt(Engine& engine);

// "Holidays For Jewish Year" once the prompt has set JYear and GYear: the new
// year of JYear, then JewishYearHolidays under the busy pointer.
std::optional<std::string> JewishYearCommandReport(Engine& engine,
                                                   const HolidayOptions& options = {});
// The same with the days it lists, one for each holiday line.
std::optional<ListedReport> JewishYearCommandListing(Engine& engine,
                                                     const HolidayOptions& options = {});

}  // namespace qavo
