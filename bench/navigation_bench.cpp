// Navigation in the real main window on the offscreen platform: from the
// click on the month spin's arrow to the repainted page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>
#include <cstdlib>

#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/qt_platform.hpp"
#include "ui/widgets/spin_button.hpp"

namespace {

struct SilentPlatform : qavo::ui::QtPlatform {
    qavo::MessageAnswer ShowMessage(std::string_view, std::string_view, qavo::MessageIcon,
                                    qavo::MessageButtons) override {
        return qavo::MessageAnswer::Ok;
    }
    qavo::GregorianDate Today() override { return {2024, 4, 23}; }
};

void BM_NavigateToNextMonth(benchmark::State& state) {
    SilentPlatform platform;
    qavo::Calendar calendar(platform);
    qavo::ui::QavoWin window(calendar, std::make_unique<qavo::ui::CommonDialog>());
    window.Load();
    window.engine().GYear = static_cast<qavo::Integer>(state.range(0));
    window.BuildMonthPage();
    QToolButton* up = window.MonthSpin()->UpArrow();
    for (auto _ : state) {
        up->click();
        window.repaint();
    }
}
BENCHMARK(BM_NavigateToNextMonth)->Arg(1583)->Arg(2024)->Arg(7000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
