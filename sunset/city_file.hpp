#pragma once
// sunset.dat: the city database on disk, a flat file of 40-byte records
// (name in Windows-1252, four little-endian single-precision floats, a 16-bit
// zone and two unused bytes), no header and no count.

#include <string>

#include "engine/platform.hpp"
#include "sunset/city_database.hpp"

namespace qavo {

inline constexpr std::size_t kCityRecordSize = 40;
inline constexpr const char* kCityFileName = "sunset.dat";

// What LoadCityFile does when there is no sunset.dat: ask whether to create the
// default file (the desktop program), or use the default city in memory
// without asking or writing (the command-line tool).
enum class MissingCityFile { AskToCreate, UseDefaultInMemory };

// Loads sunset.dat from cities.Directory into CityTable and LastCityIndex,
// then reads the default city (ReadDefaultCity). Every fault of the file is
// reported through the platform and the program goes on: records that do not
// fit are left out, numbers out of range are set to 0, a file without a whole
// record gives New York, and a file that cannot be read leaves the cities in
// memory as they were (New York when there were none). Without a file New
// York is used from memory, whether or not the user has the default file
// written.
void LoadCityFile(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                  MissingCityFile missing = MissingCityFile::AskToCreate);

// Writes a sunset.dat holding New York alone, then loads it. False (after a
// message) when it could not be written; the cities in memory then stay.
bool WriteDefaultCityFile(CityDatabase& cities, Platform& platform, const std::string& iniPath);

// True when sunset.dat is no longer what was last read or written.
bool CityFileChanged(const CityDatabase& cities);

// Replaces sunset.dat by records 0 to LastCityIndex of the table. False (after
// a message) when it could not be written, or when a save would lose what is
// on disk: records that were not loaded, or a change by another program. The
// old file and the cities in memory then stay as they were.
bool WriteCityFile(CityDatabase& cities, Platform& platform);

// The 40 bytes of one record, and back (names UTF-8 in memory).
std::string EncodeCityRecord(const CityRecord& city);
CityRecord DecodeCityRecord(std::string_view bytes);

}  // namespace qavo
