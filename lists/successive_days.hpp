#pragma once
// The successive-days lists: a run of Gregorian days, each with its Jewish
// date, sunset time and holiday row (sunset times), or only its Saturdays,
// each with its readings (readings). The menu commands ask for the start date
// and the count, then show this text in the output window.

#include <optional>
#include <string>

#include "engine/engine.hpp"
#include "engine/number_text.hpp"
#include "holidays/holiday_options.hpp"
#include "readings/reading_schedule.hpp"
#include "sunset/city_database.hpp"

namespace qavo {

enum class SuccessiveDaysMode : Integer { SunsetTimes = 1, Readings = 2 };

inline constexpr std::size_t kMaxListCharacters = 30000;

// The text of the list of engine.SuccDayCount days from (GYear, TargetGMonth,
// TargetGDay), with the holidays and readings of the schedule of `options`, lines ending in NL,
// built under the busy pointer. Afterwards the engine's date is the day after the last listed one
// and its year values describe that day's Jewish year. When the text grows beyond 30,000
// characters, says "Too long" and returns nullopt; the date then stays where the walk stopped.
std::optional<std::string> SuccessiveDaysText(Engine& engine, CityDatabase& cities,
                                              const ReadingSchedule& schedule,
                                              SuccessiveDaysMode mode,
                                              const HolidayOptions& options = {});

// Why a list of `count` days from the engine's target date cannot be made, in
// the words of the day-count prompt: fewer than one day, or a day past the
// calendar's last, 31 December 7000. Nothing when the count fits.
std::optional<std::string> DayCountRefusal(const Engine& engine, const LeadingNumber& count);

// The month the page shows after a list: that of the engine's date, held to
// December 7000 when a list that ended on the calendar's last day left the
// date in 7001. False, with nothing changed, when the date names no month a
// page shows (no list was made, and the year prompt was left outside the
// range).
bool TargetMonthAfterList(Engine& engine);

}  // namespace qavo
