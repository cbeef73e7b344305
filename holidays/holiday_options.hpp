#pragma once
// The user's choice of holiday schedule: the diaspora's, with two days for
// each pilgrim festival, or Israel's, with one.

#include <optional>
#include <string_view>

namespace qavo {

enum class Schedule { Diaspora, Israel };

struct HolidayOptions {
    Schedule schedule = Schedule::Diaspora;
};

// "Diaspora" or "Israel", as the settings file keeps it.
std::string_view ScheduleName(Schedule schedule);

// The schedule of a name in any letter case ("israel", "Diaspora"), or
// nullopt for any other text.
std::optional<Schedule> ScheduleNamed(std::string_view name);

}  // namespace qavo
