#include "sunset/city_editing.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "sunset/city_file.hpp"
#include "sunset/code_page.hpp"
#include "sunset/data_file.hpp"
#include "sunset/settings_file.hpp"

namespace qavo {

namespace {

constexpr const char* kWarningTitle = "Warning";

std::string NumberText(float value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7).ptr;
    return std::string(buffer, end);
}

}  // namespace

CityFields FieldsOf(const CityRecord& city) {
    return {NumberText(city.LatDeg), NumberText(city.LatMin), NumberText(city.LongDeg),
            NumberText(city.LongMin), std::to_string(city.Zone)};
}

CityEditor::CityEditor(CityDatabase& cities, Platform& platform, std::string iniPath)
    : cities_(cities), platform_(platform), iniPath_(std::move(iniPath)) {}

void CityEditor::LoadCities() {
    LoadCityFile(cities_, platform_, iniPath_);
    // Declining the default file loads nothing: the all-blank record left in
    // the table is no city to list.
    std::string error;
    if (!FindFileCaseBlind(cities_.Directory, kCityFileName, error) && cities_.LastCityIndex <= 0 &&
        cities_.CityTable[0] == CityRecord{}) {
        cities_.LastCityIndex = -1;
    }
}

SetupStart CityEditor::Start() {
    SetupStart start;
    if (cities_.LastCityIndex >= 0) {
        if (cities_.CurrentCity < 0 || cities_.CurrentCity > cities_.LastCityIndex) {
            Warn("Error in Default City Setting. Modify setup.", MessageIcon::Exclamation);
            cities_.CurrentCity = 0;  // the first city
        }
        start.city = cities_.CurrentCity;
    }
    if (SameIgnoringCase(cities_.DaylightMode, "STANDARD")) {
        start.daylight = false;
    } else if (SameIgnoringCase(cities_.DaylightMode, "DAYLIGHT")) {
        start.daylight = true;
    } else {
        Warn("Improper Daylight parameter in INI file.", MessageIcon::Exclamation);
    }
    return start;
}

std::optional<int> CityEditor::CityNamed(std::string_view typed, int selected) const {
    const auto nameOf = [this](int i) { return WithoutBlanks(cities_.CityTable[i].CityName); };
    if (selected >= 0 && selected <= cities_.LastCityIndex && nameOf(selected) == typed) {
        return selected;
    }
    for (int i = 0; i <= cities_.LastCityIndex; ++i) {
        if (nameOf(i) == typed) {
            return i;
        }
    }
    return std::nullopt;
}

void CityEditor::RefuseChangedName() {
    Warn("Do not modify name. Delete and add new entry.", MessageIcon::Stop);
}

bool CityEditor::CanAddCity() {
    if (cities_.LastCityIndex + 1 >= kMaxCityRecords) {
        Warn("SUNSET.DAT holds at most 99 cities. Delete a city before adding a new one.",
             MessageIcon::Exclamation);
        return false;
    }
    return true;
}

std::optional<CityRecord> CityEditor::ReadNumbers(const CityFields& fields) const {
    const double latDeg = ReadLeadingValue(fields.latDeg);
    const double latMin = ReadLeadingValue(fields.latMin);
    const double longDeg = ReadLeadingValue(fields.longDeg);
    const double longMin = ReadLeadingValue(fields.longMin);
    // The zone is checked as typed and stored rounded half to even.
    if (!IsValidDegrees(latDeg) || !IsValidMinutes(latMin) || !IsValidDegrees(longDeg) ||
        !IsValidMinutes(longMin) || !IsValidZone(ReadLeadingValue(fields.zone))) {
        return std::nullopt;
    }
    CityRecord city;
    city.LatDeg = static_cast<float>(latDeg);
    city.LatMin = static_cast<float>(latMin);
    city.LongDeg = static_cast<float>(longDeg);
    city.LongMin = static_cast<float>(longMin);
    city.Zone = ReadLeadingNumber(fields.zone).value;
    return city;
}

bool CityEditor::NameIsRefused(std::string_view name) {
    // A city without a name could not be told from the others in the list.
    if (WithoutBlanks(name).empty()) {
        RefuseEntry("Invalid data");
        return true;
    }
    // The file holds one byte per letter: any other letter would come back as "?".
    if (!FitsWindows1252(name)) {
        RefuseEntry(
            "SUNSET.DAT can hold only the letters of the Windows-1252 code page. The city "
            "was not saved.");
        return true;
    }
    // Two cities of one name could not be told apart in the list.
    const std::string stored(WithoutBlanks(PadCityName(name)));
    for (int i = 0; i <= cities_.LastCityIndex; ++i) {
        // Names are told apart as file names are here: without regard to case.
        if (SameIgnoringCase(WithoutBlanks(cities_.CityTable[i].CityName), stored)) {
            RefuseEntry("There is already a city named " + stored +
                        ". Choose another name for the new city.");
            return true;
        }
    }
    return false;
}

SaveResult CityEditor::AddCity(std::string_view name, const CityFields& fields,
                               std::optional<bool> daylight) {
    if (!CanAddCity()) {
        return SaveResult::Refused;
    }
    std::optional<CityRecord> city = ReadNumbers(fields);
    if (!city) {
        RefuseEntry("Invalid data");
        return SaveResult::Refused;
    }
    if (NameIsRefused(name)) {
        return SaveResult::Refused;
    }
    city->CityName = PadCityName(name);
    cities_.CityTable[++cities_.LastCityIndex] = *city;
    return Write(daylight);
}

SaveResult CityEditor::ChangeCity(int cityIndex, const CityFields& fields,
                                  std::optional<bool> daylight) {
    if (cityIndex < 0 || cityIndex > cities_.LastCityIndex) {
        return SaveResult::Refused;
    }
    std::optional<CityRecord> city = ReadNumbers(fields);
    if (!city) {
        RefuseEntry("Invalid data");
        return SaveResult::Refused;
    }
    city->CityName = cities_.CityTable[cityIndex].CityName;
    cities_.CityTable[cityIndex] = *city;
    return Write(daylight);
}

bool CityEditor::DeleteCity(std::string_view shownName, int cityIndex) {
    if (shownName == "New York") {
        Warn("Cannot erase New York entry", MessageIcon::Stop);
        return false;
    }
    if (cityIndex < 0 || cityIndex > cities_.LastCityIndex) {
        return false;  // no listed city is selected (a new one is being typed)
    }
    if (cities_.LastCityIndex == 0) {
        Warn("Cannot erase the only city entry. Add another city first.", MessageIcon::Stop);
        return false;
    }
    auto& table = cities_.CityTable;
    std::move(table.begin() + cityIndex + 1, table.begin() + cities_.LastCityIndex + 1,
              table.begin() + cityIndex);
    table[cities_.LastCityIndex--] = CityRecord{};
    WriteCityFile(cities_, platform_);
    SaveDefaultCity(cities_, platform_, iniPath_, 0);
    return true;
}

bool CityEditor::MakeDefault(int cityIndex) {
    return SaveDefaultCity(cities_, platform_, iniPath_, cityIndex);
}

void CityEditor::SaveDaylight(std::optional<bool> daylight) {
    if (daylight) {
        SaveDaylightSetting(cities_, platform_, iniPath_, *daylight);
    }
}

SaveResult CityEditor::Write(std::optional<bool> daylight) {
    SaveDaylight(daylight);
    return WriteCityFile(cities_, platform_) ? SaveResult::Written : SaveResult::NotWritten;
}

void CityEditor::Warn(const std::string& text, MessageIcon icon) {
    platform_.ShowMessage(text, kWarningTitle, icon, MessageButtons::Ok);
}

void CityEditor::RefuseEntry(const std::string& text) {
    platform_.ShowMessage(text, "Entry Error", MessageIcon::Stop, MessageButtons::Ok);
}

}  // namespace qavo
