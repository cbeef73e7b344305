#include "sunset/city_zones.hpp"

#include "sunset/data_file.hpp"
#include "sunset/profile_file.hpp"
#include "sunset/time_zones.hpp"

namespace qavo {

namespace {

// A settings file is a few lines; anything far larger is not one.
constexpr std::size_t kMaxSettingsFileBytes = 1 << 20;

std::string_view WithoutPadding(std::string_view name) {
    const std::size_t end = name.find_last_not_of(' ');
    return name.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

void ReportWriteFailure(Platform& platform, const std::string& error) {
    platform.ShowMessage(
        "QAVOWIN.INI could not be written: " + error + ". The setting was not saved.",
        "Sunset Data Error", MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace

void ReadCityZones(CityDatabase& cities, const std::string& iniPath) {
    std::string error;
    const auto text = ReadFileBytes(iniPath, kMaxSettingsFileBytes, error);
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
    std::string error;
    if (!SaveCityZone(iniPath, city.CityName, zone, error)) {
        ReportWriteFailure(platform, error);
        return false;
    }
    city.TimeZone = zone;
    return true;
}

void ForgetCityZone(Platform& platform, const std::string& iniPath, std::string_view cityName) {
    std::string error;
    if (!SaveCityZone(iniPath, cityName, "", error)) {
        ReportWriteFailure(platform, error);
    }
}

}  // namespace qavo
