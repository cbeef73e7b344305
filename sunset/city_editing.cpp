#include "sunset/city_editing.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "sunset/city_file.hpp"
#include "sunset/code_page.hpp"
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
    } else if (IsAutoDaylight(cities_.DaylightMode)) {
        start.autoDaylight = true;
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

std::optional<CityRecord> CityEditor::ReadNumbers(const CityFields& fields) {
    // Each box as the dialog labels it, checked as typed.
    const struct {
        const std::string& text;
        const char* label;
        int limit;
        bool (*valid)(double);
    } boxes[] = {
        {fields.latDeg, "Latitude Deg", kLatitudeLimit, IsValidLatitude},
        {fields.latMin, "Latitude Min", kMinuteLimit, IsValidMinutes},
        {fields.longDeg, "Longitude Deg", kLongitudeLimit, IsValidLongitude},
        {fields.longMin, "Longitude Min", kMinuteLimit, IsValidMinutes},
        {fields.zone, "Hrs. From GMT", kZoneLimit, IsValidZone},
    };
    for (const auto& box : boxes) {
        if (!box.valid(ReadLeadingValue(box.text))) {
            RefuseEntry("Invalid data: " + std::string(box.label) + " must be a number from -" +
                        std::to_string(box.limit) + " to " + std::to_string(box.limit) + ".");
            return std::nullopt;
        }
    }
    CityRecord city;
    city.LatDeg = static_cast<float>(ReadLeadingValue(fields.latDeg));
    city.LatMin = static_cast<float>(ReadLeadingValue(fields.latMin));
    city.LongDeg = static_cast<float>(ReadLeadingValue(fields.longDeg));
    city.LongMin = static_cast<float>(ReadLeadingValue(fields.longMin));
    city.Zone = ReadLeadingNumber(fields.zone).value;  // rounded half to even
    return city;
}

bool CityEditor::ReloadIfChanged() {
    if (!CityFileChanged(cities_)) {
        return false;
    }
    Warn(
        "SUNSET.DAT was changed by another program since Sunset Setup read it. It was read "
        "again, and your change is made to the cities it holds now.",
        MessageIcon::Exclamation);
    LoadCities();
    return true;
}

bool CityEditor::HasUnsavedChanges(bool newCity, int cityIndex, std::string_view name,
                                   const CityFields& fields) const {
    const std::string_view typed[] = {fields.latDeg, fields.latMin, fields.longDeg, fields.longMin,
                                      fields.zone};
    if (newCity) {
        return !WithoutBlanks(name).empty() ||
               std::any_of(std::begin(typed), std::end(typed),
                           [](auto t) { return !WithoutBlanks(t).empty(); });
    }
    if (cityIndex < 0 || cityIndex > cities_.LastCityIndex) {
        return false;
    }
    const CityRecord& city = cities_.CityTable[cityIndex];
    const double stored[] = {city.LatDeg, city.LatMin, city.LongDeg, city.LongMin,
                             static_cast<double>(city.Zone)};
    for (std::size_t i = 0; i < std::size(typed); ++i) {
        if (static_cast<float>(ReadLeadingValue(typed[i])) != static_cast<float>(stored[i])) {
            return true;
        }
    }
    return false;
}

bool CityEditor::MayDiscard(bool newCity, int cityIndex, std::string_view name,
                            const CityFields& fields) {
    return !HasUnsavedChanges(newCity, cityIndex, name, fields) ||
           platform_.ShowMessage("The city shown has changes that were not saved. Discard them?",
                                 kWarningTitle, MessageIcon::Question,
                                 MessageButtons::YesNo) == MessageAnswer::Yes;
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
    if (!city || (ReloadIfChanged() && !CanAddCity()) || NameIsRefused(name)) {
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
        return SaveResult::Refused;
    }
    city->CityName = cities_.CityTable[cityIndex].CityName;
    // The city is found again by its name in a file that another program changed.
    if (ReloadIfChanged()) {
        const std::optional<int> found = CityNamed(WithoutBlanks(city->CityName), -1);
        if (!found) {
            RefuseEntry(std::string(WithoutBlanks(city->CityName)) +
                        " is no longer in SUNSET.DAT. The change was not saved.");
            return SaveResult::Refused;
        }
        cityIndex = *found;
    }
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
    const auto onlyCity = [this] {
        if (cities_.LastCityIndex > 0) {
            return false;
        }
        Warn("Cannot erase the only city entry. Add another city first.", MessageIcon::Stop);
        return true;
    };
    const std::string name(WithoutBlanks(cities_.CityTable[cityIndex].CityName));
    if (onlyCity() ||
        platform_.ShowMessage("Delete " + name + " from the cities?", kWarningTitle,
                              MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return false;
    }
    if (ReloadIfChanged()) {
        const std::optional<int> found = CityNamed(name, -1);
        if (!found) {
            return true;  // another program deleted it already
        }
        if (onlyCity()) {
            return false;
        }
        cityIndex = *found;
    }
    const CityDatabase before = cities_;
    auto& table = cities_.CityTable;
    std::move(table.begin() + cityIndex + 1, table.begin() + cities_.LastCityIndex + 1,
              table.begin() + cityIndex);
    table[cities_.LastCityIndex--] = CityRecord{};
    // A city that stays in the file stays in the list, and the default too.
    if (!WriteCityFile(cities_, platform_)) {
        cities_ = before;
        return false;
    }
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
