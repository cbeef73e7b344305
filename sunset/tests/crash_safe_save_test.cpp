// A program killed at any moment while it saves leaves each data file either
// as it was or as it was being written, whole: a child process saves the city
// file and the settings in a loop, and is killed with SIGKILL at random times.
#include <gtest/gtest.h>

#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "sunset/city_file.hpp"
#include "sunset/settings_file.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

using testing::FakePlatform;
using testing::TempDir;

// Two versions of the city table: New York alone, and New York with four more.
CityDatabase Version(const std::string& directory, bool larger) {
    CityDatabase cities;
    cities.Directory = directory;
    cities.CityTable[0] = DefaultCity();
    cities.LastCityIndex = 0;
    if (larger) {
        for (int i = 1; i <= 4; ++i) {
            CityRecord& city = cities.CityTable[i];
            city.CityName = PadCityName("City " + std::to_string(i));
            city.LatDeg = 10.0f * static_cast<float>(i);
            city.LongDeg = -20.0f * static_cast<float>(i);
            city.Zone = static_cast<Integer>(-i);
        }
        cities.LastCityIndex = 4;
    }
    return cities;
}

[[noreturn]] void SaveForever(const std::string& directory, const std::string& iniPath) {
    FakePlatform platform;
    for (bool larger = true;; larger = !larger) {
        CityDatabase cities = Version(directory, larger);
        WriteCityFile(cities, platform);
        SaveDefaultCity(cities, platform, iniPath, larger ? 4 : 0);
        SaveDaylightSetting(cities, platform, iniPath, larger);
    }
}

TEST(CrashSafeSaves, EveryKillLeavesWholeFilesThatLoadCleanly) {
    TempDir dir;
    const std::string iniPath = dir / "QAVOWIN.INI";
    FakePlatform setupPlatform;
    CityDatabase first = Version(dir.path(), false);
    ASSERT_TRUE(WriteCityFile(first, setupPlatform));
    ASSERT_TRUE(SaveDefaultCity(first, setupPlatform, iniPath, 0));
    ASSERT_TRUE(SaveDaylightSetting(first, setupPlatform, iniPath, false));

    std::string versions[2];
    for (bool larger : {false, true}) {
        const CityDatabase cities = Version(dir.path(), larger);
        for (int i = 0; i <= cities.LastCityIndex; ++i) {
            versions[larger] += EncodeCityRecord(cities.CityTable[i]);
        }
    }

    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    constexpr int kKills = 150;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            SaveForever(dir.path(), iniPath);
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string cityBytes = dir.Read("sunset.dat");
        ASSERT_TRUE(cityBytes == versions[0] || cityBytes == versions[1])
            << "kill " << kill << ": sunset.dat holds " << cityBytes.size() << " bytes";

        FakePlatform platform;
        CityDatabase loaded;
        loaded.Directory = dir.path();
        ReadIniOptions(loaded, platform, iniPath);
        LoadCityFile(loaded, platform, iniPath, MissingCityFile::UseDefaultInMemory);
        ASSERT_TRUE(platform.messages.empty())
            << "kill " << kill << ": " << platform.messages.front().text;
        ASSERT_TRUE(loaded.LastCityIndex == 0 || loaded.LastCityIndex == 4) << kill;
        ASSERT_TRUE(loaded.CurrentCity == 0 || loaded.CurrentCity == 4) << kill;
        ASSERT_TRUE(loaded.DaylightMode == "Standard" || loaded.DaylightMode == "Daylight")
            << kill << ": '" << loaded.DaylightMode << "'";
    }
}

}  // namespace
}  // namespace qavo
