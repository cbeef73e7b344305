#pragma once
// The main window with its commands, on a scripted platform whose today is
// Thursday 10 April 2008 (5 Nisan 5768; 1 April 2008 was a Tuesday, so today
// is in cell 12 of its page), with New York as the only city. A ModalScript
// plays the user in the prompts and the output window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <memory>
#include <string>

#include "startup/init_calendar.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"
#include "ui/commands/main_commands.hpp"
#include "ui/commands/tests/modal_script.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/widgets/spin_button.hpp"
#include "ui/windows/out_form.hpp"

namespace qavo::ui {

class CommandsTest : public ::testing::Test {
  protected:
    using Action = ModalScript::Action;

    void SetUp() override {
        platform.answers.push_back(MessageAnswer::Yes);  // create sunset.dat
        ASSERT_EQ(window.Load(), StartupResult::Ready);
        platform.messages.clear();
        commands = new MainCommands(window, calendar);
    }
    void TearDown() override { EXPECT_EQ(script.failures, std::vector<std::string>{}); }

    Engine& engine() { return calendar.engine; }

    // Script actions on the window that is up.
    static Action Type(const char* box, const char* text) {
        return [=](QWidget* w) { w->findChild<QLineEdit*>(box)->setText(text); };
    }
    static Action Press(const char* button) {
        return [=](QWidget* w) { w->findChild<QPushButton*>(button)->click(); };
    }
    static Action TypeAndPress(const char* box, const char* text, const char* button) {
        return [=](QWidget* w) {
            w->findChild<QLineEdit*>(box)->setText(text);
            w->findChild<QPushButton*>(button)->click();
        };
    }
    static Action Choose(const char* list, int index) {
        return [=](QWidget* w) { w->findChild<QComboBox*>(list)->setCurrentIndex(index); };
    }
    static Action Spin(bool up) {
        return [=](QWidget* w) {
            auto* spin = w->findChild<SpinButton*>("UpDown1");
            (up ? spin->UpArrow() : spin->DownArrow())->click();
        };
    }
    static Action CloseFrame() {
        return [](QWidget* w) { w->close(); };
    }
    // Takes the report from the output window and presses "&Done".
    Action TakeReport() {
        return [this](QWidget* w) {
            report = static_cast<OutForm*>(w)->ExportText();
            w->findChild<QPushButton*>("Command1")->click();
        };
    }
    // A month and day in the Gregorian dialog, then OK.
    ModalScript& GregorianDate(int month, const char* day) {
        return script.Then("GMonthDateForm", [=](QWidget* w) {
            w->findChild<QComboBox*>("GMonthBox")->setCurrentIndex(month - 1);
            TypeAndPress("GDateBox", day, "Command1")(w);
        });
    }
    // A list position and day in the Jewish dialog, then OK.
    ModalScript& JewishDate(int position, const char* day) {
        return script.Then("JMonthDateForm", [=](QWidget* w) {
            w->findChild<QComboBox*>("JMonthEntry")->setCurrentIndex(position);
            TypeAndPress("JDateEntry", day, "Command1")(w);
        });
    }

    // The one message shown since the last call, as "title: text".
    std::string TakeMessage() {
        if (platform.messages.size() != 1) {
            ADD_FAILURE() << platform.messages.size() << " messages instead of one";
            platform.messages.clear();
            return {};
        }
        const testing::ShownMessage shown = platform.messages.front();
        platform.messages.clear();
        return shown.title + ": " + shown.text;
    }

    template <typename T>
    T* Child(const char* name) {
        return window.findChild<T*>(name);
    }

    testing::TempDir dir;
    testing::FakePlatform platform{{2008, 4, 10}, dir.path()};
    Calendar calendar{platform};
    QavoWin window{calendar, std::make_unique<CommonDialog>()};
    MainCommands* commands = nullptr;  // owned by the window
    ModalScript script;
    std::string report;
};

}  // namespace qavo::ui
