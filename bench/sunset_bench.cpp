// The cost of one sunset time, of a month of the successive-days list and of
// loading a full city file.
#include <benchmark/benchmark.h>

#include "lists/successive_days.hpp"
#include "readings/reading_schedule.hpp"
#include "sunset/city_file.hpp"
#include "sunset/sunset_time.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace {

void BM_SunsetTextFor(benchmark::State& state) {
    const qavo::CityRecord city = qavo::DefaultCity();
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qavo::SunsetTextFor(city, 2024, 6, day, "Standard"));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_SunsetTextFor);

void BM_SuccessiveDaysText(benchmark::State& state) {
    qavo::testing::FakePlatform platform;
    qavo::Engine engine(platform);
    qavo::ReadingSchedule schedule;
    if (!qavo::InitReadings(schedule, platform)) {
        state.SkipWithError("the reading schedule was refused");
        return;
    }
    qavo::CityDatabase cities;
    cities.CityTable[0] = qavo::DefaultCity();
    const auto mode = static_cast<qavo::SuccessiveDaysMode>(state.range(0));
    for (auto _ : state) {
        engine.GYear = 2024;
        engine.TargetGMonth = 1;
        engine.TargetGDay = 1;
        engine.SuccDayCount = 30;
        benchmark::DoNotOptimize(qavo::SuccessiveDaysText(engine, cities, schedule, mode));
        platform.calls.clear();
    }
}
BENCHMARK(BM_SuccessiveDaysText)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_LoadFullCityFile(benchmark::State& state) {
    qavo::testing::TempDir dir;
    std::string bytes;
    for (int i = 0; i < qavo::kMaxCityRecords; ++i) {
        bytes += qavo::EncodeCityRecord(qavo::DefaultCity());
    }
    dir.Write("sunset.dat", bytes);
    qavo::testing::FakePlatform platform;
    qavo::CityDatabase cities;
    cities.Directory = dir.path();
    for (auto _ : state) {
        qavo::LoadCityFile(cities, platform, dir / "QAVOWIN.INI");
        benchmark::DoNotOptimize(cities.LastCityIndex);
    }
}
BENCHMARK(BM_LoadFullCityFile)->Unit(benchmark::kMicrosecond);

}  // namespace
