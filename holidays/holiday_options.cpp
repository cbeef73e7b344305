#include "holidays/holiday_options.hpp"

#include "engine/plain_text.hpp"

namespace qavo {

std::string_view ScheduleName(Schedule schedule) {
    return schedule == Schedule::Israel ? "Israel" : "Diaspora";
}

std::optional<Schedule> ScheduleNamed(std::string_view name) {
    for (Schedule schedule : {Schedule::Diaspora, Schedule::Israel}) {
        if (SameIgnoringCase(name, ScheduleName(schedule))) {
            return schedule;
        }
    }
    return std::nullopt;
}

std::string_view HolidaySetName(HolidaySet set) {
    return set == HolidaySet::All ? "All" : "Major";
}

std::optional<HolidaySet> HolidaySetNamed(std::string_view name) {
    for (HolidaySet set : {HolidaySet::Major, HolidaySet::All}) {
        if (SameIgnoringCase(name, HolidaySetName(set))) {
            return set;
        }
    }
    return std::nullopt;
}

}  // namespace qavo
