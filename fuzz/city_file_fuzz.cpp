// Any bytes as sunset.dat: the loader keeps only sound cities, and a sunset
// time for the city it settles on always comes out.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "engine/engine.hpp"
#include "sunset/city_file.hpp"
#include "sunset/sunset_time.hpp"
#include "tests/support/fake_platform.hpp"

namespace {
const std::string& Directory() {
    static const std::string directory = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("qavo-fuzz-city-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return directory;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(Directory() + "/sunset.dat", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    qavo::testing::FakePlatform platform({2024, 6, 21}, Directory());
    qavo::CityDatabase cities;
    cities.Directory = Directory();
    qavo::LoadCityFile(cities, platform, Directory() + "/QAVOWIN.INI",
                       qavo::MissingCityFile::UseDefaultInMemory);
    if (cities.LastCityIndex < 0 || cities.LastCityIndex >= qavo::kMaxCityRecords) {
        std::abort();
    }
    for (int i = 0; i <= cities.LastCityIndex; ++i) {
        if (!qavo::IsValidCityRecord(cities.CityTable[i])) {
            std::abort();
        }
    }
    qavo::Engine engine(platform);
    engine.GYear = 2024;
    engine.TargetGMonth = 6;
    engine.TargetGDay = 21;
    qavo::SunsetForDay(engine, cities);
    return 0;
}
