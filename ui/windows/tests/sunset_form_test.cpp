#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "sunset/city_file.hpp"
#include "sunset/settings_file.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/windows/sunset_form.hpp"

namespace qavo::ui {
namespace {

using qavo::testing::FakePlatform;
using qavo::testing::TempDir;

CityRecord City(std::string_view name, float latDeg, float latMin, float longDeg, float longMin,
                Integer zone) {
    return {PadCityName(name), latDeg, latMin, longDeg, longMin, zone};
}

const CityRecord kNewYork = City("New York", 40, 45, 73, 59, 5);
const CityRecord kBoston = City("Boston", 42, 21, 71, 4, 5);

struct SunsetFormTest : ::testing::Test {
    TempDir dir;
    FakePlatform platform;
    CityDatabase cities;
    std::string ini = dir / "QAVOWIN.INI";
    std::unique_ptr<SunsetForm> form;

    // Writes the two files, loads them as the program's start does and opens
    // the dialog.
    void Open(const std::vector<CityRecord>& records, const std::string& settings) {
        std::string bytes;
        for (const CityRecord& city : records) {
            bytes += EncodeCityRecord(city);
        }
        if (!records.empty()) {
            dir.Write("sunset.dat", bytes);
        }
        dir.Write("QAVOWIN.INI", settings);
        cities.Directory = dir.path();
        ReadIniOptions(cities, platform, ini);
        LoadCityFile(cities, platform, ini);
        platform.messages.clear();
        form = std::make_unique<SunsetForm>(cities, platform, ini);
        form->show();
    }
    std::vector<CityRecord> Stored() const {
        const std::string bytes = dir.Read("sunset.dat");
        std::vector<CityRecord> records;
        for (std::size_t at = 0; at + kCityRecordSize <= bytes.size(); at += kCityRecordSize) {
            records.push_back(
                DecodeCityRecord(std::string_view(bytes).substr(at, kCityRecordSize)));
        }
        EXPECT_EQ(bytes.size() % kCityRecordSize, 0u);
        return records;
    }
    NumberBox* Box(const char* name) {
        auto* box = form->findChild<NumberBox*>(name);
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    void Type(const char* name, const QString& text) {
        Box(name)->clear();
        QTest::keyClicks(Box(name), text);
    }
    void Press(const char* name) {
        auto* button = form->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCheckBox* Daylight() { return form->findChild<QCheckBox*>("DayLightOption"); }
    // Picks a city in the list the way the keyboard does.
    void Choose(int position) {
        QComboBox* box = form->CityBox();
        box->setFocus();
        while (box->currentIndex() < position) {
            QTest::keyClick(box, Qt::Key_Down);
        }
        while (box->currentIndex() > position) {
            QTest::keyClick(box, Qt::Key_Up);
        }
        ASSERT_EQ(box->currentIndex(), position);
    }
    void TypeCityName(const QString& name) {
        QLineEdit* edit = form->CityBox()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
    }
    void ExpectLastMessage(std::string_view text, std::string_view title, MessageIcon icon) {
        ASSERT_FALSE(platform.messages.empty()) << "expected " << text;
        EXPECT_EQ(platform.messages.back().text, text);
        EXPECT_EQ(platform.messages.back().title, title);
        EXPECT_EQ(platform.messages.back().icon, icon);
        EXPECT_EQ(platform.messages.back().buttons, MessageButtons::Ok);
    }
    QString Field(const char* name) { return Box(name)->text(); }
};

TEST_F(SunsetFormTest, OpensOnTheDefaultCityWithItsFields) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY= 1  \nDayLightSetting=daylight\n");
    EXPECT_EQ(form->windowTitle(), "Sunset Data");
    ASSERT_EQ(form->CityBox()->count(), 2);
    EXPECT_EQ(form->CityBox()->itemText(1), "Boston");
    EXPECT_EQ(form->CityBox()->itemData(1).toInt(), 1);
    EXPECT_EQ(form->CityBox()->currentText(), "Boston");
    EXPECT_EQ(form->SelectedCityIndex(), 1);
    EXPECT_EQ(Field("LatBox"), "42");
    EXPECT_EQ(Field("LatMinBox"), "21");
    EXPECT_EQ(Field("LongBox"), "71");
    EXPECT_EQ(Field("LongMinBox"), "4");
    EXPECT_EQ(Field("ZoneBox"), "5");
    EXPECT_TRUE(Daylight()->isChecked());
    EXPECT_TRUE(platform.messages.empty());

    Choose(0);
    EXPECT_EQ(Field("LatBox"), "40");
    EXPECT_EQ(Field("LongMinBox"), "59");
    EXPECT_EQ(form->SelectedCityIndex(), 0);
}

TEST_F(SunsetFormTest, NewCityBecomesTheLastRecordAndIsSelected) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    Press("btn_New");
    EXPECT_TRUE(form->NewMode());
    EXPECT_EQ(form->CityBox()->currentText(), "");
    EXPECT_EQ(Field("LatBox"), "");
    TypeCityName("Hoboken");
    Type("LatBox", "40");
    Type("LatMinBox", "45");
    Type("LongBox", "73");
    Type("LongMinBox", "59");
    Type("ZoneBox", "5");
    Press("Btn_Save");

    const std::vector<CityRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0], kNewYork);
    EXPECT_EQ(stored[1], kBoston);
    EXPECT_EQ(stored[2], City("Hoboken", 40, 45, 73, 59, 5));
    EXPECT_EQ(cities.LastCityIndex, 2);
    EXPECT_FALSE(form->NewMode());
    EXPECT_EQ(form->CityBox()->currentText(), "Hoboken");
    EXPECT_EQ(form->CityBox()->currentIndex(), 2);
    EXPECT_EQ(form->SelectedCityIndex(), 2);
    ExpectLastMessage("Saved", "QAVO for Windows", MessageIcon::None);
}

TEST_F(SunsetFormTest, ValuesOutOfRangeAreRefused) {
    using Read = double (*)(const CityRecord&);
    const Read zone = [](const CityRecord& c) { return double(c.Zone); };
    const Read latDeg = [](const CityRecord& c) { return double(c.LatDeg); };
    const Read longMin = [](const CityRecord& c) { return double(c.LongMin); };
    const struct {
        const char* box;
        const char* typed;
        bool accepted;
        Read stored;  // the field an accepted value lands in
    } cases[] = {
        {"ZoneBox", "13", false, zone},        {"ZoneBox", "-13", false, zone},
        {"ZoneBox", "-12", true, zone},        {"ZoneBox", "12", true, zone},
        {"LatBox", "180", false, latDeg},      {"LatBox", "179", true, latDeg},
        {"LatBox", "-179", true, latDeg},      {"LongBox", "-180", false, latDeg},
        {"LatMinBox", "60", false, latDeg},    {"LongMinBox", "-59", true, longMin},
        {"LongMinBox", "-60", false, longMin},
    };
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY=1\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        Choose(0);
        Choose(1);  // the fields of Boston as it is now
        const std::string before = dir.Read("sunset.dat");
        platform.messages.clear();
        Type(c.box, c.typed);
        Press("Btn_Save");
        if (c.accepted) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(c.stored(Stored().at(1)), std::stod(c.typed));
        } else {
            ExpectLastMessage("Invalid data", "Entry Error", MessageIcon::Stop);
            EXPECT_EQ(dir.Read("sunset.dat"), before);
            EXPECT_EQ(cities.CityTable[1], Stored().at(1));
        }
    }
}

TEST_F(SunsetFormTest, DeletingTheOnlyOtherCityMakesNewYorkTheDefault) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY= 1  \n");
    ASSERT_EQ(form->CityBox()->currentText(), "Boston");
    Press("btn_del");
    const std::vector<CityRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], kNewYork);
    EXPECT_EQ(cities.LastCityIndex, 0);
    EXPECT_EQ(cities.CurrentCity, 0);
    ASSERT_EQ(form->CityBox()->count(), 1);
    EXPECT_EQ(form->CityBox()->currentText(), "New York");
    EXPECT_EQ(Field("LatBox"), "40");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDEFAULT_CITY= 0  \n");
    // Read back as the next start reads it.
    ReadDefaultCity(cities, platform, ini);
    EXPECT_EQ(cities.CurrentCity, 0);
}

TEST_F(SunsetFormTest, NewYorkAndTheLastCityCannotBeErased) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    const std::string before = dir.Read("sunset.dat");
    Press("btn_del");
    ExpectLastMessage("Cannot erase New York entry", "Warning", MessageIcon::Stop);
    EXPECT_EQ(dir.Read("sunset.dat"), before);
    EXPECT_EQ(cities.LastCityIndex, 1);

    form.reset();
    Open({kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    Press("btn_del");
    ExpectLastMessage("Cannot erase the only city entry. Add another city first.", "Warning",
                      MessageIcon::Stop);
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(SunsetFormTest, DaylightBoxIsTakenOverOnlyBySave) {
    const std::string settings = "[OPTIONS]\nDayLightSetting=Standard\nDEFAULT_CITY=0\n";
    Open({kNewYork, kBoston}, settings);
    EXPECT_FALSE(Daylight()->isChecked());
    QTest::mouseClick(Daylight(), Qt::LeftButton);
    ASSERT_TRUE(Daylight()->isChecked());
    Press("btn_ok");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(cities.DaylightMode, "Standard");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), settings);

    // Shown again, the dialog takes its box from the setting once more.
    form->show();
    EXPECT_FALSE(Daylight()->isChecked());
    QTest::mouseClick(Daylight(), Qt::LeftButton);
    Press("Btn_Save");
    EXPECT_EQ(cities.DaylightMode, "Daylight");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDaylightSetting=Daylight\nDEFAULT_CITY=0\n");
    ReadIniOptions(cities, platform, ini);
    EXPECT_EQ(cities.DaylightMode, "Daylight");
}

TEST_F(SunsetFormTest, MakeDefaultWritesTheCityAndTheDaylightSetting) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    Choose(1);
    QTest::mouseClick(Daylight(), Qt::LeftButton);
    Press("Btn_Default");
    ExpectLastMessage("Set as default", "QAVO for Windows", MessageIcon::None);
    EXPECT_EQ(cities.CurrentCity, 1);
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDEFAULT_CITY= 1  \nDaylightSetting=Daylight\n");
}

TEST_F(SunsetFormTest, ChangedNameWithEnterIsRefused) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY=1\n");
    const std::string before = dir.Read("sunset.dat");
    TypeCityName("Cambridge");
    QTest::keyClick(form->CityBox()->lineEdit(), Qt::Key_Return);
    ExpectLastMessage("Do not modify name. Delete and add new entry.", "Warning",
                      MessageIcon::Stop);
    EXPECT_EQ(form->CityBox()->currentText(), "Boston");
    EXPECT_EQ(form->SelectedCityIndex(), 1);
    EXPECT_EQ(dir.Read("sunset.dat"), before);

    // A typed name of a listed city shows that city and moves on to Save.
    platform.messages.clear();
    TypeCityName("New York");
    QTest::keyClick(form->CityBox()->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(form->SelectedCityIndex(), 0);
    EXPECT_EQ(Field("LatBox"), "40");
    EXPECT_EQ(form->focusWidget(), form->findChild<QPushButton*>("Btn_Save"));
}

TEST_F(SunsetFormTest, AccessKeysCannotRenameOrEraseAListedCity) {
    Open({kNewYork, kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    const std::string before = dir.Read("sunset.dat");
    // An access key presses a button while the focus stays in the city box.
    for (const char* button : {"Btn_Save", "btn_del"}) {
        SCOPED_TRACE(button);
        platform.messages.clear();
        TypeCityName("Newark");
        form->findChild<QPushButton*>(button)->click();
        ExpectLastMessage("Do not modify name. Delete and add new entry.", "Warning",
                          MessageIcon::Stop);
        EXPECT_EQ(form->CityBox()->currentText(), "New York");
        EXPECT_EQ(dir.Read("sunset.dat"), before);
    }
}

TEST_F(SunsetFormTest, DefaultOutsideTheTableFallsBackToTheFirstCity) {
    Open({kNewYork}, "[OPTIONS]\nDEFAULT_CITY=7\n");
    ExpectLastMessage("Error in Default City Setting. Modify setup.", "Warning",
                      MessageIcon::Exclamation);
    EXPECT_EQ(cities.CurrentCity, 0);
    EXPECT_EQ(form->CityBox()->currentText(), "New York");
    Press("btn_ok");
    EXPECT_EQ(cities.CurrentCity, 0);
    EXPECT_EQ(&SunsetCity(cities), &cities.CityTable[0]);
}

TEST_F(SunsetFormTest, ImproperDaylightSettingIsReported) {
    Open({kNewYork}, "[OPTIONS]\nDayLightSetting=Summer\n");
    ExpectLastMessage("Improper Daylight parameter in INI file.", "Warning",
                      MessageIcon::Exclamation);
}

TEST_F(SunsetFormTest, WithoutAnyCityTheFirstOneCanBeAdded) {
    // No sunset.dat, and the user declines the default file twice: at the
    // start and when the dialog loads.
    Open({}, "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "SUNSET.DAT not found.  Make default file?");
    EXPECT_EQ(form->CityBox()->count(), 0);
    EXPECT_EQ(form->CityBox()->currentIndex(), -1);
    EXPECT_TRUE(form->NewMode());
    EXPECT_EQ(cities.LastCityIndex, -1);

    TypeCityName("Jerusalem");
    Type("LatBox", "31");
    Type("LatMinBox", "47");
    Type("LongBox", "-35");
    Type("LongMinBox", "-13");
    Type("ZoneBox", "-2");
    Press("Btn_Save");
    const std::vector<CityRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], City("Jerusalem", 31, 47, -35, -13, -2));
    EXPECT_EQ(form->CityBox()->currentText(), "Jerusalem");
    EXPECT_EQ(form->SelectedCityIndex(), 0);
    Press("btn_ok");
    EXPECT_EQ(SunsetCity(cities).CityName, PadCityName("Jerusalem"));
}

TEST_F(SunsetFormTest, AnEmptyFileOffersNewYorkAndTakesANewCity) {
    dir.Write("sunset.dat", "");
    Open({}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    ASSERT_EQ(form->CityBox()->count(), 1);
    EXPECT_EQ(form->CityBox()->currentText(), "New York");
    EXPECT_FALSE(form->NewMode());
    Press("btn_New");
    TypeCityName("Boston");
    Type("LatBox", "42");
    Type("LatMinBox", "21");
    Type("LongBox", "71");
    Type("LongMinBox", "4");
    Type("ZoneBox", "5");
    Press("Btn_Save");
    EXPECT_EQ(Stored(), (std::vector<CityRecord>{kNewYork, kBoston}));
}

TEST_F(SunsetFormTest, NewIsRefusedOnceTheFileIsFull) {
    std::vector<CityRecord> full(kMaxCityRecords, kBoston);
    full[0] = kNewYork;
    Open(full, "[OPTIONS]\nDEFAULT_CITY=0\n");
    ASSERT_EQ(cities.LastCityIndex, kMaxCityRecords - 1);
    Press("btn_New");
    ExpectLastMessage("SUNSET.DAT holds at most 99 cities. Delete a city before adding a new one.",
                      "Warning", MessageIcon::Exclamation);
    EXPECT_FALSE(form->NewMode());
    EXPECT_EQ(form->CityBox()->currentText(), "New York");

    // With one deleted, there is room again.
    Choose(5);
    Press("btn_del");
    Press("btn_New");
    EXPECT_TRUE(form->NewMode());
}

}  // namespace
}  // namespace qavo::ui
