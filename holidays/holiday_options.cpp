#include "holidays/holiday_options.hpp"

#include <algorithm>
#include <cctype>

namespace qavo {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

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
