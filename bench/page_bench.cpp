// The month page build alone, at both ends and in the middle of the range.
#include <benchmark/benchmark.h>

#include "page/month_page.hpp"
#include "tests/support/fake_platform.hpp"

namespace {

void BM_BuildMonthPage(benchmark::State& state) {
    qavo::testing::FakePlatform platform({2024, 4, 23});
    qavo::Engine engine(platform);
    qavo::MonthPage page;
    engine.GYear = static_cast<qavo::Integer>(state.range(0));
    qavo::Integer month = 1;
    for (auto _ : state) {
        engine.TargetGMonth = month;
        qavo::BuildMonthPage(engine, page);
        benchmark::DoNotOptimize(page.cells[15].jewishText.data());
        month = static_cast<qavo::Integer>(month % 12 + 1);
        platform.calls.clear();
    }
}
BENCHMARK(BM_BuildMonthPage)->Arg(1583)->Arg(2024)->Arg(4500)->Arg(7000);

}  // namespace
