#pragma once
// Shared ground of the prompt tests: an engine on a scripted platform, the
// prompts shown without a modal loop, and what their message boxes said.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <string>

#include "engine/engine.hpp"
#include "tests/support/fake_platform.hpp"
#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {

class DialogTest : public ::testing::Test {
  protected:
    void Show(QWidget& dialog) {
        dialog.show();
        QApplication::processEvents();
    }
    static void Type(QLineEdit* box, const char* text) { box->setText(text); }
    static void Up(SpinButton* spin) { spin->UpArrow()->click(); }
    static void Down(SpinButton* spin) { spin->DownArrow()->click(); }
    static std::string TextOf(QLineEdit* box) { return box->text().toStdString(); }

    // The one message shown since the last call, as "title: text".
    std::string TakeMessage() {
        if (platform.messages.size() != 1) {
            ADD_FAILURE() << platform.messages.size() << " messages shown instead of one";
            platform.messages.clear();
            return {};
        }
        const testing::ShownMessage shown = platform.messages.front();
        platform.messages.clear();
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        return shown.title + ": " + shown.text;
    }

    // Centred on its screen: half the spare width and height, rounded down.
    static void ExpectCentred(const QWidget& dialog) {
        const QRect area = dialog.screen()->geometry();
        const QRect frame = dialog.frameGeometry();
        EXPECT_EQ(frame.left(), area.left() + (area.width() - frame.width()) / 2);
        EXPECT_EQ(frame.top(), area.top() + (area.height() - frame.height()) / 2);
    }

    testing::FakePlatform platform{{2008, 4, 10}};
    Engine engine{platform};
};

}  // namespace qavo::ui
