#pragma once
// The program's application object. An exception that a command lets out of
// its slot must not unwind Qt's event loop: it is caught where Qt hands the
// event over, told in a message box, and the program goes on.

#include <QApplication>
#include <string_view>

#include "engine/platform.hpp"

namespace qavo::ui {

class GuardedApplication : public QApplication {
  public:
    // `platform` tells the failures; it outlives the application.
    GuardedApplication(int& argc, char** argv, Platform& platform);

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    void TellFailure(std::string_view what) noexcept;
    // False when the box could not be shown.
    bool ShowFailureBox(std::string_view what) noexcept;

    Platform& platform_;
    bool telling_ = false;  // a failure's box is up
};

}  // namespace qavo::ui
