#pragma once
// The city database: the cities of sunset.dat as loaded, the city used for
// sunset times and the daylight setting read from QAVOWIN.INI.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/types.hpp"
#include "sunset/zone_place.hpp"

namespace qavo {

inline constexpr int kCitySlots = 100;
// The loader needs one slot beyond the last record, so a file holds at most 99.
inline constexpr int kMaxCityRecords = 99;
inline constexpr std::size_t kCityNameWidth = 20;
inline constexpr std::size_t kDaylightModeWidth = 8;

// The ranges the setup dialog accepts; the loader holds stored records to them.
inline constexpr int kLatitudeLimit = 90;
inline constexpr int kLongitudeLimit = 179;
inline constexpr int kMinuteLimit = 59;
inline constexpr int kZoneLimit = 12;

struct CityRecord {
    std::string CityName = std::string(kCityNameWidth, ' ');  // UTF-8, 20 characters, blank-padded
    float LatDeg = 0;                                         // north positive
    float LatMin = 0;
    float LongDeg = 0;  // west of Greenwich positive
    float LongMin = 0;
    Integer Zone = 0;  // hours behind Greenwich
    // The time zone chosen for the city (an IANA name), kept in QAVOWIN.INI,
    // not in sunset.dat; empty when none was chosen.
    std::string TimeZone;
    friend bool operator==(const CityRecord&, const CityRecord&) = default;
};

// What the sun does on a day: it sets, or it stays above the horizon all day
// (polar day), or below it all day (polar night).
enum class SunsetKind { Sets, NeverSets, NeverRises };

struct CityDatabase {
    std::array<CityRecord, kCitySlots> CityTable{};
    std::int32_t LastCityIndex = 0;         // number of loaded records - 1
    Integer CurrentCity = 0;                // table index of the city used for sunset times
    std::string DaylightMode = "Standard";  // 8 characters, as read from the settings
    std::string Directory;                  // the folder that holds sunset.dat
    // sunset.dat as last read or written (none: there was no file), so that a
    // save notices what another program changed meanwhile.
    std::optional<std::string> CityFileBytes;
    // The principal places of the time-zone database, for cities without a chosen zone.
    std::vector<ZonePlace> ZonePlaces;

    // Results of SunsetForDay.
    std::string SunsetText;      // empty when the sun does not set
    std::string SunsetCityName;  // 20 characters
    std::string
        SunsetClock;  // 8 characters: DaylightMode, or in Auto the date's "Standard" or "Daylight"
    SunsetKind SunsetDay = SunsetKind::Sets;
};

// The city a new installation starts with: New York, 40° 45' N, 73° 59' W, zone 5.
CityRecord DefaultCity();

// True when the daylight setting reads "Auto" in any letter case: each date's
// clock is then taken from the city's time zone.
bool IsAutoDaylight(std::string_view daylightMode);

// A city name cut or padded with blanks to 20 characters (UTF-8 aware).
std::string PadCityName(std::string_view name);

// The ranges of the setup dialog, bounds included; NaN and infinities fail.
bool IsValidLatitude(double degrees);   // -90 to 90
bool IsValidLongitude(double degrees);  // -179 to 179, the longitude
bool IsValidMinutes(double minutes);    // -59 to 59
bool IsValidZone(double zone);          // -12 to 12
// True when every number of the record passes the checks above.
bool IsValidCityRecord(const CityRecord& city);

// The city sunset times are computed for: CurrentCity when it names a loaded
// city, the first city otherwise (a bad DEFAULT_CITY is reported by the setup
// dialog when it opens).
const CityRecord& SunsetCity(const CityDatabase& cities);

}  // namespace qavo
