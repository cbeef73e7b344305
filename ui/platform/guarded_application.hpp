#pragma once
// The program's application object, and the slots that keep their failures.
// No exception may leave a slot: the code of Qt's between a signal and its
// slot, and between the event loop and an event handler, is not built to be
// unwound. A command's slot is Guarded: what it lets out is told in a message
// box, and the program goes on. Anything else an event handler lets out is
// caught where the application hands the event over, and told the same way.

#include <QApplication>
#include <functional>
#include <string_view>
#include <utility>

#include "engine/platform.hpp"

namespace qavo::ui {

class GuardedApplication : public QApplication {
  public:
    // `platform` tells the failures; it outlives the application.
    GuardedApplication(int& argc, char** argv, Platform& platform);

    bool notify(QObject* receiver, QEvent* event) override;

    // Tells the failure being handled, from inside a catch block: in a box,
    // or on standard error while the box of another is up or when no box can
    // be shown (or there is no guarded application).
    static void TellCurrentFailure() noexcept;

  private:
    // False when the box could not be shown, or another one is up.
    bool ShowFailureBox(std::string_view what) noexcept;

    Platform& platform_;
    bool telling_ = false;  // a failure's box is up
};

// A slot for QObject::connect that runs `slot` and tells what it lets out.
// It takes the arguments `slot` takes, so Qt passes it what it needs of a
// signal's.
template <typename Slot>
class GuardedSlot {
  public:
    explicit GuardedSlot(Slot slot) : slot_(std::move(slot)) {}

    template <typename... Args>
    auto operator()(Args&&... args) const
        -> decltype(std::invoke(std::declval<const Slot&>(), std::forward<Args>(args)...), void()) {
        try {
            std::invoke(slot_, std::forward<Args>(args)...);
        } catch (...) {
            GuardedApplication::TellCurrentFailure();
        }
    }

  private:
    Slot slot_;
};

template <typename Slot>
GuardedSlot<Slot> Guarded(Slot slot) {
    return GuardedSlot<Slot>(std::move(slot));
}

// The member function `slot` of `object` as a guarded slot.
template <typename Object, typename Class, typename... Params>
auto Guarded(Object* object, void (Class::*slot)(Params...)) {
    return Guarded([object, slot](Params... params) { (object->*slot)(params...); });
}

}  // namespace qavo::ui
