#pragma once
// Clock offsets from the system's time-zone database (IANA names such as
// "America/New_York"), read through Howard Hinnant's date/tz. No rule of any
// zone is written here: the database holds them all.

#include <optional>
#include <string>
#include <vector>

#include "sunset/posix_zone_rule.hpp"

namespace qavo {

// The folder of the system's time-zone data (Debian's tzdata).
inline constexpr const char* kZoneInfoFolder = "/usr/share/zoneinfo";

// The clock of a zone on a date, taken at local noon: after a change made in
// the night and before the evening. Before a zone's first listed change the
// database gives local mean time. Nullopt when the database lacks the zone
// or cannot be read.
std::optional<ZoneOffset> ZoneOffsetOn(const std::string& zoneName, int year, int month, int day);

bool IsKnownZone(const std::string& zoneName);

// Every zone name of the database, sorted.
std::vector<std::string> AllZoneNames();

// The database's fixed zone of a whole-hour `Zone` (hours behind Greenwich):
// "Etc/GMT+5" for 5, "Etc/GMT-2" for -2, "Etc/GMT" for 0.
std::string FixedZoneName(int hoursBehind);

}  // namespace qavo
