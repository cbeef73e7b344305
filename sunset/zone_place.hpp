#pragma once
// One principal place of a time zone, as zone1970.tab of the system's
// time-zone data lists it.

#include <cstdint>
#include <string>

namespace qavo {

struct ZonePlace {
    std::string zone;                 // "America/New_York"
    double latitude = 0;              // degrees, north positive
    double longitude = 0;             // degrees, east positive, as the table has it
    std::string comment;              // the table's note, as "Eastern (most areas)"
    std::int32_t standardOffset = 0;  // seconds east of Greenwich, without daylight saving
};

}  // namespace qavo
