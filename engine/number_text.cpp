#include "engine/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace qavo {

std::string BlankSigned(long n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

std::string TwoDigit(int n) {
    return n >= 0 && n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

LeadingNumber ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturates far above the 16-bit range, so no digit string can overflow it.
    constexpr std::int64_t kCeiling = 1'000'000;
    std::int64_t whole = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        whole = std::min(kCeiling, whole * 10 + (text[i] - '0'));
    }
    // Only the fraction's first digit and whether any other is non-zero
    // matter for rounding half to even.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            firstFractionDigit = text[i++] - '0';
        }
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            restNonZero = restNonZero || text[i] != '0';
        }
    }
    const bool roundUp = firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero) ||
                         (firstFractionDigit == 5 && !restNonZero && whole % 2 == 1);
    const std::int64_t magnitude = whole + (roundUp ? 1 : 0);
    const std::int64_t value = negative ? -magnitude : magnitude;

    constexpr std::int64_t kMin = std::numeric_limits<Integer>::min();
    constexpr std::int64_t kMax = std::numeric_limits<Integer>::max();
    LeadingNumber result;
    result.fits = value >= kMin && value <= kMax;
    result.value = static_cast<Integer>(value < kMin ? kMin : value > kMax ? kMax : value);
    return result;
}

double ReadLeadingValue(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    std::size_t i = start;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t digits = i;
    while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) {
        ++i;  // from_chars below stops at a second point
    }
    double value = 0;  // stays 0 when there are no digits
    const auto [end, ec] =
        std::from_chars(text.data() + digits, text.data() + i, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double, or so small that it is 0.
        const std::string_view whole = text.substr(digits, i - digits);
        const bool large =
            whole.substr(0, whole.find('.')).find_first_not_of('0') != std::string_view::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0;
    }
    return negative ? -value : value;
}

}  // namespace qavo
