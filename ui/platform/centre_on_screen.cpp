#include "ui/platform/centre_on_screen.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qavo::ui {

void CentreOnScreen(QWidget* window) {
    const QScreen* shown = window->screen();
    if (shown == nullptr) {
        shown = QGuiApplication::primaryScreen();
    }
    if (shown == nullptr) {
        return;
    }
    const QRect area = shown->geometry();
    const QRect frame = window->frameGeometry();
    window->move(area.left() + (area.width() - frame.width()) / 2,
                 area.top() + (area.height() - frame.height()) / 2);
}

}  // namespace qavo::ui
