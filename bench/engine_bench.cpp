// The cost of a conversion anywhere in the range, and of the one-time table.
#include <benchmark/benchmark.h>

#include "engine/engine.hpp"
#include "engine/year_table.hpp"
#include "tests/support/fake_platform.hpp"

namespace {

void BM_GregorianToJewish(benchmark::State& state) {
    qavo::testing::FakePlatform platform;
    qavo::Engine engine(platform,
                        state.range(1) ? qavo::Reckoning::Stepping : qavo::Reckoning::Fast);
    const auto year = static_cast<qavo::Integer>(state.range(0));
    qavo::Integer day = 1;
    for (auto _ : state) {
        engine.GYear = year;
        engine.TargetGMonth = 6;
        engine.TargetGDay = day;
        benchmark::DoNotOptimize(engine.GregorianToJewish());
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_GregorianToJewish)
    ->ArgsProduct({{1600, 2024, 3500, 6999}, {0}})
    ->Args({2024, 1})
    ->Args({6999, 1});

void BM_YearTableBuild(benchmark::State& state) {
    for (auto _ : state) {
        qavo::YearTable table;
        benchmark::DoNotOptimize(&table);
    }
}
BENCHMARK(BM_YearTableBuild)->Unit(benchmark::kMillisecond);

}  // namespace
