#include <gtest/gtest.h>

#include <QToolButton>

#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {
namespace {

// A held arrow whose event shows a message box repeats while the box is up,
// since the box takes the mouse's release: that repeat ends the hold.
TEST(SpinButton, ARepeatDuringItsOwnEventEndsTheHold) {
    SpinButton spin;
    for (QToolButton* arrow : {spin.UpArrow(), spin.DownArrow()}) {
        int events = 0;
        const auto held = [&] {
            if (++events == 1) {
                arrow->setDown(true);   // still held
                emit arrow->clicked();  // the repeat timer, inside the message box
            }
        };
        const auto connection = arrow == spin.UpArrow()
                                    ? QObject::connect(&spin, &SpinButton::UpClicked, held)
                                    : QObject::connect(&spin, &SpinButton::DownClicked, held);
        arrow->click();
        EXPECT_EQ(events, 1);
        EXPECT_FALSE(arrow->isDown());
        arrow->click();  // the next press works again
        EXPECT_EQ(events, 2);
        QObject::disconnect(connection);
    }
}

}  // namespace
}  // namespace qavo::ui
