// The desktop program's start-up, ended right after the first painted page:
// the same steps as app/main.cpp on whatever platform Qt is given.
#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "startup/init_calendar.hpp"
#include "sunset/city_file.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/qt_platform.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qavo::ui::QtPlatform platform;
    // Measured as an installed program starts: with its city file in place,
    // so that no question waits for an answer.
    const std::string cityFile = platform.ProgramDirectory() + "/" + qavo::kCityFileName;
    if (!std::filesystem::exists(cityFile)) {
        std::ofstream(cityFile, std::ios::binary) << qavo::EncodeCityRecord(qavo::DefaultCity());
    }
    qavo::Calendar calendar(platform);
    qavo::ui::QavoWin window(calendar, std::make_unique<qavo::ui::CommonDialog>());
    if (window.Load() != qavo::StartupResult::Ready) {
        return 1;
    }
    window.repaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
