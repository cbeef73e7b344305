#pragma once
// The two settings of QAVOWIN.INI, section OPTIONS: the daylight hour
// ("DayLightSetting") and the default city ("DEFAULT_CITY").

#include <string>

#include "engine/platform.hpp"
#include "safe_file/file_result.hpp"
#include "sunset/city_database.hpp"

namespace qavo {

inline constexpr const char* kSettingsFileName = "QAVOWIN.INI";

// True when a setting was written; otherwise says why, "... The setting was
// not saved.", in a "Sunset Data Error" message.
bool SettingSaved(Platform& platform, const FileResult& written);

// Reads "DayLightSetting" into DaylightMode ("Standard" when absent; at most
// 8 characters, blank-padded). Says so when the file exists but cannot be read.
void ReadIniOptions(CityDatabase& cities, Platform& platform, const std::string& iniPath);

// Reads "DEFAULT_CITY" (at most 2 characters) into CurrentCity: 0 when absent,
// 0 with "No Default Sunset City Found" when empty, and -1, which names no
// city, when it is not a number.
void ReadDefaultCity(CityDatabase& cities, Platform& platform, const std::string& iniPath);

// Makes cityIndex the current city and writes it as "DEFAULT_CITY" (a blank,
// the digits, blank-padded to 4 characters). False (after a message) when the
// file could not be written.
bool SaveDefaultCity(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                     int cityIndex);

// Sets DaylightMode to "Daylight" or "Standard" and writes it as "DaylightSetting".
// False (after a message) when the file could not be written.
bool SaveDaylightSetting(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                         bool daylight);

// Sets DaylightMode to "Auto" (each date's clock from the city's time zone)
// and writes it as "DaylightSetting". False (after a message) when the file
// could not be written.
bool SaveAutoDaylight(CityDatabase& cities, Platform& platform, const std::string& iniPath);

}  // namespace qavo
