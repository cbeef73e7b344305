#pragma once
// The holiday table of the yearly lists, beside the rules that place it.

#include <array>
#include <string_view>

#include "engine/types.hpp"

namespace qavo {

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
