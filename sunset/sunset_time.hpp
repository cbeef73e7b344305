#pragma once
// The time of sunset on a Gregorian date at one city: an almanac sun-position
// formula in 32-bit floats, then the program's own clock text (" 4:31pm ").

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.hpp"
#include "sunset/city_database.hpp"

namespace qavo {

// The sunset of (GYear, TargetGMonth, TargetGDay) at SunsetCity(cities), with
// the daylight hour when cities.DaylightMode says so, or in Auto on the clock
// of the city's time zone that day: sets cities.SunsetText (empty when the
// sun does not set that day), cities.SunsetDay, cities.SunsetCityName and
// cities.SunsetClock.
void SunsetForDay(const Engine& engine, CityDatabase& cities);

// The line of the day-click message after SunsetForDay: "Sunset Time in New
// York is 4:31pm Standard Time.", the pieces joined without added blanks; on
// a day without sunset "The sun does not set in Tromso on this day." (or
// "does not rise" in the polar night).
std::string SunsetLine(const CityDatabase& cities);

struct Sunset {
    std::string text;  // " 4:31pm ", empty when the sun does not set
    SunsetKind kind = SunsetKind::Sets;
};

// The sunset for any city and date, and its text alone.
Sunset SunsetFor(const CityRecord& city, int year, int month, int day,
                 std::string_view daylightMode);
std::string SunsetTextFor(const CityRecord& city, int year, int month, int day,
                          std::string_view daylightMode);
// The same computation on a clock offsetSeconds east of Greenwich in place of
// the city's Zone, without a daylight hour.
Sunset SunsetWithOffset(const CityRecord& city, int year, int month, int day,
                        std::int32_t offsetSeconds);

// The clock text of a sunset x hours after local midnight (standard time):
// rounded to the minute, wrapped into 0 to 23 hours, one hour later when
// daylightMode reads "DAYLIGHT" in any case, in 12-hour form.
std::string SunsetClockText(float x, std::string_view daylightMode);

}  // namespace qavo
