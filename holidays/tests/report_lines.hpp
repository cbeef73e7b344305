#pragma once
// Test helpers: a report text split into its lines, and a Gregorian date read
// back from the end of a report line.

#include <string>
#include <string_view>
#include <vector>

namespace qavo::testing {

// The lines of a text whose every line ends in "\r\n"; a line feed or a
// carriage return anywhere else, or an unfinished last line, is a defect.
inline std::vector<std::string> SplitLines(std::string_view text, bool& wellFormed) {
    std::vector<std::string> lines;
    std::size_t end = 0;
    for (; !text.empty() && (end = text.find("\r\n")) != std::string_view::npos;
         text.remove_prefix(end + 2)) {
        lines.emplace_back(text.substr(0, end));
    }
    wellFormed = text.empty();
    for (const std::string& line : lines) {
        wellFormed = wellFormed && line.find_first_of("\r\n") == std::string::npos;
    }
    return lines;
}

// Joins lines with "\r\n" after each.
inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

struct ShortDate {
    int weekday = -1, month = 0, day = 0, year = 0;
};

// A date at the end of a line: weekday, month abbreviation (or the full month
// name padded to 9), day and year, as in "Tue, Sep 30, 2008" or
// "Tue, September 30, 2008".
inline ShortDate ReadDate(std::string_view line, bool longMonth = false) {
    constexpr std::string_view kDays = "SunMonTueWedThuFriSat";
    constexpr std::string_view kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const std::size_t size = longMonth ? 23 : 17;
    if (line.size() < size) {
        return {};
    }
    const std::string_view tail = line.substr(line.size() - size);
    const std::size_t weekday = kDays.find(tail.substr(0, 3));
    const std::size_t month = kMonths.find(tail.substr(5, 3));
    return {weekday < kDays.size() && weekday % 3 == 0 ? static_cast<int>(weekday / 3) : -1,
            month < kMonths.size() && month % 3 == 0 ? static_cast<int>(month / 3) + 1 : 0,
            std::stoi(std::string(tail.substr(size - 8, 2))),
            std::stoi(std::string(tail.substr(size - 4, 4)))};
}

}  // namespace qavo::testing
