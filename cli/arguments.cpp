#include "cli/arguments.hpp"

#include <algorithm>
#include <charconv>

#include "engine/engine.hpp"

namespace qavo::cli {

std::string Escaped(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // C0 controls, DEL, and the C1 controls as UTF-8 writes them (C2 80 to C2 9F).
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte < 0x20 || byte == 0x7F || c1) {
            const unsigned char code = c1 ? static_cast<unsigned char>(text[++i]) : byte;
            constexpr char kHex[] = "0123456789ABCDEF";
            shown += {'\\', 'x', kHex[code >> 4], kHex[code & 0xF]};
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

std::optional<std::string> Arguments::TakeOption(const std::string& name) {
    auto it = std::find(words_.begin(), words_.end(), name);
    if (it == words_.end()) {
        return std::nullopt;
    }
    if (it + 1 == words_.end()) {
        throw CliError(name + " needs a value");
    }
    std::string value = *(it + 1);
    words_.erase(it, it + 2);
    if (std::find(words_.begin(), words_.end(), name) != words_.end()) {
        throw CliError(name + " is given twice");
    }
    return value;
}

bool Arguments::TakeFlag(const std::string& name) {
    auto it = std::find(words_.begin(), words_.end(), name);
    if (it == words_.end()) {
        return false;
    }
    words_.erase(it);
    return true;
}

std::string Arguments::TakeWord(const std::string& what) {
    if (words_.empty()) {
        throw CliError(what + " is missing (see --help)");
    }
    if (words_.front().size() > 2 && words_.front().starts_with("--")) {
        throw CliError("unknown option " + words_.front());
    }
    std::string word = words_.front();
    words_.erase(words_.begin());
    return word;
}

const std::vector<std::string>& Arguments::Positional(std::size_t min, std::size_t max) const {
    for (const std::string& word : words_) {
        if (word.size() > 2 && word.starts_with("--")) {
            throw CliError("unknown option " + word);
        }
    }
    if (words_.size() < min || words_.size() > max) {
        throw CliError("wrong number of arguments (see --help)");
    }
    return words_;
}

namespace {
std::optional<int> ParseWhole(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}
}  // namespace

GregorianDate ParseDate(const std::string& text) {
    const auto bad = [&] { return CliError("not a date in the form YYYY-MM-DD: " + text); };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        throw bad();
    }
    const auto year = ParseWhole(std::string_view(text).substr(0, 4));
    const auto month = ParseWhole(std::string_view(text).substr(5, 2));
    const auto day = ParseWhole(std::string_view(text).substr(8, 2));
    if (!year || !month || !day) {
        throw bad();
    }
    if (*year < kFirstGregorianYear || *year > kLastGregorianYear) {
        throw CliError("the year must be between 1583 and 7000: " + text);
    }
    if (!IsValidGregorianDate(*year, *month, *day)) {
        throw CliError("no such date: " + text);
    }
    return {static_cast<Integer>(*year), static_cast<Integer>(*month), static_cast<Integer>(*day)};
}

int ParseNumber(const std::string& text, int min, int max, const std::string& what) {
    const auto value = ParseWhole(text);
    if (!value || *value < min || *value > max) {
        throw CliError(what + " must be a number from " + std::to_string(min) + " to " +
                       std::to_string(max) + ": " + text);
    }
    return *value;
}

}  // namespace qavo::cli
