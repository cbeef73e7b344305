#pragma once
// A scripted platform for tests: it answers questions from a queue, reports a
// fixed today and directory, and records every call in order. SetTarget puts
// a date where the date prompts put it.

#include <deque>
#include <string>
#include <vector>

#include "engine/engine.hpp"
#include "engine/platform.hpp"

namespace qavo::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakePlatform : public Platform {
  public:
    explicit FakePlatform(GregorianDate today = {2024, 2, 29}, std::string directory = ".")
        : today_(today), directory_(std::move(directory)) {}

    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({std::string(text), std::string(title), icon, buttons});
        calls.push_back("message:" + std::string(title));
        if (buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (answers.empty()) {
            return MessageAnswer::No;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void BusyCursorOn() override {
        busy = true;
        calls.push_back("busy on");
    }
    void BusyCursorOff() override {
        busy = false;
        calls.push_back("busy off");
    }
    GregorianDate Today() override { return today_; }
    std::string ProgramDirectory() override { return directory_; }

    // The text of the one message shown since the last call; "" when none or several were.
    std::string TakeMessage() {
        std::string text = messages.size() == 1 ? messages[0].text : "";
        messages.clear();
        return text;
    }

    std::deque<MessageAnswer> answers;  // for Yes/No questions, in order; No when empty
    std::vector<ShownMessage> messages;
    std::vector<std::string> calls;
    bool busy = false;

  private:
    GregorianDate today_;
    std::string directory_;
};

inline void SetTarget(Engine& engine, const GregorianDate& date) {
    engine.GYear = date.year;
    engine.TargetGMonth = date.month;
    engine.TargetGDay = date.day;
}

}  // namespace qavo::testing
