#include <gtest/gtest.h>

#include "sunset/settings_file.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

struct SettingsTest : ::testing::Test {
    testing::TempDir dir;
    testing::FakePlatform platform;
    CityDatabase cities;
    std::string ini = dir / "QAVOWIN.INI";
};

// How keys are found in the file is the profile file's; these are the values.
TEST_F(SettingsTest, DaylightSettingIsReadCutAndPadded) {
    const std::pair<const char*, const char*> cases[] = {{nullptr, "Standard"},
                                                         {"Daylight Saving Time", "Daylight"},
                                                         {"Day", "Day     "},
                                                         {"", "        "}};
    for (const auto& [value, mode] : cases) {
        dir.Write("QAVOWIN.INI", value ? "[OPTIONS]\r\nDayLightSetting=" + std::string(value) : "");
        ReadIniOptions(cities, platform, ini);
        EXPECT_EQ(cities.DaylightMode, mode) << (value ? value : "no file");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, DefaultCityIsReadAsTheSetupDialogWritesIt) {
    const std::pair<const char*, int> cases[] = {
        {" 3  ", 3}, {"12", 12}, {"123", 12}, {"0", 0},  {"+4", 4},
        {"-1", -1},  {"ab", -1}, {"x3", -1},  {"7z", 7},
    };
    for (const auto& [value, city] : cases) {
        dir.Write("QAVOWIN.INI", std::string("[OPTIONS]\r\nDEFAULT_CITY=") + value + "\r\n");
        cities.CurrentCity = 55;
        ReadDefaultCity(cities, platform, ini);
        EXPECT_EQ(cities.CurrentCity, city) << value;
    }
    std::filesystem::remove(ini);
    ReadDefaultCity(cities, platform, ini);
    EXPECT_EQ(cities.CurrentCity, 0);
    EXPECT_TRUE(platform.messages.empty());
    // Present but empty, it is reported.
    dir.Write("QAVOWIN.INI", "[OPTIONS]\r\nDEFAULT_CITY=   \r\n");
    ReadDefaultCity(cities, platform, ini);
    EXPECT_EQ(cities.CurrentCity, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "No Default Sunset City Found");
    EXPECT_EQ(platform.messages[0].title, "Sunset Error");
}

TEST_F(SettingsTest, SavedSettingsReadBack) {
    ASSERT_TRUE(SaveDefaultCity(cities, platform, ini, 42));
    EXPECT_EQ(cities.CurrentCity, 42);
    ASSERT_TRUE(SaveDaylightSetting(cities, platform, ini, true));
    EXPECT_EQ(dir.Read("QAVOWIN.INI"),
              "[OPTIONS]\r\nDEFAULT_CITY= 42 \r\nDaylightSetting=Daylight\r\n");
    CityDatabase loaded;
    ReadIniOptions(loaded, platform, ini);
    ReadDefaultCity(loaded, platform, ini);
    EXPECT_EQ(loaded.DaylightMode, "Daylight");
    EXPECT_EQ(loaded.CurrentCity, 42);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, FailuresAreReportedAndTheProgramGoesOn) {
    std::filesystem::create_directory(ini);  // a settings "file" that is a folder
    ReadIniOptions(cities, platform, ini);
    EXPECT_EQ(cities.DaylightMode, "Standard");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "QAVOWIN.INI cannot be read: it is not a file. The default settings are used.");
    ReadDefaultCity(cities, platform, ini);  // reported once, above
    EXPECT_EQ(cities.CurrentCity, 0);
    EXPECT_EQ(platform.messages.size(), 1u);

    EXPECT_FALSE(SaveDefaultCity(cities, platform, dir / "missing/QAVOWIN.INI", 2));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, dir /
                                             "missing/QAVOWIN.INI could not be written: No such "
                                             "file or directory. The setting was not saved.");
    EXPECT_EQ(platform.messages[1].title, "Sunset Data Error");

    // A save keeps the rest of the file, so it must read the file whole first.
    platform.messages.clear();
    EXPECT_FALSE(SaveDefaultCity(cities, platform, ini, 2));
    EXPECT_EQ(platform.TakeMessage(),
              ini + " could not be read: it is not a file. The setting was not saved.");
    dir.Write("huge.ini", std::string((1 << 20) + 1, ';'));
    EXPECT_FALSE(SaveDefaultCity(cities, platform, dir / "huge.ini", 2));
    EXPECT_EQ(platform.TakeMessage(),
              dir / "huge.ini is too large to be a settings file. The setting was not saved.");
}

}  // namespace
}  // namespace qavo
