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
    // Each box is checked, the same way whatever the size of the number; the
    // message names the box and its range.
    const std::string huge(400, '9');
    const struct {
        CityFields fields;
        const char* message;
    } refused[] = {
        {{"90.5", "0", "0", "0", "0"}, "Latitude Deg must be a number from -90 to 90."},
        {{huge, "0", "0", "0", "0"}, "Latitude Deg must be a number from -90 to 90."},
        {{"0", "60", "0", "0", "0"}, "Latitude Min must be a number from -59 to 59."},
        {{"0", "0", "-180", "0", "0"}, "Longitude Deg must be a number from -179 to 179."},
        {{"0", "0", "0", "-60", "0"}, "Longitude Min must be a number from -59 to 59."},
        {{"0", "0", "0", "0", "12.5"}, "Hrs. From GMT must be a number from -12 to 12."},
        {{"0", "0", "0", "0", huge}, "Hrs. From GMT must be a number from -12 to 12."},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(editor.ChangeCity(1, r.fields, std::nullopt), SaveResult::Refused) << r.message;
        EXPECT_EQ(platform.TakeMessage(), std::string("Invalid data: ") + r.message);
        EXPECT_EQ(cities.CityTable[1], kBoston);
    }
    EXPECT_EQ(editor.ChangeCity(1, {"-90", "0", "179", "59", "-12"}, std::nullopt),
              SaveResult::Written);
    EXPECT_EQ(Stored()[1], City("Boston", -90, 0, 179, 59, -12));
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
    platform.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(editor.DeleteCity("London", 2));
    EXPECT_EQ(Stored(), (std::vector{DefaultCity(), london}));
    platform.messages.clear();

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
    EXPECT_FALSE(editor.DeleteCity("Boston", 1));  // answered No
    EXPECT_EQ(platform.TakeMessage(), "Delete Boston from the cities?");
    EXPECT_EQ(Stored().size(), 2u);
    platform.answers.push_back(MessageAnswer::Yes);
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

TEST_F(CityEditingTest, WithoutAFileNewYorkIsListedAndAFullFileTakesNoMore) {
    Open({});  // the user declines the default file
    EXPECT_EQ(editor.Start().city, 0);
    EXPECT_EQ(editor.AddCity("Jerusalem", {"31", "47", "-35", "-13", "-2"}, std::nullopt),
              SaveResult::Written);
    EXPECT_EQ(Stored(), (std::vector{DefaultCity(), City("Jerusalem", 31, 47, -35, -13, -2)}));

    Open(std::vector(kMaxCityRecords + 1, kBoston));  // a file that cannot be saved
    platform.answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(editor.DeleteCity("Boston", 5));
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "");  // nor is the default city changed
    Open(std::vector(kMaxCityRecords, kBoston));
    EXPECT_FALSE(editor.CanAddCity());
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT holds at most 99 cities. Delete a city before adding a new one.");
    platform.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(editor.DeleteCity("Boston", 5));
    EXPECT_TRUE(editor.CanAddCity());
}

// Another program changed the file while the dialog was open: the file is
// read again and the change made to what it holds now.
TEST_F(CityEditingTest, AChangeIsMadeToTheFileAsAnotherProgramLeftIt) {
    const CityRecord haifa = City("Haifa", 32, 49, -34, -59, -2);
    Open({DefaultCity(), kBoston});
    dir.Write("sunset.dat", EncodeCityRecord(haifa) + EncodeCityRecord(kBoston));
    EXPECT_EQ(editor.AddCity("Hoboken", kNewYorkFields, std::nullopt), SaveResult::Written);
    EXPECT_EQ(platform.messages.at(0).text,
              "SUNSET.DAT was changed by another program since Sunset Setup read it. It was read "
              "again, and your change is made to the cities it holds now.");
    const CityRecord hoboken = City("Hoboken", 40, 45, 73, 59, 5);
    EXPECT_EQ(Stored(), (std::vector{haifa, kBoston, hoboken}));

    dir.Write("sunset.dat", EncodeCityRecord(kBoston) + EncodeCityRecord(hoboken));
    EXPECT_EQ(editor.ChangeCity(2, {"1", "2", "3", "4", "5"}, std::nullopt), SaveResult::Written);
    EXPECT_EQ(Stored(), (std::vector{kBoston, City("Hoboken", 1, 2, 3, 4, 5)}));
}

TEST_F(CityEditingTest, UnsavedFieldsAreThoseTypedOrOtherThanTheStoredNumbers) {
    Open({DefaultCity(), kBoston});
    const CityFields empty;
    const struct {
        bool newCity;
        int city;
        const char* name;
        CityFields fields;
        bool unsaved;
    } cases[] = {
        {true, -1, "  ", empty, false},
        {true, -1, "", {"", "", "", "", " 5"}, true},
        {false, 1, "Boston", {"42.0", "+21", "71", "4", "5"}, false},  // the same numbers
        {false, 1, "Boston", {"42", "21", "71", "4", "6"}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editor.HasUnsavedChanges(c.newCity, c.city, c.name, c.fields), c.unsaved)
            << c.name << c.fields.zone;
    }
}

}  // namespace
}  // namespace qavo
