#pragma once
// The refusals of a year outside the years the program accepts, shown alike
// by the prompts, the month page and the main window.

#include <string>
#include <string_view>

namespace qavo {

inline constexpr std::string_view kGregorianYearRangeMessage = "Year must be between 1583 and 7000";
inline constexpr std::string_view kJewishYearRangeMessage = "Year must be between 5343 and 10760";

// A Jewish year after 10760 that a page shows (November and December 7000
// lie in 10761) but no report covers, since it ends in 7001.
inline std::string JewishYearPastCalendarMessage(int jYear) {
    return "Jewish year " + std::to_string(jYear) +
           " runs past 7000, the calendar's last year. Go to a month up to October 7000 for "
           "the information of 10760.";
}

}  // namespace qavo
