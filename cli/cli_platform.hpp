#pragma once
// The platform of the command-line tool: the system clock, the tool's own
// directory, and no questions (it never asks and never writes files).

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

// Another platform with the program's directory moved to where --data-dir points.
class DataDirectoryPlatform final : public Platform {
  public:
    DataDirectoryPlatform(Platform& inner, std::string directory)
        : inner_(inner), directory_(std::move(directory)) {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override {
        return inner_.ShowMessage(text, title, icon, buttons);
    }
    void BusyCursorOn() override { inner_.BusyCursorOn(); }
    void BusyCursorOff() override { inner_.BusyCursorOff(); }
    GregorianDate Today() override { return inner_.Today(); }
    std::string ProgramDirectory() override { return directory_; }

  private:
    Platform& inner_;
    std::string directory_;
};

}  // namespace qavo::cli
