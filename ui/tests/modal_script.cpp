#include "ui/tests/modal_script.hpp"

#include <QApplication>
#include <QWidget>

namespace qavo::ui {

namespace {
// Polls of 5 ms before a window that no step expects is given up on.
constexpr int kPatience = 400;
}  // namespace

ModalScript::ModalScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
}

ModalScript& ModalScript::Then(std::string window, Action action) {
    steps_.push_back({std::move(window), std::move(action)});
    return *this;
}

void ModalScript::Run(const std::function<void()>& command) {
    timer_.start();
    command();
    timer_.stop();
    for (const Step& step : steps_) {
        failures.push_back("never shown: " + step.window);
    }
    steps_.clear();
}

void ModalScript::Poll() {
    QWidget* shown = QApplication::activeModalWidget();
    if (shown == nullptr || !shown->isVisible()) {
        return;
    }
    const std::string name = shown->objectName().toStdString();
    if (!steps_.empty() && steps_.front().window == name) {
        const Step step = steps_.front();
        steps_.pop_front();
        idlePolls_ = 0;
        step.action(shown);
        return;
    }
    if (++idlePolls_ >= kPatience) {
        failures.push_back("unexpected window: " + name);
        idlePolls_ = 0;
        shown->close();
    }
}

}  // namespace qavo::ui
