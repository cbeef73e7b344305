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

}  // namespace qavo::cli
