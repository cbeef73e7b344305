#pragma once
// A scripted user for the command flows: while a command runs its modal
// prompts, each step waits for the named window to come up and then acts on
// it, as a user would. A window that no step expects is closed and reported,
// so a test never hangs.

#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace qavo::ui {

class ModalScript {
  public:
    using Action = std::function<void(QWidget*)>;

    ModalScript();
    // The next step: when the modal window named `window` is up, `action`.
    ModalScript& Then(std::string window, Action action);
    // Runs `command` with the script answering its windows.
    void Run(const std::function<void()>& command);

    // Steps that never found their window, and windows nobody expected.
    std::vector<std::string> failures;

  private:
    struct Step {
        std::string window;
        Action action;
    };
    void Poll();

    std::deque<Step> steps_;
    QTimer timer_;
    int idlePolls_ = 0;
};

}  // namespace qavo::ui
