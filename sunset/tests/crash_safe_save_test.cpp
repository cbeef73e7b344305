// A program killed while it saves leaves each data file as it was: every save
// of the city file and of the settings runs in a child process whose files may
// not grow beyond a few bytes, and is killed there.
#include <gtest/gtest.h>

#include <functional>

#include "sunset/city_file.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

TEST(CrashSafeSaves, EverySaveKilledMidwayLeavesTheOldFilesWhole) {
    testing::TempDir dir;
    testing::FakePlatform platform;
    const std::string ini = dir / "QAVOWIN.INI";
    CityDatabase cities;
    cities.Directory = dir.path();
    cities.CityTable[1] = testing::City("A", 10, 0, -20, 0, -1);
    cities.LastCityIndex = 1;
    const std::string oldCities = EncodeCityRecord(DefaultCity());
    const std::string oldSettings =
        "[OPTIONS]\r\nDEFAULT_CITY= 0  \r\nDaylightSetting=Standard\r\n";
    const std::function<bool()> saves[] = {
        [&] { return WriteCityFile(cities, platform); },
        [&] { return SaveDefaultCity(cities, platform, ini, 1); },
        [&] { return SaveDaylightSetting(cities, platform, ini, true); },
    };
    for (const auto& save : saves) {
        dir.Write("sunset.dat", oldCities);
        dir.Write("QAVOWIN.INI", oldSettings);
        EXPECT_EQ(testing::RunWithFileSizeLimit(8, testing::Interruption::Crash, save), -SIGXFSZ);
        EXPECT_EQ(dir.Read("sunset.dat"), oldCities);
        EXPECT_EQ(dir.Read("QAVOWIN.INI"), oldSettings);
    }
}

}  // namespace
}  // namespace qavo
