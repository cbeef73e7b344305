// The cost of building each report, in both reckonings of the new year.
#include <benchmark/benchmark.h>

#include "holidays/conversion_report.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "tests/support/fake_platform.hpp"

namespace {

qavo::Reckoning ReckoningOf(const benchmark::State& state) {
    return state.range(0) ? qavo::Reckoning::Stepping : qavo::Reckoning::Fast;
}

void BM_GregorianYearReport(benchmark::State& state) {
    qavo::testing::FakePlatform platform;
    qavo::Engine engine(platform, ReckoningOf(state));
    for (auto _ : state) {
        engine.GYear = 2059;  // late in its anchor's span: the longest walk
        benchmark::DoNotOptimize(qavo::GregorianYearCommandReport(engine));
    }
}
BENCHMARK(BM_GregorianYearReport)->Arg(0)->Arg(1);

void BM_JewishYearInfo(benchmark::State& state) {
    qavo::testing::FakePlatform platform;
    qavo::Engine engine(platform, ReckoningOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(qavo::JewishYearButtonReport(engine, 5819));
    }
}
BENCHMARK(BM_JewishYearInfo)->Arg(0)->Arg(1);

// The longest anniversary list the calendar allows: from 5343 to 10761.
void BM_LongestAnniversaryList(benchmark::State& state) {
    qavo::testing::FakePlatform platform;
    qavo::Engine engine(platform, ReckoningOf(state));
    engine.AnnivMode = true;
    engine.SuccYears = static_cast<qavo::Integer>(qavo::MaxSuccessiveYears(qavo::kFirstJewishYear));
    engine.JMonth = 8;
    engine.JDay = 15;
    for (auto _ : state) {
        engine.JYear = qavo::kFirstJewishYear;
        engine.GYear = qavo::kFirstJewishYear - qavo::kJewishYearOffset;
        benchmark::DoNotOptimize(qavo::ConversionReport(engine, "Passover"));
    }
}
BENCHMARK(BM_LongestAnniversaryList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
