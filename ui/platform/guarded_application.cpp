#include "ui/platform/guarded_application.hpp"

#include <cstdio>
#include <exception>
#include <string>

#include "ui/platform/app_title.hpp"

namespace qavo::ui {

namespace {
constexpr std::string_view kFailureLead = "QAVO could not finish the command: ";
}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        TellFailure(failure.what());
    } catch (...) {
        TellFailure("an unknown error");
    }
    return false;
}

void GuardedApplication::TellFailure(std::string_view what) noexcept {
    // A failure while the box of another is up (a paint that fails every
    // time) would open box after box: it goes to standard error, as does one
    // that no box can show.
    if (!telling_ && ShowFailureBox(what)) {
        return;
    }
    std::fprintf(stderr, "%.*s%.*s\n", static_cast<int>(kFailureLead.size()), kFailureLead.data(),
                 static_cast<int>(what.size()), what.data());
}

bool GuardedApplication::ShowFailureBox(std::string_view what) noexcept {
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
