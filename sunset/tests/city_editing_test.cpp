#include <gtest/gtest.h>

#include "sunset/city_editing.hpp"
#include "sunset/city_file.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

using testing::City;

const CityRecord kBoston = City("Boston", 42, 21, 71, 4, 5);
const CityFields kNewYorkFields = {"40", "45", "73", "59", "5"};

struct CityEditingTest : ::testing::Test {
    testing::TempDir dir;
    testing::FakePlatform platform;
    CityDatabase cities;
    CityEditor editor{cities, platform, dir / "QAVOWIN.INI"};

    // The files as the dialog finds them when it opens.
    void Open(const std::vector<CityRecord>& records, const std::string& settings = "") {
        std::string bytes;
        for (const CityRecord& city : records) {
            bytes += EncodeCityRecord(city);
        }
        if (!records.empty()) {
            dir.Write("sunset.dat", bytes);
        }
        dir.Write("QAVOWIN.INI", settings);
        cities.Directory = dir.path();
        editor.LoadCities();
        platform.messages.clear();
    }
    std::vector<CityRecord> Stored() const {
        CityDatabase loaded;
        loaded.Directory = dir.path();
        testing::FakePlatform quiet;
        LoadCityFile(loaded, quiet, dir / "QAVOWIN.INI", MissingCityFile::UseDefaultInMemory);
        return {loaded.CityTable.begin(), loaded.CityTable.begin() + loaded.LastCityIndex + 1};
    }
};

TEST_F(CityEditingTest, NewCitiesAreAddedLastAndNumbersAreCheckedAsTyped) {
    Open({DefaultCity(), kBoston});
    EXPECT_EQ(editor.AddCity("Hoboken", kNewYorkFields, std::nullopt), SaveResult::Written);
    EXPECT_EQ(Stored(), (std::vector{DefaultCity(), kBoston, City("Hoboken", 40, 45, 73, 59, 5)}));
    EXPECT_EQ(platform.TakeMessage(), "");
    const CityFields shown = FieldsOf(City("Lima", -12, -2.5f, 77.03125f, 0, 5));
    EXPECT_EQ(shown.latDeg + " " + shown.latMin + " " + shown.longDeg + " " + shown.zone,
              "-12 -2.5 77.03125 5");
    // The bounds themselves are those of the city database; each box is checked.
    const CityFields refused[] = {{"179.5", "0", "0", "0", "0"}, {"0", "60", "0", "0", "0"},
                                  {"0", "0", "-180", "0", "0"},  {"0", "0", "0", "-60", "0"},
                                  {"0", "0", "0", "0", "12.5"},  {"0", "0", "0", "0", "-13"}};
    for (const CityFields& fields : refused) {
        EXPECT_EQ(editor.ChangeCity(1, fields, std::nullopt), SaveResult::Refused) << fields.zone;
        EXPECT_EQ(platform.TakeMessage(), "Invalid data");
        EXPECT_EQ(cities.CityTable[1], kBoston);
    }
    EXPECT_EQ(Stored()[1], kBoston);
    ASSERT_EQ(editor.ChangeCity(1, {" -23.5", "", "46x", "38", "3"}, std::nullopt),
              SaveResult::Written);
    EXPECT_EQ(Stored()[1], City("Boston", -23.5f, 0, 46, 38, 3));
}

TEST_F(CityEditingTest, TwoCitiesOfOneNameAreToldApartByTheirPlace) {
    // Files written before names were checked may hold one name twice.
    const CityRecord london = City("London", 51, 30, 0, 7, 0);
    Open({DefaultCity(), london, City("London", 1, 1, 1, 1, 1)});
    EXPECT_EQ(editor.CityNamed("London", 2), 2);
    EXPECT_EQ(editor.CityNamed("London", 0), 1);
    EXPECT_EQ(editor.CityNamed("Londo", 1), std::nullopt);
    EXPECT_EQ(editor.ChangeCity(2, {"2", "2", "2", "2", "2"}, std::nullopt), SaveResult::Written);
    EXPECT_EQ(Stored()[1], london);
    EXPECT_TRUE(editor.DeleteCity("London", 2));
    EXPECT_EQ(Stored(), (std::vector{DefaultCity(), london}));

    // A new city may not take a listed name, in any case, nor a name the
    // file cannot hold, nor a blank one; nothing is stored then.
    for (const char* name : {"london", " LONDON ", "ירושלים", "Łódź", "  "}) {
        EXPECT_EQ(editor.AddCity(name, kNewYorkFields, true), SaveResult::Refused) << name;
    }
    EXPECT_EQ(Stored().size(), 2u);
    EXPECT_EQ(cities.DaylightMode, "Standard");
    ASSERT_EQ(platform.messages.size(), 5u);
    EXPECT_EQ(platform.messages[1].text,
              "There is already a city named LONDON. Choose another name for the new city.");
    EXPECT_EQ(platform.messages[3].text,
              "SUNSET.DAT can hold only the letters of the Windows-1252 code page. The city was "
              "not saved.");
    EXPECT_EQ(platform.messages[3].title, "Entry Error");
    EXPECT_EQ(platform.messages[4].text, "Invalid data");
    platform.messages.clear();
    EXPECT_EQ(editor.AddCity("Zürich", kNewYorkFields, std::nullopt), SaveResult::Written);
}

TEST_F(CityEditingTest, DeletingMakesTheFirstCityTheDefault) {
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY= 1  \n");
    EXPECT_FALSE(editor.DeleteCity("New York", 0));
    EXPECT_EQ(platform.TakeMessage(), "Cannot erase New York entry");
    EXPECT_TRUE(editor.DeleteCity("Boston", 1));
    EXPECT_EQ(Stored(), std::vector{DefaultCity()});
    EXPECT_EQ(cities.CurrentCity, 0);
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDEFAULT_CITY= 0  \n");

    Open({kBoston});
    EXPECT_FALSE(editor.DeleteCity("Boston", 0));
    EXPECT_EQ(platform.TakeMessage(), "Cannot erase the only city entry. Add another city first.");
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(CityEditingTest, MakeDefaultAndSaveWriteTheDaylightOnlyWhenTheBoxWasClicked) {
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    EXPECT_TRUE(editor.MakeDefault(1));
    editor.SaveDaylight(std::nullopt);
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDEFAULT_CITY= 1  \n");
    editor.SaveDaylight(true);
    EXPECT_EQ(cities.DaylightMode, "Daylight");
    editor.ChangeCity(0, kNewYorkFields, false);
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDEFAULT_CITY= 1  \nDaylightSetting=Standard\n");
    EXPECT_EQ(cities.CurrentCity, 1);
}

TEST_F(CityEditingTest, OpeningChecksTheDefaultCityAndTheDaylightSetting) {
    const struct {
        const char* settings;
        int city;
        std::optional<bool> daylight;
        const char* warning;
    } cases[] = {
        {"DEFAULT_CITY=1\nDayLightSetting=daylight", 1, true, ""},
        {"DayLightSetting=STANDARD", 0, false, ""},
        {"DEFAULT_CITY=7", 0, false, "Error in Default City Setting. Modify setup."},
        {"DEFAULT_CITY=x", 0, false, "Error in Default City Setting. Modify setup."},
        {"DayLightSetting=Summer", 0, std::nullopt, "Improper Daylight parameter in INI file."},
    };
    for (const auto& c : cases) {
        Open({DefaultCity(), kBoston}, std::string("[OPTIONS]\n") + c.settings + "\n");
        ReadIniOptions(cities, platform, dir / "QAVOWIN.INI");
        const SetupStart start = editor.Start();
        EXPECT_EQ(start.city, c.city) << c.settings;
        EXPECT_EQ(start.daylight, c.daylight) << c.settings;
        EXPECT_EQ(platform.TakeMessage(), c.warning);
        EXPECT_EQ(cities.CurrentCity, c.city);
    }
}

TEST_F(CityEditingTest, WithoutAFileTheFirstCityIsAddedAndAFullFileTakesNoMore) {
    Open({});  // the user declines the default file
    EXPECT_EQ(cities.LastCityIndex, -1);
    EXPECT_EQ(editor.Start().city, std::nullopt);
    EXPECT_EQ(editor.AddCity("Jerusalem", {"31", "47", "-35", "-13", "-2"}, std::nullopt),
              SaveResult::Written);
    EXPECT_EQ(Stored(), std::vector{City("Jerusalem", 31, 47, -35, -13, -2)});

    Open(std::vector(kMaxCityRecords, kBoston));
    EXPECT_FALSE(editor.CanAddCity());
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT holds at most 99 cities. Delete a city before adding a new one.");
    EXPECT_TRUE(editor.DeleteCity("Boston", 5));
    EXPECT_TRUE(editor.CanAddCity());
}

}  // namespace
}  // namespace qavo
