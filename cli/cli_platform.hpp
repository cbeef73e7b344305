#pragma once
// The platform of the command-line tool: the system clock, the tool's own
// directory, and no questions (it never asks and never writes files).

#include <string>
#include <vector>

#include "engine/platform.hpp"

namespace qavo::cli {

class CliPlatform final : public Platform {
  public:
    explicit CliPlatform(std::string dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override;
    void BusyCursorOn() override {}
    void BusyCursorOff() override {}
    GregorianDate Today() override;
    std::string ProgramDirectory() override { return dataDirectory_; }

    // The directory of the running executable.
    static std::string ExecutableDirectory();

  private:
    std::string dataDirectory_;
};

// The platform of one command: the program's directory moved to where
// --data-dir points, and the messages held back until the command has
// succeeded, so that a failing command says only its one line of error.
class CommandPlatform final : public Platform {
  public:
    CommandPlatform(Platform& inner, std::string directory)
        : inner_(inner), directory_(std::move(directory)) {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override {
        held_.push_back({std::string(text), std::string(title), icon, buttons});
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void BusyCursorOn() override { inner_.BusyCursorOn(); }
    void BusyCursorOff() override { inner_.BusyCursorOff(); }
    GregorianDate Today() override { return inner_.Today(); }
    std::string ProgramDirectory() override { return directory_; }

    // Passes the held messages on, in the order they came.
    void ReleaseMessages() {
        for (const HeldMessage& m : held_) {
            inner_.ShowMessage(m.text, m.title, m.icon, m.buttons);
        }
        held_.clear();
    }

  private:
    struct HeldMessage {
        std::string text;
        std::string title;
        MessageIcon icon;
        MessageButtons buttons;
    };
    Platform& inner_;
    std::string directory_;
    std::vector<HeldMessage> held_;
};

}  // namespace qavo::cli
