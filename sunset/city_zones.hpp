#pragma once
// The chosen time zone of each city, kept in QAVOWIN.INI, section TIMEZONES,
// one key per city: the city name without its padding blanks, and the zone
// name as its value. sunset.dat stays as it is.

#include <string>
#include <string_view>

#include "engine/platform.hpp"
#include "safe_file/file_result.hpp"
#include "sunset/city_database.hpp"

namespace qavo {

inline constexpr const char* kTimeZonesSection = "TIMEZONES";

// Reads the entry of every loaded city into its TimeZone (empty without one).
// An unreadable settings file gives no entries (ReadIniOptions reports it).
void ReadCityZones(CityDatabase& cities, const std::string& iniPath);

// Writes the entry of the city named `cityName` (padded or not); an empty
// zone removes it.
FileResult SaveCityZone(const std::string& iniPath, std::string_view cityName,
                        std::string_view zone);

// The sunset setup's choice of a zone for the city at `cityIndex`: kept in
// the table and written as its entry. False (after a message) when the
// database has no such zone or the file could not be written.
bool ChooseCityZone(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                    int cityIndex, const std::string& zone);

// Removes the entry of a city that is no more (after a message when the file
// could not be written).
void ForgetCityZone(Platform& platform, const std::string& iniPath, std::string_view cityName);

}  // namespace qavo
