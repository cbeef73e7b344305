#include <gtest/gtest.h>

#include <QToolButton>

#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {
namespace {

// A held arrow whose event shows a message box repeats while the box is up,
// since the box takes the mouse's release: that repeat ends the hold.
TEST(SpinButton, ARepeatDuringItsOwnEventEndsTheHold) {
    SpinButton spin;
    QToolButton* held = nullptr;  // the arrow under the mouse
    int events = 0;
    const auto event = [&] {
        if (++events == 1) {
            held->setDown(true);
            emit held->clicked();  // the repeat timer, inside the message box
        }
    };
    QObject::connect(&spin, &SpinButton::DownClicked, event);
    held = spin.DownArrow();
    held->click();
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(held->isDown());
    held->click();  // the next press works again
    EXPECT_EQ(events, 2);
}

}  // namespace
}  // namespace qavo::ui
