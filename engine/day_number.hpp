#pragma once
// The one pivot between the calendars: a count of days. Every conversion goes
// through it, so a date difference is a subtraction and a weekday a remainder.

#include <cstdint>

#include "engine/types.hpp"

namespace qavo {

// Days counted from 1 March of year 0 of the proleptic Gregorian calendar.
struct DayNumber {
    std::int32_t days = 0;

    friend constexpr auto operator<=>(DayNumber, DayNumber) = default;
    friend constexpr DayNumber operator+(DayNumber d, int n) { return {d.days + n}; }
    friend constexpr DayNumber operator-(DayNumber d, int n) { return {d.days - n}; }
    friend constexpr int operator-(DayNumber a, DayNumber b) { return a.days - b.days; }
};

// Every 4th year, but of the centuries (the multiples of 25 among those) only
// every 4th; for years from 1 on.
constexpr bool IsGregorianLeapYear(int year) {
    return (year & 3) == 0 && (year % 25 != 0 || (year & 15) == 0);
}

// Counted from 1 March so that the leap day ends a year; valid from year 1 on.
constexpr DayNumber DayNumberOf(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int shiftedMonth = (month + 9) % 12;                     // [0, 11], 0 = March
    const int dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;  // [0, 365]
    return {365 * y + y / 4 - y / 100 + y / 400 + dayOfYear};
}
constexpr DayNumber DayNumberOf(const GregorianDate& date) {
    return DayNumberOf(date.year, date.month, date.day);
}

// Weekday, 0 = Sunday; day 0 was a Wednesday.
constexpr int WeekdayOf(DayNumber d) {
    return (d.days % 7 + 10) % 7;
}

static_assert(DayNumberOf(2000, 3, 1).days == 730485);   // 2000 whole years of 365.2425 days
static_assert(WeekdayOf(DayNumberOf(2000, 1, 1)) == 6);  // a Saturday

}  // namespace qavo
