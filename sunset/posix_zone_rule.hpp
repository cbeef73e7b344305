#pragma once
// The rule a zone file of the time-zone database gives, as a POSIX TZ text
// ("EST5EDT,M3.2.0,M11.1.0"), for the years after its last listed change.

#include <cstdint>
#include <optional>
#include <string>

namespace qavo {

// A clock: its offset east of Greenwich and whether the database marks it as
// daylight saving time.
struct ZoneOffset {
    std::int32_t seconds = 0;
    bool daylight = false;
};

// The offset of a rule with daylight saving at local noon of a date; nullopt
// when the rule is malformed or has no daylight saving part (then the zone's
// last listed offset holds for ever).
std::optional<ZoneOffset> PosixRuleOffsetAtNoon(const std::string& rule, int year, unsigned month,
                                                unsigned day);

}  // namespace qavo
