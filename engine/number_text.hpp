#pragma once
// The number texts of the reports and the reading of numbers typed into text boxes.

#include <string>
#include <string_view>

#include "engine/types.hpp"

namespace qavo {

// The digits of n behind one blank, or behind "-" when n is negative: " 2008", "-3".
std::string BlankSigned(long n);
// At least two digits: "05", "12".
std::string TwoDigit(int n);

// A decimal number at the start of a text: an optional sign, digits, and an
// optional point followed by more digits. `length` counts the characters read.
struct DecimalText {
    bool negative = false;
    std::string_view whole;     // the digits before the point
    std::string_view fraction;  // the digits after it
    std::size_t length = 0;
};
DecimalText ScanDecimal(std::string_view text);
// Whether a whole number followed by this fraction's digits rounds up (away
// from zero) when rounded half to even.
bool RoundsUp(std::string_view fraction, bool wholeIsOdd);

// The leading number of a text box: optional blanks, an optional sign, digits
// and an optional fraction; anything after is ignored and an empty text gives
// 0. The value is rounded half to even. `fits` is false when it lies outside
// the 16 bits of an Integer; `value` then holds the nearest Integer.
struct LeadingNumber {
    Integer value = 0;
    bool fits = true;
};
LeadingNumber ReadLeadingNumber(std::string_view text);

// The same leading number unrounded, for boxes whose values keep a fraction
// (the coordinates of a city): "40.5 N" gives 40.5, an empty text 0.
double ReadLeadingValue(std::string_view text);

}  // namespace qavo
