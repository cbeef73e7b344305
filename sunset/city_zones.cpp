#include "sunset/city_zones.hpp"

#include "sunset/data_file.hpp"
#include "sunset/profile_file.hpp"

namespace qavo {

namespace {

std::string_view WithoutPadding(std::string_view name) {
    const std::size_t end = name.find_last_not_of(' ');
    return name.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

}  // namespace

void ReadCityZones(CityDatabase& cities, const std::string& iniPath) {
    std::string error;
    const auto text = ReadFileBytes(iniPath, 1 << 20, error);
    for (int i = 0; i <= cities.LastCityIndex && i < kCitySlots; ++i) {
        CityRecord& city = cities.CityTable[i];
        const auto zone =
            text ? FindProfileValue(*text, kTimeZonesSection, WithoutPadding(city.CityName))
                 : std::nullopt;
        city.TimeZone = zone.value_or("");
    }
}

bool SaveCityZone(const std::string& iniPath, std::string_view cityName, std::string_view zone,
                  std::string& error) {
    const std::string_view key = WithoutPadding(cityName);
    const FileResult saved = zone.empty()
                                 ? RemoveProfileString(iniPath, kTimeZonesSection, key)
                                 : WriteProfileString(iniPath, kTimeZonesSection, key, zone);
    error = saved.error;
    return static_cast<bool>(saved);
}

}  // namespace qavo
