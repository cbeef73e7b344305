#include "ui/platform/guarded_application.hpp"

#include <cstdio>
#include <exception>
#include <string>

#include "ui/platform/app_title.hpp"

namespace qavo::ui {

namespace {
constexpr std::string_view kFailureLead = "QAVO could not finish the command: ";

// What the failure being handled says of itself.
std::string CurrentFailureText() {
    try {
        throw;
    } catch (const std::exception& failure) {
        return failure.what();
    } catch (...) {
        return "an unknown error";
    }
}
}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        TellCurrentFailure();
    }
    return false;
}

void GuardedApplication::TellCurrentFailure() noexcept {
    const std::string what = CurrentFailureText();
    auto* application = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
    if (application == nullptr || !application->ShowFailureBox(what)) {
        std::fprintf(stderr, "%.*s%s\n", static_cast<int>(kFailureLead.size()), kFailureLead.data(),
                     what.c_str());
    }
}

bool GuardedApplication::ShowFailureBox(std::string_view what) noexcept {
    // A failure while the box of another is up (a paint that fails every
    // time) would open box after box: it goes to standard error instead.
    if (telling_) {
        return false;
    }
    telling_ = true;
    bool shown = true;
    try {
        platform_.BusyCursorOff();  // the failed command has ended, and its hourglass with it
        platform_.ShowMessage(std::string(kFailureLead).append(what), kApplicationTitle,
                              MessageIcon::Stop, MessageButtons::Ok);
    } catch (...) {
        shown = false;
    }
    telling_ = false;
    return shown;
}

}  // namespace qavo::ui
