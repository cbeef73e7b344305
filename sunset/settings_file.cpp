#include "sunset/settings_file.hpp"

#include <algorithm>
#include <cctype>

#include "engine/number_text.hpp"
#include "sunset/profile_file.hpp"

namespace qavo {

namespace {

constexpr const char* kSection = "OPTIONS";

// True when written; otherwise says why.
bool Saved(Platform& platform, const FileResult& written) {
    if (written) {
        return true;
    }
    platform.ShowMessage(written.error + ". The setting was not saved.", "Sunset Data Error",
                         MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

// An optional sign and at least one digit after optional blanks.
bool StartsWithNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

}  // namespace

void ReadIniOptions(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    std::string error;
    std::string mode = ReadProfileString(iniPath, kSection, "DayLightSetting", "Standard",
                                         kDaylightModeWidth, error);
    if (!error.empty()) {
        platform.ShowMessage(
            "QAVOWIN.INI cannot be read: " + error + ". The default settings are used.",
            "Sunset Data Error", MessageIcon::Exclamation, MessageButtons::Ok);
    }
    mode.resize(kDaylightModeWidth, ' ');
    cities.DaylightMode = std::move(mode);
}

void ReadDefaultCity(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    std::string error;  // an unreadable file was reported by ReadIniOptions
    const std::string value = ReadProfileString(iniPath, kSection, "DEFAULT_CITY", "0", 2, error);
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
    return Saved(platform, WriteProfileString(iniPath, kSection, "DEFAULT_CITY", text));
}

bool SaveDaylightSetting(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                         bool daylight) {
    cities.DaylightMode = daylight ? "Daylight" : "Standard";
    return Saved(platform,
                 WriteProfileString(iniPath, kSection, "DaylightSetting", cities.DaylightMode));
}

bool SaveAutoDaylight(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    if (!Saved(platform, WriteProfileString(iniPath, kSection, "DaylightSetting", "Auto"))) {
        return false;
    }
    cities.DaylightMode = "Auto    ";
    return true;
}

}  // namespace qavo
