#pragma once
// What the window tests share: a platform with an injected today that records
// its messages instead of showing them, the one way to take those messages,
// and a file-and-printer dialog that answers from a script.

#include <gtest/gtest.h>

#include <QPrinter>
#include <QString>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "sunset/city_file.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/qt_platform.hpp"

namespace qavo::ui::testing {

// The platform through which the test program's application tells a failure
// that a slot let out; a test that expects one takes it from here.
qavo::testing::FakePlatform& ApplicationPlatform();

// The one message shown since the last call, as "title: text"; a failure when
// there was none or more than one.
inline std::string TakeMessage(std::vector<qavo::testing::ShownMessage>& messages) {
    EXPECT_EQ(messages.size(), 1u);
    const std::string taken =
        messages.size() == 1 ? messages[0].title + ": " + messages[0].text : "";
    messages.clear();
    return taken;
}

// The program's directory is a fresh folder holding the default city file.
class TestPlatform : public QtPlatform {
  public:
    explicit TestPlatform(GregorianDate today) : today_(today) {
        directory_.Write(kCityFileName, EncodeCityRecord(DefaultCity()));
    }
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override {
        if (failMessages) {
            throw std::runtime_error("no message can be shown");
        }
        messages.push_back({std::string(text), std::string(title), icon, buttons});
        return MessageAnswer::Ok;
    }
    GregorianDate Today() override { return today_; }
    std::string ProgramDirectory() override { return directory_.path(); }

    std::vector<qavo::testing::ShownMessage> messages;
    bool failMessages = false;  // a message throws, as a failing step of a command would

  private:
    GregorianDate today_;
    qavo::testing::TempDir directory_;
};

class ScriptedDialog : public CommonDialog {
  public:
    std::deque<std::optional<QString>> saveAnswers;   // nullopt: Cancel
    std::deque<std::optional<QString>> printAnswers;  // a PDF file, or nullopt: Cancel

  protected:
    std::optional<QString> AskSaveFileName(QWidget*) override {
        auto answer = saveAnswers.empty() ? std::nullopt : saveAnswers.front();
        if (!saveAnswers.empty()) {
            saveAnswers.pop_front();
        }
        return answer;
    }
    bool AskPrinter(QWidget*, QPrinter& printer) override {
        auto answer = printAnswers.empty() ? std::nullopt : printAnswers.front();
        if (!printAnswers.empty()) {
            printAnswers.pop_front();
        }
        if (!answer) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*answer);
        return true;
    }
};

}  // namespace qavo::ui::testing
