#include "sunset/city_file.hpp"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "sunset/city_zones.hpp"
#include "sunset/code_page.hpp"
#include "sunset/data_file.hpp"
#include "sunset/settings_file.hpp"

namespace qavo {

namespace {

constexpr const char* kDataErrorTitle = "Sunset Data Error";

void Report(Platform& platform, const std::string& text) {
    platform.ShowMessage(text, kDataErrorTitle, MessageIcon::Exclamation, MessageButtons::Ok);
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint32_t GetLittleEndian(std::string_view bytes, std::size_t offset, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

float GetFloat(std::string_view bytes, std::size_t offset) {
    return std::bit_cast<float>(GetLittleEndian(bytes, offset, 4));
}

// The path sunset.dat has, or gets when it is first written.
std::string CityFilePath(const CityDatabase& cities, std::string& error) {
    const auto found = FindFileCaseBlind(cities.Directory, kCityFileName, error);
    return found ? *found : (std::filesystem::path(cities.Directory) / kCityFileName).string();
}

void UseDefaultCityOnly(CityDatabase& cities) {
    cities.CityTable.fill(CityRecord{});
    cities.CityTable[0] = DefaultCity();
    cities.LastCityIndex = 0;
}

// Sets the numbers outside the dialog's ranges (or not numbers at all) to 0;
// false when there was any.
bool MendCityNumbers(CityRecord& city) {
    if (IsValidCityRecord(city)) {
        return true;
    }
    for (float* degrees : {&city.LatDeg, &city.LongDeg}) {
        *degrees = IsValidDegrees(*degrees) ? *degrees : 0;
    }
    for (float* minutes : {&city.LatMin, &city.LongMin}) {
        *minutes = IsValidMinutes(*minutes) ? *minutes : 0;
    }
    city.Zone = IsValidZone(city.Zone) ? city.Zone : Integer{0};
    return false;
}

// Loads the records of a file's bytes into the table, reporting what did not fit.
void LoadCityBytes(CityDatabase& cities, Platform& platform, std::string_view bytes) {
    std::size_t records = bytes.size() / kCityRecordSize;
    std::size_t rest = bytes.size() % kCityRecordSize;
    if (rest == kCityRecordSize - 2) {  // the last record without its unused bytes is whole
        ++records;
        rest = 0;
    }
    if (records == 0) {
        Report(platform,
               "SUNSET.DAT holds no city. New York is used until the cities are saved in Sunset "
               "Setup.");
        UseDefaultCityOnly(cities);
        return;
    }
    if (records > static_cast<std::size_t>(kMaxCityRecords)) {
        Report(platform, "SUNSET.DAT holds more than " + std::to_string(kMaxCityRecords) +
                             " cities. Only the first " + std::to_string(kMaxCityRecords) +
                             " were loaded.");
        records = kMaxCityRecords;
    } else if (rest != 0) {
        Report(platform, "SUNSET.DAT ends in " + std::to_string(rest) +
                             " bytes that make no whole city record. They were ignored.");
    }
    std::string mended;
    cities.CityTable.fill(CityRecord{});
    for (std::size_t i = 0; i < records; ++i) {
        // The last record may lack its two unused bytes; pad it for decoding.
        std::string record(bytes.substr(i * kCityRecordSize, kCityRecordSize));
        record.resize(kCityRecordSize, '\0');
        CityRecord city = DecodeCityRecord(record);
        if (!MendCityNumbers(city)) {
            mended += (mended.empty() ? "" : ", ") + std::to_string(i + 1);
        }
        cities.CityTable[i] = std::move(city);
    }
    cities.LastCityIndex = static_cast<std::int32_t>(records) - 1;
    if (!mended.empty()) {
        const bool several = mended.find(',') != std::string::npos;
        Report(platform, std::string("SUNSET.DAT: ") + (several ? "records " : "record ") + mended +
                             (several ? " hold" : " holds") +
                             " a latitude, longitude or zone out of range; those values were "
                             "set to 0. Correct them in Sunset Setup.");
    }
}

bool WriteRecords(const std::string& path, std::string_view bytes, Platform& platform) {
    std::string error;
    if (!ReplaceFileSafely(path, bytes, error)) {
        Report(platform,
               "SUNSET.DAT could not be written: " + error + ". The cities in memory are kept.");
        return false;
    }
    return true;
}

}  // namespace

std::string EncodeCityRecord(const CityRecord& city) {
    std::string record = Utf8ToWindows1252(city.CityName);
    record.resize(kCityNameWidth, ' ');
    for (const float value : {city.LatDeg, city.LatMin, city.LongDeg, city.LongMin}) {
        PutLittleEndian(record, std::bit_cast<std::uint32_t>(value), 4);
    }
    PutLittleEndian(record, static_cast<std::uint16_t>(city.Zone), 2);
    PutLittleEndian(record, 0, 2);  // unused
    return record;
}

CityRecord DecodeCityRecord(std::string_view bytes) {
    std::string name(bytes.substr(0, kCityNameWidth));
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20) {  // padding written as zero bytes
            c = ' ';
        }
    }
    CityRecord city;
    city.CityName = Windows1252ToUtf8(name);
    city.LatDeg = GetFloat(bytes, 20);
    city.LatMin = GetFloat(bytes, 24);
    city.LongDeg = GetFloat(bytes, 28);
    city.LongMin = GetFloat(bytes, 32);
    city.Zone = static_cast<Integer>(GetLittleEndian(bytes, 36, 2));
    return city;
}

void LoadCityFile(CityDatabase& cities, Platform& platform, const std::string& iniPath,
                  MissingCityFile missing) {
    std::string error;
    std::optional<std::string> path = FindFileCaseBlind(cities.Directory, kCityFileName, error);
    if (!error.empty()) {
        Report(platform, "SUNSET.DAT cannot be read: " + error + ".");
    } else if (!path && missing == MissingCityFile::UseDefaultInMemory) {
        UseDefaultCityOnly(cities);
    } else if (!path) {
        const MessageAnswer answer =
            platform.ShowMessage("SUNSET.DAT not found.  Make default file?", kDataErrorTitle,
                                 MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            return;
        }
        const std::string created = CityFilePath(cities, error);
        if (!WriteRecords(created, EncodeCityRecord(DefaultCity()), platform)) {
            UseDefaultCityOnly(cities);
        } else {
            path = created;
        }
    }
    if (path) {
        const auto bytes = ReadFileBytes(*path, (kMaxCityRecords + 1) * kCityRecordSize, error);
        if (bytes) {
            LoadCityBytes(cities, platform, *bytes);
        } else {
            Report(platform,
                   "SUNSET.DAT cannot be read: " + error + ". The cities in memory are kept.");
        }
    }
    ReadCityZones(cities, iniPath);
    ReadDefaultCity(cities, platform, iniPath);
}

bool WriteDefaultCityFile(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    std::string error;
    if (!WriteRecords(CityFilePath(cities, error), EncodeCityRecord(DefaultCity()), platform)) {
        return false;
    }
    LoadCityFile(cities, platform, iniPath);
    return true;
}

bool WriteCityFile(const CityDatabase& cities, Platform& platform) {
    const int count = cities.LastCityIndex + 1;
    if (count < 1 || count > kMaxCityRecords) {
        Report(platform, "SUNSET.DAT holds 1 to " + std::to_string(kMaxCityRecords) +
                             " cities; the cities were not saved.");
        return false;
    }
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += EncodeCityRecord(cities.CityTable[i]);
    }
    std::string error;
    return WriteRecords(CityFilePath(cities, error), bytes, platform);
}

}  // namespace qavo
