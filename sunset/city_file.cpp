#include "sunset/city_file.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>

#include "safe_file/read_file.hpp"
#include "safe_file/safe_file.hpp"
#include "sunset/city_zones.hpp"
#include "sunset/code_page.hpp"
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

bool HoldsCities(const CityDatabase& cities) {
    return cities.LastCityIndex > 0 || !(cities.CityTable[0] == CityRecord{});
}

// Whole records in a file of `size` bytes; the last may lack its two unused bytes.
std::size_t WholeRecords(std::size_t size) {
    return size / kCityRecordSize + (size % kCityRecordSize == kCityRecordSize - 2 ? 1 : 0);
}

// sunset.dat as it is on disk now, none when there is no such file; a
// failure naming it and the reason when it cannot be read.
Result<std::optional<std::string>> CityFileOnDisk(const CityDatabase& cities) {
    const Result<std::optional<std::string>> path =
        FindFileCaseBlind(cities.Directory, kCityFileName);
    if (!path) {
        return Failure{"SUNSET.DAT cannot be read: " + path.error()};
    }
    if (!*path) {
        return std::nullopt;
    }
    Result<std::string> bytes = ReadFileBytes(**path, (kMaxCityRecords + 1) * kCityRecordSize);
    if (!bytes) {
        return Failure{**path + " cannot be read: " + bytes.error()};
    }
    return *std::move(bytes);
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
    city.LatDeg = IsValidLatitude(city.LatDeg) ? city.LatDeg : 0;
    city.LongDeg = IsValidLongitude(city.LongDeg) ? city.LongDeg : 0;
    for (float* minutes : {&city.LatMin, &city.LongMin}) {
        *minutes = IsValidMinutes(*minutes) ? *minutes : 0;
    }
    city.Zone = IsValidZone(city.Zone) ? city.Zone : Integer{0};
    return false;
}

// Loads the records of a file's bytes into the table, reporting what did not fit.
void LoadCityBytes(CityDatabase& cities, Platform& platform, std::string_view bytes) {
    std::size_t records = WholeRecords(bytes.size());
    const std::size_t rest = bytes.size() - std::min(bytes.size(), records * kCityRecordSize);
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
                             " were loaded, and the cities cannot be saved.");
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
    const FileResult written = ReplaceFileSafely(path, bytes);
    if (!written) {
        Report(platform, written.error() + ". The cities in memory are kept.");
    }
    return static_cast<bool>(written);
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
    const Result<std::optional<std::string>> bytes = CityFileOnDisk(cities);
    if (!bytes) {
        // The cities in memory, or New York when there are none, serve until it can be read.
        Report(platform, bytes.error() + (HoldsCities(cities) ? ". The cities in memory are kept."
                                                              : ". New York is used meanwhile."));
        if (!HoldsCities(cities)) {
            UseDefaultCityOnly(cities);
        }
    } else if (!*bytes) {
        // New York is used from memory unless the user wants it written.
        cities.CityFileBytes.reset();
        UseDefaultCityOnly(cities);
        if (missing == MissingCityFile::UseDefaultInMemory) {
            ReadCityZones(cities, iniPath);
            ReadDefaultCity(cities, platform, iniPath);
        } else if (platform.ShowMessage("SUNSET.DAT not found.  Make default file?",
                                        kDataErrorTitle, MessageIcon::Question,
                                        MessageButtons::YesNo) == MessageAnswer::Yes) {
            WriteDefaultCityFile(cities, platform, iniPath);
        } else {
            cities.CurrentCity = 0;
        }
        return;
    } else {
        cities.CityFileBytes = **bytes;
        LoadCityBytes(cities, platform, **bytes);
    }
    ReadCityZones(cities, iniPath);
    ReadDefaultCity(cities, platform, iniPath);
}

bool WriteDefaultCityFile(CityDatabase& cities, Platform& platform, const std::string& iniPath) {
    if (!WriteRecords(CaseBlindPath(cities.Directory, kCityFileName),
                      EncodeCityRecord(DefaultCity()), platform)) {
        return false;
    }
    LoadCityFile(cities, platform, iniPath);
    return true;
}

bool CityFileChanged(const CityDatabase& cities) {
    const Result<std::optional<std::string>> bytes = CityFileOnDisk(cities);
    return bytes && *bytes != cities.CityFileBytes;
}

bool WriteCityFile(CityDatabase& cities, Platform& platform) {
    const int count = cities.LastCityIndex + 1;
    if (count < 1 || count > kMaxCityRecords) {
        Report(platform, "SUNSET.DAT holds 1 to " + std::to_string(kMaxCityRecords) +
                             " cities; the cities were not saved.");
        return false;
    }
    // A save never deletes what it did not load, nor what another program wrote.
    if (cities.CityFileBytes &&
        WholeRecords(cities.CityFileBytes->size()) > static_cast<std::size_t>(kMaxCityRecords)) {
        Report(platform, "SUNSET.DAT holds more than " + std::to_string(kMaxCityRecords) +
                             " cities, and a save would delete those that were not loaded. The "
                             "cities were not saved.");
        return false;
    }
    const Result<std::optional<std::string>> onDisk = CityFileOnDisk(cities);
    if (!onDisk) {
        Report(platform, onDisk.error() + ". The cities were not saved.");
        return false;
    }
    if (*onDisk != cities.CityFileBytes) {
        Report(platform,
               "SUNSET.DAT was changed by another program since it was read. The cities were "
               "not saved.");
        return false;
    }
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += EncodeCityRecord(cities.CityTable[i]);
    }
    if (!WriteRecords(CaseBlindPath(cities.Directory, kCityFileName), bytes, platform)) {
        return false;
    }
    cities.CityFileBytes = std::move(bytes);
    return true;
}

}  // namespace qavo
