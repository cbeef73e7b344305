#include "sunset/time_zones.hpp"

#include <date/tz.h>

#include <algorithm>
#include <cstdlib>
#include <exception>

#include "safe_file/read_file.hpp"

namespace qavo {

namespace {

// Zone files and zone1970.tab are a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxZoneFileBytes = 1 << 20;

const date::time_zone* FindZone(const std::string& zoneName) {
    if (zoneName.empty()) {
        return nullptr;
    }
    try {
        return date::locate_zone(zoneName);
    } catch (const std::exception&) {  // unknown name, or no readable database
        return nullptr;
    }
}

// The POSIX rule on the last line of a zone file, which the library does not
// read: it holds the zone's clock after the last change the file lists
// (2037 in Debian's files).
std::string LastRuleOfZoneFile(const std::string& zoneName) {
    const Result<std::string> bytes =
        ReadFileBytes(std::string(kZoneInfoFolder) + "/" + zoneName, kMaxZoneFileBytes);
    if (!bytes || bytes->size() < 2 || bytes->back() != '\n') {
        return {};
    }
    const std::size_t start = bytes->rfind('\n', bytes->size() - 2);
    return start == std::string::npos ? std::string()
                                      : bytes->substr(start + 1, bytes->size() - start - 2);
}

}  // namespace

std::optional<ZoneOffset> ZoneOffsetOn(const std::string& zoneName, int year, int month, int day) {
    const date::time_zone* zone = FindZone(zoneName);
    if (zone == nullptr) {
        return std::nullopt;
    }
    try {
        const date::year_month_day ymd{date::year{year}, date::month{static_cast<unsigned>(month)},
                                       date::day{static_cast<unsigned>(day)}};
        const date::local_info info =
            zone->get_info(date::local_days{ymd} + std::chrono::hours{12});
        // In a gap or an overlap at noon the clock after the change holds.
        const date::sys_info& clock =
            info.result == date::local_info::unique ? info.first : info.second;
        const date::sys_info last = zone->get_info(date::sys_days{date::year{9999} / 1 / 1});
        if (clock.begin >= last.begin) {
            if (auto ruled = PosixRuleOffsetAtNoon(LastRuleOfZoneFile(zoneName), year,
                                                   static_cast<unsigned>(month),
                                                   static_cast<unsigned>(day))) {
                return ruled;
            }
        }
        return ZoneOffset{static_cast<std::int32_t>(clock.offset.count()),
                          clock.save != std::chrono::minutes{0}};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool IsKnownZone(const std::string& zoneName) {
    return FindZone(zoneName) != nullptr;
}

std::vector<std::string> AllZoneNames() {
    std::vector<std::string> names;
    try {
        // Read from the folder of zone files, the zones include the links.
        for (const date::time_zone& zone : date::get_tzdb().zones) {
            names.emplace_back(zone.name());
        }
    } catch (const std::exception&) {
        return {};
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string FixedZoneName(int hoursBehind) {
    // The database's Etc zones carry the POSIX sign: Etc/GMT+5 is five hours behind.
    if (hoursBehind == 0) {
        return "Etc/GMT";
    }
    return "Etc/GMT" + std::string(hoursBehind > 0 ? "+" : "-") +
           std::to_string(std::abs(hoursBehind));
}

}  // namespace qavo
