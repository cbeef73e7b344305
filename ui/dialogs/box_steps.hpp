#pragma once
// What the spin buttons of the prompts write into their boxes. A box holds
// whatever the user typed or pasted; its number is the text's leading number,
// rounded half to even, held to 16 bits.

#include <optional>
#include <string>
#include <string_view>

#include "engine/types.hpp"

namespace qavo::ui {

// Day boxes. Up: the next day, " 1" after the month's last day (or beyond it).
std::string DayUpText(std::string_view box, int monthLength);
// Down in the Jewish dialog: the month's length at or below the 1st.
std::string JewishDayDownText(std::string_view box, int monthLength);
// Down in the Gregorian dialog: one less, the month's length in place of 0.
std::string GregorianDayDownText(std::string_view box, int monthLength);

// Year boxes: the box's number plus delta, nullopt when the box's number or
// the result lies outside lowest..highest (the 16 bits of the year, or less
// when a year derived from it must fit them too).
std::optional<Integer> SteppedYear(std::string_view box, int delta, int lowest, int highest);

// The successive-years box: one less, " 1" in place of 0; one more, no limit.
std::string SuccessiveYearsDownText(std::string_view box);
std::string SuccessiveYearsUpText(std::string_view box);

}  // namespace qavo::ui
