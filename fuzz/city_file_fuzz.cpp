// Any bytes as sunset.dat: the loader keeps only sound cities, and a sunset
// time for the city it settles on always comes out.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/engine.hpp"
#include "sunset/city_file.hpp"
#include "sunset/sunset_time.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const qavo::testing::TempDir dir;
    dir.Write("sunset.dat", std::string(reinterpret_cast<const char*>(data), size));
    qavo::testing::FakePlatform platform({2024, 6, 21}, dir.path());
    qavo::CityDatabase cities;
    cities.Directory = dir.path();
    qavo::LoadCityFile(cities, platform, dir / "QAVOWIN.INI",
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
    qavo::testing::SetTarget(engine, {2024, 6, 21});
    qavo::SunsetForDay(engine, cities);
    return 0;
}
