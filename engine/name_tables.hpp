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

// The holiday definitions, 1 to 15: the 22-character row that is shown, and
// the 13-slot month and the day that every date computation uses.
struct HolidayEntry {
    std::string_view def;
    Integer month;
    Integer day;
};
inline constexpr int kHolidayCount = 15;
inline constexpr std::array<HolidayEntry, kHolidayCount> kHolidays = {{
    {"Rosh Hashanah Tish  1,", 1, 1},
    {"Yom Kippur    Tish 10,", 1, 10},
    {"Succoth       Tish 15,", 1, 15},
    {"Sh'mini Atz   Tish 22,", 1, 22},
    {"Simchat Torah Tish 23,", 1, 23},
    {"Hanukkah       Kis 25,", 3, 25},
    {"Tu B'Shevat   Shev 15,", 5, 15},
    {"Purim         Adar 14,", 7, 14},  // Adar II; a common year places it in Adar
    {"Passover       Nis 15,", 8, 15},
    {"Yom Hashoah    Nis 27,", 8, 27},
    {"Yom Haatzmaut Iyar  5,", 9, 5},
    {"Lag B'Omer    Iyar 18,", 9, 18},
    {"Shavuot        Siv  6,", 10, 6},
    {"Tisha B'Av      Av  9,", 12, 9},
    {"Erev RoshHash Elul 29,", 13, 29},
}};

constexpr bool AllHolidayRowsOf22() {
    for (const HolidayEntry& entry : kHolidays) {
        if (entry.def.size() != 22) {
            return false;
        }
    }
    return true;
}
static_assert(AllHolidayRowsOf22());

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
constexpr std::string_view HolidayDef(int i) {
    return kHolidays.at(i - 1).def;
}
constexpr Integer HolidayMonth(int i) {
    return kHolidays.at(i - 1).month;
}
constexpr Integer HolidayDay(int i) {
    return kHolidays.at(i - 1).day;
}

}  // namespace qavo
