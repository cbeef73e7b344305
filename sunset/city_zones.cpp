#include "sunset/city_zones.hpp"

#include "engine/plain_text.hpp"
#include "sunset/profile_file.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/time_zones.hpp"

namespace qavo {

void ReadCityZones(CityDatabase& cities, const std::string& iniPath) {
    // An unreadable file was reported by ReadIniOptions.
    const Result<std::string> text = ReadProfileText(iniPath);
    for (int i = 0; i <= cities.LastCityIndex && i < kCitySlots; ++i) {
        CityRecord& city = cities.CityTable[i];
        const auto zone =
            text ? FindProfileValue(*text, kTimeZonesSection, WithoutTrailingBlanks(city.CityName))
                 : std::nullopt;
        city.TimeZone = zone.value_or("");
    }
}

FileResult SaveCityZone(const std::string& iniPath, std::string_view cityName,
                        std::string_view zone) {
    const std::string_view key = WithoutTrailingBlanks(cityName);
    return zone.empty() ? RemoveProfileString(iniPath, kTimeZonesSection, key)
                        : WriteProfileString(iniPath, kTimeZonesSection, key, zone);
}

bool ChooseCityZone(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                    int cityIndex, const std::string& zone) {
    if (cityIndex < 0 || cityIndex > cities.LastCityIndex || cityIndex >= kCitySlots) {
        return false;
    }
    if (!IsKnownZone(zone)) {
        platform.ShowMessage(zone + " is not a time zone of the time-zone database.", "Entry Error",
                             MessageIcon::Stop, MessageButtons::Ok);
        return false;
    }
    CityRecord& city = cities.CityTable[cityIndex];
    if (!SettingSaved(platform, SaveCityZone(iniPath, city.CityName, zone))) {
        return false;
    }
    city.TimeZone = zone;
    return true;
}

void ForgetCityZone(Platform& platform, const std::string& iniPath, std::string_view cityName) {
    SettingSaved(platform, SaveCityZone(iniPath, cityName, ""));
}

}  // namespace qavo
