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
