#pragma once
// Test helpers: a report text split into its lines, and a Gregorian date read
// back from the end of a report line ("Tue, Sep 30, 2008").

#include <string>
#include <string_view>
#include <vector>

#include "engine/name_tables.hpp"

namespace qavo::testing {

// The lines of a text whose every line ends in "\r\n"; a line feed or a
// carriage return anywhere else, or an unfinished last line, is a defect.
inline std::vector<std::string> SplitLines(std::string_view text, bool& wellFormed) {
    std::vector<std::string> lines;
    wellFormed = true;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            wellFormed = false;
            break;
        }
        const std::string_view line = text.substr(0, end);
        if (line.find_first_of("\r\n") != std::string_view::npos) {
            wellFormed = false;
        }
        lines.emplace_back(line);
        text.remove_prefix(end + 2);
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

// The last 17 characters of a line: weekday, month abbreviation, day, year.
inline ShortDate ReadShortDate(std::string_view line) {
    ShortDate date;
    if (line.size() < 17) {
        return date;
    }
    const std::string_view tail = line.substr(line.size() - 17);
    for (int w = 0; w < 7; ++w) {
        if (tail.substr(0, 3) == DayName(w)) {
            date.weekday = w;
        }
    }
    for (int m = 1; m <= 12; ++m) {
        if (tail.substr(5, 3) == GMonthAbbr(m)) {
            date.month = m;
        }
    }
    date.day = std::stoi(std::string(tail.substr(9, 2)));
    date.year = std::stoi(std::string(tail.substr(13, 4)));
    return date;
}

}  // namespace qavo::testing
