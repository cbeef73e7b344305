#pragma once
// What the tests of the city files share: the one city builder, and the
// saves interrupted by a file size limit.

#include <string>
#include <string_view>
#include <utility>

#include "sunset/city_database.hpp"
#include "tests/support/file_size_limit.hpp"

namespace qavo::testing {

inline CityRecord City(std::string_view name, float latDeg, float latMin, float longDeg,
                       float longMin, int zone, std::string timeZone = {}) {
    return {PadCityName(name),  latDeg, latMin, longDeg, longMin, static_cast<Integer>(zone),
            std::move(timeZone)};
}

}  // namespace qavo::testing
