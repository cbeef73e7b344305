#pragma once
// Calendar facts from outside the product, to check it against: weekdays and
// Gregorian dates from std::chrono, and the Jewish new year from the
// published arithmetic (days elapsed since the epoch, counted in parts from
// the molad of creation, then the two delays of the year's length).

#include <chrono>

#include "engine/types.hpp"

namespace qavo::testing {

// 0 = Sunday.
inline int Weekday(int year, int month, int day) {
    using namespace std::chrono;
    return static_cast<int>(weekday{sys_days{std::chrono::year{year} / month / day}}.c_encoding());
}

inline long ElapsedDays(int jewishYear) {
    const long months = (235L * jewishYear - 234) / 19;
    const long days = 29 * months + (12084 + 13753 * months) / 25920;
    return (3 * (days + 1)) % 7 < 3 ? days + 1 : days;
}

// 1 Tishri of a year. The epoch, 1 Tishri of year 1, was 7 October 3761 BC
// (Julian), 2092590 days before 1 January 1970.
inline std::chrono::sys_days NewYearDay(int jewishYear) {
    const long now = ElapsedDays(jewishYear);
    const long delay = ElapsedDays(jewishYear + 1) - now == 356   ? 2
                       : now - ElapsedDays(jewishYear - 1) == 382 ? 1
                                                                  : 0;
    return std::chrono::sys_days{std::chrono::days{now + delay - 2092590}};
}

// The year's type [1, 6] from its length: 353 to 355 days, or 383 to 385.
inline int YearTypeOf(int jewishYear) {
    const auto length = (NewYearDay(jewishYear + 1) - NewYearDay(jewishYear)).count();
    return static_cast<int>(length < 360 ? length - 352 : length - 379);
}

inline GregorianDate NewYearOf(int jewishYear) {
    const std::chrono::year_month_day date{NewYearDay(jewishYear)};
    return {static_cast<Integer>(int{date.year()}), static_cast<Integer>(unsigned{date.month()}),
            static_cast<Integer>(unsigned{date.day()})};
}

}  // namespace qavo::testing
