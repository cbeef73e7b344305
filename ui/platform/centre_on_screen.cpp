#include "ui/platform/centre_on_screen.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qavo::ui {

QPoint CentredOn(const QRect& screen, const QSize& frame) {
    return {screen.left() + (screen.width() - frame.width()) / 2,
            screen.top() + (screen.height() - frame.height()) / 2};
}

void CentreOnScreen(QWidget* window) {
    const QScreen* shown = window->screen();
    if (shown == nullptr) {
        shown = QGuiApplication::primaryScreen();
    }
    if (shown == nullptr) {
        return;
    }
    window->move(CentredOn(shown->geometry(), window->frameGeometry().size()));
}

}  // namespace qavo::ui
