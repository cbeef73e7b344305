#pragma once
// The Jewish calendar as pure functions of a year, a month slot and a day:
// the molad of Tishri, the postponements, the new year as a day number, the
// year's type and the two month numberings. The engine writes its state from
// these; nothing here keeps state.

#include <optional>

#include "engine/day_number.hpp"
#include "engine/jewish_months.hpp"
#include "engine/types.hpp"

namespace qavo {

// The 3rd, 6th, 8th, 11th, 14th, 17th and 19th years of each 19-year cycle.
constexpr bool IsJewishLeapYear(int year) {
    switch (year % 19) {
        case 0:
        case 3:
        case 6:
        case 8:
        case 11:
        case 14:
        case 17:
            return true;
        default:
            return false;
    }
}

// The sum of two molad times, carried field by field; whole weeks are dropped.
MoladTime AddMolad(const MoladTime& a, const MoladTime& b);

// The molad of Tishri of a year, in civil time from midnight.
MoladTime MoladOfTishri(int year);

// The weekday of 1 Tishri from the molad, and what the rules did on the way.
struct NewYearPostponement {
    Integer weekday = 0;             // [0, 6], never Sunday, Wednesday or Friday
    bool postponed = false;          // one of the three molad rules moved it a day
    std::optional<MoladTime> probe;  // the molad sum the Tuesday or Monday rule tested
};
NewYearPostponement PostponeNewYear(const MoladTime& molad, int year);

// 1 Tishri of a year, from year 1 on.
DayNumber JewishNewYear(int year);

// The year type [1, 6] (deficient, normal, full; then the three leap types)
// of a year of the given length, 0 for a length no year has.
constexpr int YearTypeOfLength(int days) {
    switch (days) {
        case 353:
            return 1;
        case 354:
            return 2;
        case 355:
            return 3;
        case 383:
            return 4;
        case 384:
            return 5;
        case 385:
            return 6;
        default:
            return 0;
    }
}
int JewishYearType(int year);

// The two month numberings: the 13 fixed slots, and the position in the
// year's own list of 12 or 13 months. A common year has no Adar II: its list
// skips slot 7, and slot 7 given for a common year is its Adar.
constexpr int ShownMonthOf(int slot, bool leap) {
    return !leap && slot > jmonth::kAdar ? slot - 1 : slot;
}
constexpr int MonthSlotOf(int shown, bool leap) {
    return !leap && shown > jmonth::kAdar ? shown + 1 : shown;
}
// The slot that follows a month of the year; Elul is followed by Tishri.
constexpr int NextMonthSlot(int slot, bool leap) {
    if (slot == jmonth::kElul) {
        return jmonth::kTishri;
    }
    return MonthSlotOf(ShownMonthOf(slot, leap) + 1, leap);
}

// Days from 1 Tishri to the 1st of a month slot in a year of the given type.
int DaysBeforeMonth(int slot, int yearType);

// A Jewish date with its month in the fixed slots.
struct JewishDate {
    int year = 0;
    int month = 0;  // [1, 13]
    int day = 0;    // [1, 30]
    friend bool operator==(const JewishDate&, const JewishDate&) = default;
};
// The month slot and day that lie a count of days after 1 Tishri.
JewishDate DateInYear(int year, int yearType, int daysFromNewYear);
// The Jewish date of a Gregorian date from 1 January 1583 on.
JewishDate JewishDateOf(const GregorianDate& date);

}  // namespace qavo
