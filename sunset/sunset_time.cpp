#include "sunset/sunset_time.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "sunset/time_zones.hpp"
#include "sunset/zone_places.hpp"

namespace qavo {

namespace {

// Every stored working value is rounded to single precision; the right-hand
// sides are computed in double.
float Stored(double value) {
    return static_cast<float>(value);
}

constexpr double kDegree = 0.0174533;
constexpr double kZoneHour = 0.261799;  // 15 degrees
constexpr double kThreeQuarterTurn = 4.712389946;
constexpr double kTurn = 6.28319;
constexpr double kQuarterTurn = 1.5708;

// Brings a working angle into 0 to 2 pi. Stored cities keep the angles small;
// anything far out is first reduced in one step so the loops stay short.
void NormalizeAngle(float& angle) {
    if (std::fabs(angle) > 64 * kTurn) {
        angle = Stored(std::fmod(double{angle}, kTurn));
    }
    while (angle < 0) {
        angle = Stored(angle + kTurn);
    }
    while (angle >= Stored(kTurn)) {
        angle = Stored(angle - kTurn);
    }
}

struct SunsetWork {
    // LoadSunsetInputs
    float latitude = 0;
    float longitude = 0;
    float zone = 0;
    // SunDayOfYear
    int dayOfYear = 0;
    // SunPosition
    float t = 0;
    float rightAscension = 0;
    float declination = 0;
};

// `hoursBehind` is the city's Zone, or in Auto the date's offset of its time
// zone, which may hold a fraction of an hour.
void LoadSunsetInputs(const CityRecord& city, double hoursBehind, SunsetWork& w) {
    w.latitude = Stored((double{city.LatDeg} + double{city.LatMin} / 60) * kDegree);
    w.longitude = Stored((double{city.LongDeg} + double{city.LongMin} / 60) * kDegree);
    w.zone = Stored(hoursBehind * kZoneHour);
}

// Every fourth year counts as leap here, century years included.
void SunDayOfYear(int year, int month, int day, SunsetWork& w) {
    const int q = (month + 9) / 12;
    const int r = year % 4 == 0 ? 1 : 2;
    const int p = month * 275 / 9;
    w.dayOfYear = day + p - q * r - 30;
}

void SunPosition(SunsetWork& w) {
    w.t = Stored((double{w.longitude} + kThreeQuarterTurn) / kTurn + w.dayOfYear);
    float m = Stored(w.t * 0.017202);
    m = Stored(m - 0.0574039);  // mean anomaly
    float l = Stored(std::sin(double{m}) * 0.0334405 + m);
    l = Stored(std::sin(double{m} + m) * 0.000349066 + l);
    l = Stored(l + 4.93289);  // true longitude
    NormalizeAngle(l);
    const float q = Stored(l / kQuarterTurn);
    if (q - std::floor(q) == 0) {
        l = Stored(l + 4.84814e-6);  // one second of arc off the quadrant edge
    }
    // The quadrant by the true quarter turns: just past them the tangent has
    // turned its sign while L is still below 1.5708 or 4.712389946, which
    // put the sunset twelve hours off (Innsbruck on 21 June 2025).
    const int quadrant = l > 3 * std::numbers::pi / 2 ? 2 : l > std::numbers::pi / 2 ? 1 : 0;
    float ra = Stored(std::sin(double{l}) / std::cos(double{l}));
    ra = Stored(std::atan(ra * 0.91746));
    if (quadrant == 2) {
        ra = Stored(ra + kTurn);
    } else if (quadrant == 1) {
        ra = Stored(ra + 3.14159);
    }
    w.rightAscension = ra;
    float s = Stored(std::sin(double{l}) * 0.39782);
    s = Stored(s / std::sqrt(1 - double{s} * s));
    w.declination = Stored(std::atan(double{s}));
}

// Sets the local standard time of sunset in hours when the sun sets that day.
SunsetKind SunsetClockTime(const SunsetWork& w, float& hours) {
    float c = Stored(-0.0145439 - std::sin(double{w.latitude}) * std::sin(double{w.declination}));
    c = Stored(c / (std::cos(double{w.latitude}) * std::cos(double{w.declination})));
    // c is the cosine of the hour angle at which the sun reaches the horizon:
    // below -1 it stays above the horizon all day, above 1 below it (numbers
    // that give no c at all are counted with the latter).
    if (c < -1) {
        return SunsetKind::NeverSets;
    }
    if (!(c <= 1)) {
        return SunsetKind::NeverRises;
    }
    float h;
    if (std::fabs(c) == 1) {
        h = Stored(std::acos(double{c}));  // the sun just touches the horizon limit
    } else {
        h = Stored(c / std::sqrt(1 - double{c} * c));
        h = Stored(kQuarterTurn - std::atan(double{h}));  // arc cosine of c
    }
    const float travelled = Stored(w.t * 0.0172028);
    const float transit = Stored(double{w.rightAscension} + h - travelled - 1.73364);
    const float universal = Stored(double{w.longitude} + transit);
    float local = Stored(double{universal} - w.zone);
    NormalizeAngle(local);
    float x = Stored(local * 3.81972);
    hours = Stored(x - 0.05);  // three minutes earlier than the plain conversion
    return SunsetKind::Sets;
}

int WrapHour(int hour) {
    return ((hour % 24) + 24) % 24;
}

bool IsDaylight(std::string_view mode) {
    return SameIgnoringCase(mode, "DAYLIGHT");
}

}  // namespace

std::string SunsetClockText(float x, std::string_view daylightMode) {
    int hours = static_cast<int>(std::floor(x));
    const float f = Stored((double{x} - hours) * 60);
    int minutes = static_cast<int>(std::floor(f));
    if (f - static_cast<float>(minutes) >= 0.5F) {
        ++minutes;
    }
    if (minutes >= 60) {
        ++hours;
        minutes = 0;
    }
    // A sunset just before midnight, three minutes taken off, may fall before
    // 0:00; the carry or the daylight hour may reach 24.
    hours = WrapHour(hours);
    if (IsDaylight(daylightMode)) {
        hours = WrapHour(hours + 1);
    }
    std::string suffix = "am ";
    if (hours > 12) {
        hours -= 12;
        suffix = "pm ";
    }
    return BlankSigned(hours) + ":" + TwoDigit(minutes) + suffix;
}

namespace {

Sunset ComputeSunset(const CityRecord& city, int year, int month, int day, double hoursBehind,
                     std::string_view daylightMode) {
    SunsetWork work;
    LoadSunsetInputs(city, hoursBehind, work);
    SunDayOfYear(year, month, day, work);
    SunPosition(work);
    float hours = 0;
    Sunset sunset;
    sunset.kind = SunsetClockTime(work, hours);
    if (sunset.kind == SunsetKind::Sets) {
        sunset.text = SunsetClockText(hours, daylightMode);
    }
    return sunset;
}

// The clock of the city's time zone on the date; the standard time of its
// Zone when the time-zone database cannot tell.
ZoneOffset CityClockOn(const CityRecord& city, const std::vector<ZonePlace>& places, int year,
                       int month, int day) {
    const auto offset = ZoneOffsetOn(CityZone(city, places), year, month, day);
    return offset ? *offset : ZoneOffset{-3600 * city.Zone, false};
}

}  // namespace

Sunset SunsetFor(const CityRecord& city, int year, int month, int day,
                 std::string_view daylightMode) {
    return ComputeSunset(city, year, month, day, city.Zone, daylightMode);
}

Sunset SunsetWithOffset(const CityRecord& city, int year, int month, int day,
                        std::int32_t offsetSeconds) {
    return ComputeSunset(city, year, month, day, -offsetSeconds / 3600.0, "");
}

std::string SunsetTextFor(const CityRecord& city, int year, int month, int day,
                          std::string_view daylightMode) {
    return SunsetFor(city, year, month, day, daylightMode).text;
}

std::string SunsetLine(const CityDatabase& cities) {
    const std::string name(WithoutTrailingBlanks(cities.SunsetCityName));
    switch (cities.SunsetDay) {
        case SunsetKind::NeverSets:
            return "The sun does not set in " + name + " on this day.";
        case SunsetKind::NeverRises:
            return "The sun does not rise in " + name + " on this day.";
        case SunsetKind::Sets:
            break;
    }
    return "Sunset Time in " + name + " is" + cities.SunsetText + cities.SunsetClock + " Time.";
}

void SunsetForDay(const Engine& engine, CityDatabase& cities) {
    const CityRecord& city = SunsetCity(cities);
    cities.SunsetCityName = city.CityName;
    const int year = engine.GYear;
    const int month = engine.TargetGMonth;
    const int day = engine.TargetGDay;
    Sunset sunset;
    if (IsAutoDaylight(cities.DaylightMode)) {
        const ZoneOffset clock = CityClockOn(city, cities.ZonePlaces, year, month, day);
        sunset = SunsetWithOffset(city, year, month, day, clock.seconds);
        cities.SunsetClock = clock.daylight ? "Daylight" : "Standard";
    } else {
        sunset = SunsetFor(city, year, month, day, cities.DaylightMode);
        cities.SunsetClock = cities.DaylightMode;
    }
    cities.SunsetText = std::move(sunset.text);
    cities.SunsetDay = sunset.kind;
}

}  // namespace qavo
