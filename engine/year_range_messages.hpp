#pragma once
// The refusals of a year outside the years the program accepts, shown alike
// by the prompts, the month page and the main window.

#include <string_view>

namespace qavo {

inline constexpr std::string_view kGregorianYearRangeMessage = "Year must be between 1583 and 7000";
inline constexpr std::string_view kJewishYearRangeMessage = "Year must be between 5343 and 10760";

}  // namespace qavo
