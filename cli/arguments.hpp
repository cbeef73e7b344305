#pragma once
// Reading the command line: every failure is a CliError whose text is the one
// line the tool prints before it exits with status 2.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/types.hpp"

namespace qavo::cli {

struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A failure to write what the command made, which exits with status 1.
struct OutputError : CliError {
    using CliError::CliError;
};

// A text for the terminal: control characters shown as \xNN escapes, so
// that what the user typed can never move the cursor or change the colours.
std::string Escaped(std::string_view text);

// The words after the command name, with its --options taken out.
class Arguments {
  public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}

    // Removes "--name VALUE" and returns VALUE; nullopt when absent; fails
    // when the option is given twice.
    std::optional<std::string> TakeOption(const std::string& name);
    bool TakeFlag(const std::string& name);
    // Removes the first word and returns it; fails when there is none, or
    // when it is an option. `what` names it in the message.
    std::string TakeWord(const std::string& what);
    // The positional words left; fails on an unknown option or a wrong count.
    const std::vector<std::string>& Positional(std::size_t min, std::size_t max) const;

  private:
    std::vector<std::string> words_;
};

// "YYYY-MM-DD", a date that exists, in 1583..7000.
GregorianDate ParseDate(const std::string& text);
// A whole decimal number in [min, max]; `what` names it in the message.
int ParseNumber(const std::string& text, int min, int max, const std::string& what);

}  // namespace qavo::cli
