// The one-time cost of building the reading schedule, and of a lookup.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace {

// Joining the pieces and parsing both texts, as start-up does.
void BM_BuildReadingSchedule(benchmark::State& state) {
    qavo::ReadingSchedule schedule;
    for (auto _ : state) {
        const qavo::ScheduleTexts texts = qavo::ProgramScheduleTexts();
        benchmark::DoNotOptimize(qavo::ParseScheduleIndex(texts.index, schedule.ScheduleIndex));
        benchmark::DoNotOptimize(qavo::ParseReadingSchedule(texts.schedule, schedule.Codes));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildReadingSchedule)->Unit(benchmark::kMicrosecond);

qavo::ReadingSchedule BuiltSchedule() {
    qavo::testing::FakePlatform platform;
    qavo::ReadingSchedule schedule;
    if (!qavo::InitReadings(schedule, platform)) {
        std::abort();
    }
    return schedule;
}

// The table indexing alone: pattern and both codes of one Sabbath.
void BM_ReadingCodeLookup(benchmark::State& state) {
    const qavo::ReadingSchedule schedule = BuiltSchedule();
    int day = 0;
    for (auto _ : state) {
        const int pattern = schedule.YearPattern(1, 1);
        const int sabbath = qavo::SabbathNumber(1, day);
        benchmark::DoNotOptimize(schedule.Code(qavo::Plane::Torah, pattern, sabbath));
        benchmark::DoNotOptimize(schedule.Code(qavo::Plane::Haftarah, pattern, sabbath));
        day = (day + 7) % 353;
    }
}
BENCHMARK(BM_ReadingCodeLookup);

// The whole readings text of one Sabbath.
void BM_SabbathReadings(benchmark::State& state) {
    const qavo::ReadingSchedule schedule = BuiltSchedule();
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qavo::SabbathReadings(schedule, 2, 2, day));
        day = (day + 7) % 354;
    }
}
BENCHMARK(BM_SabbathReadings);

}  // namespace
