#pragma once
// The steps of the sunset setup dialog on the city database, without any
// window: opening, New, Save, Delete and Make Default. Each step checks what
// it is given, changes the city table, writes sunset.dat and QAVOWIN.INI and
// reports a refusal through the platform; the dialog reads its boxes, calls a
// step and shows the city the step leaves selected.

#include <optional>
#include <string>
#include <string_view>

#include "engine/platform.hpp"
#include "sunset/city_database.hpp"

namespace qavo {

// The five number boxes of a city as typed (or as shown).
struct CityFields {
    std::string latDeg, latMin, longDeg, longMin, zone;
};

// The texts the boxes show for a city: its numbers without leading blanks.
CityFields FieldsOf(const CityRecord& city);

// What the dialog shows when it opens: the table index to select (none when
// there is no city) and the state of the daylight box (none: leave it), or Auto.
struct SetupStart {
    std::optional<int> city;
    std::optional<bool> daylight;
    bool autoDaylight = false;  // "Auto": each date's clock from the city's time zone
};

enum class SaveResult { Refused, NotWritten, Written };

class CityEditor {
  public:
    CityEditor(CityDatabase& cities, Platform& platform, std::string iniPath);

    // Loads sunset.dat again (New York alone when there is none).
    void LoadCities();
    // Checks the default city and the daylight setting, with a warning for each fault.
    SetupStart Start();

    // The city a name typed into the city box names: `selected` when it is
    // its name, else the first city of that name; none when no city has it.
    std::optional<int> CityNamed(std::string_view typed, int selected) const;
    // The warning for a listed city's name changed in the box.
    void RefuseChangedName();

    // New: false (after a warning) when sunset.dat holds all the cities it can.
    bool CanAddCity();
    // Save of a new city: appended as the last city when its numbers lie in
    // range and its name is new and fits the file's code page. `daylight`
    // is the daylight box when it was clicked, written along.
    SaveResult AddCity(std::string_view name, const CityFields& fields,
                       std::optional<bool> daylight);
    // Save of the listed city at `cityIndex`: its numbers, in its own slot.
    SaveResult ChangeCity(int cityIndex, const CityFields& fields, std::optional<bool> daylight);
    // Delete, once the user confirms: `shownName` is the text of the city
    // box, `cityIndex` the selected city (negative for none). Afterwards the
    // first city is the current and default one. False when nothing was
    // deleted (a refusal, No, or a file that could not be written).
    bool DeleteCity(std::string_view shownName, int cityIndex);
    // Make Default: true when the default city was written.
    bool MakeDefault(int cityIndex);
    // Writes the daylight box when it was clicked (Make Default).
    void SaveDaylight(std::optional<bool> daylight);

    // Whether the boxes hold what no save has stored: anything typed for a
    // new city, or numbers other than those of the listed city `cityIndex`.
    bool HasUnsavedChanges(bool newCity, int cityIndex, std::string_view name,
                           const CityFields& fields) const;
    // Before the boxes are emptied or the dialog closes: true when there is
    // nothing unsaved, or the user agrees to discard it.
    bool MayDiscard(bool newCity, int cityIndex, std::string_view name, const CityFields& fields);

  private:
    // The numbers of the boxes when every one lies in range; otherwise
    // nothing, after a message that names the first box out of range.
    std::optional<CityRecord> ReadNumbers(const CityFields& fields);
    // Loads sunset.dat again, saying so, when another program changed it
    // since it was read; true when it did.
    bool ReloadIfChanged();
    bool NameIsRefused(std::string_view name);
    SaveResult Write(std::optional<bool> daylight);
    void Warn(const std::string& text, MessageIcon icon);
    void RefuseEntry(const std::string& text);

    CityDatabase& cities_;
    Platform& platform_;
    std::string iniPath_;
};

}  // namespace qavo
