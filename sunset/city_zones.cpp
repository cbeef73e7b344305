#include "sunset/city_zones.hpp"

#include "engine/plain_text.hpp"
#include "sunset/data_file.hpp"
#include "sunset/profile_file.hpp"
#include "sunset/time_zones.hpp"

namespace qavo {

namespace {

// A settings file is a few lines; anything far larger is not one.
constexpr std::size_t kMaxSettingsFileBytes = 1 << 20;

// True when saved; otherwise says why.
bool Saved(Platform& platform, const FileResult& saved) {
    if (!saved) {
        platform.ShowMessage(saved.error + ". The setting was not saved.", "Sunset Data Error",
                             MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return static_cast<bool>(saved);
}

}  // namespace

void ReadCityZones(CityDatabase& cities, const std::string& iniPath) {
    std::string error;
    const auto text = ReadFileBytes(iniPath, kMaxSettingsFileBytes, error);
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
    if (!Saved(platform, SaveCityZone(iniPath, city.CityName, zone))) {
        return false;
    }
    city.TimeZone = zone;
    return true;
}

void ForgetCityZone(Platform& platform, const std::string& iniPath, std::string_view cityName) {
    Saved(platform, SaveCityZone(iniPath, cityName, ""));
}

}  // namespace qavo
