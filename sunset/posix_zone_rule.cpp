// Compiled as C++17 (see sunset/CMakeLists.txt): date/ptz.h names hh_mm_ss
// under both `using namespace date` and `using namespace std::chrono`, which
// is ambiguous once C++20's std::chrono declares it too.
#include "sunset/posix_zone_rule.hpp"

#include <date/ptz.h>

#include <stdexcept>

namespace qavo {

std::optional<ZoneOffset> PosixRuleOffsetAtNoon(const std::string& rule, int year, unsigned month,
                                                unsigned day) {
    // Without a daylight part the header leaves the saving unset.
    if (rule.find(',') == std::string::npos) {
        return std::nullopt;
    }
    try {
        const Posix::time_zone zone(rule);
        const auto noon = date::local_days{date::year{year} / month / day} + std::chrono::hours{12};
        const date::local_info info = zone.get_info(noon);
        const date::sys_info& clock =
            info.result == date::local_info::unique ? info.first : info.second;
        return ZoneOffset{static_cast<std::int32_t>(clock.offset.count()),
                          clock.save != std::chrono::minutes{0}};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace qavo
