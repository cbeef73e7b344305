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
#include "sunset/tests/test_support.hpp"
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
    cities.CityTable = {DefaultCity(), testing::City("A", 10, 0, -20, 0, -1),
                        testing::City("B", 20, 0, -40, 0, -2), testing::City("C", 30, 0, -60, 0, 3),
                        testing::City("D", 40, 0, -80, 0, -4)};
    cities.LastCityIndex = larger ? 4 : 0;
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
    std::string versions[2] = {EncodeCityRecord(DefaultCity()), ""};
    for (int i = 0; i <= 4; ++i) {
        versions[1] += EncodeCityRecord(first.CityTable[i]);
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
