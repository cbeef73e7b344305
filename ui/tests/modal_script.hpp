#pragma once
// A scripted user for the command flows: while a command runs its modal
// prompts, each step waits for the named window to come up and then acts on
// it, as a user would. A window that no step expects is closed and reported,
// so a test never hangs.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qavo::ui {

class ModalScript {
  public:
    using Action = std::function<void(QWidget*)>;

    ModalScript() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    }
    // The next step: when the modal window named `window` is up, `action`.
    ModalScript& Then(std::string window, Action action) {
        steps_.push_back({std::move(window), std::move(action)});
        return *this;
    }
    // Runs `command` with the script answering its windows.
    void Run(const std::function<void()>& command) {
        timer_.start();
        command();
        timer_.stop();
        for (const auto& [window, action] : steps_) {
            failures.push_back("never shown: " + window);
        }
        steps_.clear();
    }

    // Steps that never found their window, and windows nobody expected.
    std::vector<std::string> failures;

  private:
    // Polls of 5 ms before a window that no step expects is given up on.
    static constexpr int kPatience = 400;

    void Poll() {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown == nullptr || !shown->isVisible()) {
            return;
        }
        const std::string name = shown->objectName().toStdString();
        // As a user, a step acts once its window has the focus: the window
        // below has seen its focus go by then.
        if (!steps_.empty() && steps_.front().first == name && shown->isActiveWindow()) {
            const Action action = steps_.front().second;
            steps_.pop_front();
            idlePolls_ = 0;
            action(shown);
        } else if (++idlePolls_ >= kPatience) {
            failures.push_back("unexpected window: " + name);
            idlePolls_ = 0;
            shown->close();
        }
    }

    std::deque<std::pair<std::string, Action>> steps_;  // each window and what to do there
    QTimer timer_;
    int idlePolls_ = 0;
};

}  // namespace qavo::ui
