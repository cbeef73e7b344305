#pragma once
// The numeric tables and constants of the calendar arithmetic.

#include <array>

#include "engine/types.hpp"

namespace qavo {

// Gregorian month lengths: [month - 1][leap index], leap index 1 in a leap year.
inline constexpr std::array<std::array<Integer, 2>, 12> kGMonthLen = {{
    {31, 31},
    {28, 29},
    {31, 31},
    {30, 30},
    {31, 31},
    {30, 30},
    {31, 31},
    {31, 31},
    {30, 30},
    {31, 31},
    {30, 30},
    {31, 31},
}};
constexpr Integer GMonthLen(int month, int leapIndex) {
    return kGMonthLen.at(month - 1).at(leapIndex);
}

// Jewish month lengths: [13-slot month - 1][year type - 1]. A common year has
// no Adar II; a full year lengthens Heshvan, a deficient one shortens Kislev.
inline constexpr std::array<std::array<Integer, 6>, 13> kJMonthLen = {{
    {30, 30, 30, 30, 30, 30},  // Tishri
    {29, 29, 30, 29, 29, 30},  // Heshvan
    {29, 30, 30, 29, 30, 30},  // Kislev
    {29, 29, 29, 29, 29, 29},  // Tevet
    {30, 30, 30, 30, 30, 30},  // Shevat
    {29, 29, 29, 30, 30, 30},  // Adar (the first Adar of a leap year)
    {0, 0, 0, 29, 29, 29},     // Adar II
    {30, 30, 30, 30, 30, 30},  // Nisan
    {29, 29, 29, 29, 29, 29},  // Iyar
    {30, 30, 30, 30, 30, 30},  // Sivan
    {29, 29, 29, 29, 29, 29},  // Tammuz
    {30, 30, 30, 30, 30, 30},  // Av
    {29, 29, 29, 29, 29, 29},  // Elul
}};
constexpr Integer JMonthLen(int month, int yearType) {
    return kJMonthLen.at(month - 1).at(yearType - 1);
}

// Days in a Jewish year of each type, and whether the type is a leap year.
constexpr int JewishYearLength(int yearType) {
    constexpr std::array<int, 6> lengths = {353, 354, 355, 383, 384, 385};
    return lengths.at(yearType - 1);
}
constexpr bool IsLeapYearType(int yearType) {
    return yearType >= 4;
}

// How many common and leap years of the 19-year cycle precede a year, by its
// cycle position (year mod 19; position 0 is the 19th year of a cycle). The
// leap years are the 3rd, 6th, 8th, 11th, 14th, 17th and 19th.
inline constexpr std::array<Integer, 19> kCommonsBeforeTable = {12, 0, 1, 2, 2, 3, 4,  4,  5, 5,
                                                                6,  7, 7, 8, 9, 9, 10, 11, 11};
inline constexpr std::array<Integer, 19> kLeapsBeforeTable = {6, 0, 0, 0, 1, 1, 1, 2, 2, 3,
                                                              3, 3, 4, 4, 4, 5, 5, 5, 6};

inline constexpr MoladTime kMoladEpoch = {0, 23, 11, 6};       // Tishri of year 1
inline constexpr MoladTime kMoladCycle = {2, 16, 33, 1};       // 235 lunar months
inline constexpr MoladTime kMoladCommonYear = {4, 8, 48, 12};  // 12 lunar months
inline constexpr MoladTime kMoladLeapYear = {5, 21, 32, 13};   // 13 lunar months
// Added to a Tuesday molad: the sum reaches hour 4 exactly when the molad is
// at or after 3:11 and 6 parts.
inline constexpr MoladTime kGataradAdd = {0, 0, 48, 12};
// Added to a Monday molad: the sum reaches hour 10 exactly when the molad is
// at or after 9:32 and 13 parts.
inline constexpr MoladTime kBetutakpatAdd = {0, 0, 27, 5};

// The anchors of the new-year computation: from each anchor year on, the
// September day of its new year (above 30 means October).
struct NewYearAnchor {
    Integer year;
    Integer septDay;
};
inline constexpr std::array<NewYearAnchor, 24> kNewYearAnchors = {{
    {5343, 27}, {5400, 29}, {5460, 24}, {5500, 33}, {5560, 30}, {5600, 9},  {5660, 5},  {5700, 14},
    {5746, 16}, {5760, 11}, {5800, 19}, {5860, 15}, {5900, 24}, {5960, 21}, {6000, 30}, {6100, 35},
    {6200, 10}, {6300, 14}, {6400, 21}, {6500, 25}, {6600, 31}, {6700, 35}, {6800, 12}, {6900, 16},
}};

// Days by which the new year's September day moves to the next year:
// [leap index of Gregorian year Y - 3760][year type of Y - 1].
inline constexpr std::array<std::array<Integer, 6>, 2> kNewYearShift = {{
    {-12, -11, -10, 18, 19, 20},
    {-13, -12, -11, 17, 18, 19},
}};

}  // namespace qavo
