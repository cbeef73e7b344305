#include "sunset/settings_file.hpp"

#include <algorithm>
#include <cctype>

#include "engine/number_text.hpp"
#include "sunset/profile_file.hpp"

namespace qavo {

namespace {

constexpr const char* kSection = "OPTIONS";
constexpr const char* kDefaultDaylightMode = "Standard";
constexpr const char* kDefaultCity = "0";

// An optional sign and at least one digit after optional blanks.
bool StartsWithNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

}  // namespace

bool SettingSaved(Platform& platform, const FileResult& written) {
    if (!written) {
        platform.ShowMessage(written.error() + ". The setting was not saved.", "Sunset Data Error",
                             MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return static_cast<bool>(written);
}

void ReadIniOptions(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    const Result<std::string> read = ReadProfileString(iniPath, kSection, "DayLightSetting",
                                                       kDefaultDaylightMode, kDaylightModeWidth);
    if (!read) {
        platform.ShowMessage(
            "QAVOWIN.INI cannot be read: " + read.error() + ". The default settings are used.",
            "Sunset Data Error", MessageIcon::Exclamation, MessageButtons::Ok);
    }
    std::string mode = read.value_or(kDefaultDaylightMode);
    mode.resize(kDaylightModeWidth, ' ');
    cities.DaylightMode = std::move(mode);
}

void ReadDefaultCity(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    // An unreadable file was reported by ReadIniOptions.
    const std::string value = ReadProfileString(iniPath, kSection, "DEFAULT_CITY", kDefaultCity, 2)
                                  .value_or(kDefaultCity);
    if (value.empty()) {
        platform.ShowMessage("No Default Sunset City Found", "Sunset Error",
                             MessageIcon::Exclamation, MessageButtons::Ok);
        cities.CurrentCity = 0;
    } else {
        cities.CurrentCity = StartsWithNumber(value) ? ReadLeadingNumber(value).value : -1;
    }
}

bool SaveDefaultCity(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                     int cityIndex) {
    cities.CurrentCity = static_cast<Integer>(cityIndex);
    std::string text = BlankSigned(cityIndex);
    text.resize(std::max<std::size_t>(text.size(), 4), ' ');
    return SettingSaved(platform, WriteProfileString(iniPath, kSection, "DEFAULT_CITY", text));
}

bool SaveDaylightSetting(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                         bool daylight) {
    cities.DaylightMode = daylight ? "Daylight" : "Standard";
    return SettingSaved(
        platform, WriteProfileString(iniPath, kSection, "DaylightSetting", cities.DaylightMode));
}

bool SaveAutoDaylight(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    if (!SettingSaved(platform, WriteProfileString(iniPath, kSection, "DaylightSetting", "Auto"))) {
        return false;
    }
    cities.DaylightMode = "Auto    ";
    return true;
}

}  // namespace qavo
