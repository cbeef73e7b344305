#pragma once
// The blank padding and the letter case of the fixed-width texts in the
// tables, the files and the boxes. Blanks are spaces only; case is that of the
// letters A to Z, whatever the locale.

#include <algorithm>
#include <string_view>

namespace qavo {

constexpr std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

constexpr std::string_view WithoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : WithoutTrailingBlanks(text.substr(first));
}

constexpr char LowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}

static_assert(WithoutBlanks("  Tel Aviv  ") == "Tel Aviv" && WithoutBlanks("   ").empty());
static_assert(SameIgnoringCase("Daylight", "DAYLIGHT") && !SameIgnoringCase("Nisan", "Nisa"));

}  // namespace qavo
