#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/display_check.hpp"
#include "startup/init_calendar.hpp"
#include "ui/commands/connect_commands.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/app_icon.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/platform/qt_platform.hpp"

namespace {

// The program from the display on; it ends when the main window closes.
int RunWindow(int& argc, char** argv) {
    qavo::ui::QtPlatform platform;
    qavo::ui::GuardedApplication app(argc, argv, platform);
    QApplication::setApplicationName("qavo");
    QApplication::setWindowIcon(qavo::ui::AppIcon());

    qavo::Calendar calendar(platform);
    qavo::ui::QavoWin window(calendar, std::make_unique<qavo::ui::CommonDialog>());
    QObject::connect(&window, &qavo::ui::QavoWin::ProgramEnding, &app, &QApplication::quit);
    // The prompted commands: the reports, lists, day information and go-to.
    qavo::ui::ConnectCommands(window, calendar);
    switch (window.Load()) {
        case qavo::StartupResult::Ready:
            return QApplication::exec();
        case qavo::StartupResult::TodayOutOfRange:
            platform.ShowMessage("Today's date lies outside the years 1583 to 7000.",
                                 "Initialization Error", qavo::MessageIcon::Stop,
                                 qavo::MessageButtons::Ok);
            return 1;
        case qavo::StartupResult::ReadingScheduleRefused:
            return 1;  // the user has been told why
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qavo::app::HasDisplay([](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value == nullptr ? "" : value);
        })) {
        std::fputs(qavo::app::kNoDisplayMessage, stderr);
        std::fputc('\n', stderr);
        return 1;
    }
    // What the application object does not catch: a failure of the start-up.
    try {
        return RunWindow(argc, argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "qavo: %s\n", failure.what());
    } catch (...) {
        std::fputs("qavo: an unknown error stopped the start\n", stderr);
    }
    return 1;
}
