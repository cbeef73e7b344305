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

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitsFrom(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

// The text after its leading blanks and tabs.
std::string_view AfterLeadingBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

}  // namespace

DecimalText ScanDecimal(std::string_view text) {
    DecimalText number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    const std::size_t wholeEnd = DigitsFrom(text, i);
    number.whole = text.substr(i, wholeEnd - i);
    i = wholeEnd;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = DigitsFrom(text, i + 1);
        number.fraction = text.substr(i + 1, fractionEnd - i - 1);
        i = fractionEnd;
    }
    number.length = i;
    return number;
}

bool RoundsUp(std::string_view fraction, bool wholeIsOdd) {
    // Only the first digit and whether any other is non-zero matter.
    return !fraction.empty() &&
           (fraction[0] > '5' ||
            (fraction[0] == '5' &&
             (wholeIsOdd || fraction.find_first_not_of('0', 1) != std::string_view::npos)));
}

LeadingNumber ReadLeadingNumber(std::string_view text) {
    const DecimalText number = ScanDecimal(AfterLeadingBlanks(text));
    // Saturates far above the 16-bit range, so no digit string can overflow it.
    constexpr std::int64_t kCeiling = 1'000'000;
    std::int64_t whole = 0;
    for (const char c : number.whole) {
        whole = std::min(kCeiling, whole * 10 + (c - '0'));
    }
    const std::int64_t magnitude = whole + (RoundsUp(number.fraction, whole % 2 == 1) ? 1 : 0);
    const std::int64_t value = number.negative ? -magnitude : magnitude;

    constexpr std::int64_t kMin = std::numeric_limits<Integer>::min();
    constexpr std::int64_t kMax = std::numeric_limits<Integer>::max();
    LeadingNumber result;
    result.fits = value >= kMin && value <= kMax;
    result.value = static_cast<Integer>(value < kMin ? kMin : value > kMax ? kMax : value);
    return result;
}

double ReadLeadingValue(std::string_view text) {
    const std::string_view start = AfterLeadingBlanks(text);
    const DecimalText number = ScanDecimal(start);
    double value = 0;  // stays 0 when there are no digits
    const auto [end, ec] = std::from_chars(number.whole.data(), start.data() + number.length, value,
                                           std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double, or so small that it is 0.
        const bool large = number.whole.find_first_not_of('0') != std::string_view::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0;
    }
    return number.negative ? -value : value;
}

}  // namespace qavo
