#pragma once
// The user's holiday choices: the schedule, the diaspora's with two days for
// each pilgrim festival or Israel's with one; and the set, the fifteen major
// holidays or the whole holiday year.

#include <optional>
#include <string_view>

namespace qavo {

enum class Schedule { Diaspora, Israel };
enum class HolidaySet { Major, All };

struct HolidayOptions {
    Schedule schedule = Schedule::Diaspora;
    HolidaySet holidays = HolidaySet::Major;
};

// "Diaspora" or "Israel", as the settings file keeps it.
std::string_view ScheduleName(Schedule schedule);

// The schedule of a name in any letter case ("israel", "Diaspora"), or
// nullopt for any other text.
std::optional<Schedule> ScheduleNamed(std::string_view name);

// "Major" or "All", as the settings file keeps it; and back, in any letter case.
std::string_view HolidaySetName(HolidaySet set);
std::optional<HolidaySet> HolidaySetNamed(std::string_view name);

}  // namespace qavo
