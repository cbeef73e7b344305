#pragma once
// The fixed-width name tables. Every entry is padded on the right with blanks
// to its table's width, and every reader receives the padded text.

#include <array>
#include <string_view>

#include "engine/types.hpp"

namespace qavo {

namespace detail {
template <std::size_t N>
constexpr bool AllOfWidth(const std::array<std::string_view, N>& table, std::size_t width) {
    for (auto entry : table) {
        if (entry.size() != width) {
            return false;
        }
    }
    return true;
}
}  // namespace detail

inline constexpr std::string_view NL = "\r\n";

// Indexed by weekday, 0 = Sunday.
inline constexpr std::array<std::string_view, 7> kDayName = {"Sun", "Mon", "Tue", "Wed",
                                                             "Thu", "Fri", "Sat"};
// Indexed by Gregorian month - 1.
inline constexpr std::array<std::string_view, 12> kGMonthAbbr = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr std::array<std::string_view, 12> kGMonthName = {
    "January  ", "February ", "March    ", "April    ", "May      ", "June     ",
    "July     ", "August   ", "September", "October  ", "November ", "December "};
// Indexed by year type - 1.
inline constexpr std::array<std::string_view, 6> kYearTypeName = {
    "Deficient      ", "Normal         ", "Full           ",
    "Deficient-Leap ", "Normal-Leap    ", "Full-Leap      "};
// Indexed by the shown month - 1 of a common year.
inline constexpr std::array<std::string_view, 12> kJMonthName = {
    "Tishri    ", "Heshvan   ", "Kislev    ", "Tevet     ", "Shevat    ", "Adar      ",
    "Nisan     ", "Iyar      ", "Sivan     ", "Tammuz    ", "Av        ", "Elul      "};
// Indexed by the month - 1 of a leap year, which is also the 13-slot month.
inline constexpr std::array<std::string_view, 13> kJLeapMonthName = {
    "Tishri    ", "Heshvan   ", "Kislev    ", "Tevet     ", "Shevat    ",
    "Adar      ", "Adar II   ", "Nisan     ", "Iyar      ", "Sivan     ",
    "Tammuz    ", "Av        ", "Elul      "};

static_assert(detail::AllOfWidth(kDayName, 3) && detail::AllOfWidth(kGMonthAbbr, 3));
static_assert(detail::AllOfWidth(kGMonthName, 9) && detail::AllOfWidth(kYearTypeName, 15));
static_assert(detail::AllOfWidth(kJMonthName, 10) && detail::AllOfWidth(kJLeapMonthName, 10));

// Accessors with the tables' own 1-based (or weekday) indexes.
constexpr std::string_view DayName(int weekday) {
    return kDayName.at(weekday);
}
constexpr std::string_view GMonthAbbr(int month) {
    return kGMonthAbbr.at(month - 1);
}
constexpr std::string_view GMonthName(int month) {
    return kGMonthName.at(month - 1);
}
constexpr std::string_view YearTypeName(int yearType) {
    return kYearTypeName.at(yearType - 1);
}
constexpr std::string_view JMonthName(int shownMonth) {
    return kJMonthName.at(shownMonth - 1);
}
constexpr std::string_view JLeapMonthName(int month) {
    return kJLeapMonthName.at(month - 1);
}

}  // namespace qavo
