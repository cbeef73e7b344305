// The desktop program's start-up, ended right after the first painted page:
// the same steps as app/main.cpp on whatever platform Qt is given.
#include <QApplication>
#include <QTimer>

#include "startup/init_calendar.hpp"
#include "ui/common_dialog.hpp"
#include "ui/qavo_win.hpp"
#include "ui/qt_platform.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qavo::ui::QtPlatform platform;
    qavo::Calendar calendar(platform);
    qavo::ui::QavoWin window(calendar, std::make_unique<qavo::ui::CommonDialog>());
    if (!window.Load()) {
        return 1;
    }
    window.repaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
