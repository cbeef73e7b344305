#include "engine/jewish_calendar.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/calendar_tables.hpp"

namespace qavo {

namespace {

// Time is counted in parts, 1080 to the hour.
constexpr std::int64_t kPartsPerDay = 24 * 1080;
constexpr std::int64_t kPartsPerMonth = 29 * kPartsPerDay + 12 * 1080 + 793;
// The molad of Tishri of year 1 fell at 23:11 and 6 parts on the day numbered
// here, Sunday 6 October 3761 BC of the Julian calendar.
constexpr std::int32_t kEpochDay = -1373123;
constexpr std::int64_t kEpochParts = 23 * 1080 + 11 * 18 + 6;

// Parts from the start of the epoch's day to the molad of Tishri of year.
std::int64_t MoladParts(int year) {
    const std::int64_t monthsBefore = (235 * std::int64_t{year} - 234) / 19;
    return kEpochParts + monthsBefore * kPartsPerMonth;
}

}  // namespace

MoladTime AddMolad(const MoladTime& a, const MoladTime& b) {
    MoladTime out;
    int s = a.Part + b.Part;  // [0, 34]
    out.Part = static_cast<Integer>(s % 18);
    int carry = s / 18;
    s = a.Minute + b.Minute + carry;  // [0, 119]
    out.Minute = static_cast<Integer>(s % 60);
    carry = s / 60;
    s = a.Hour + b.Hour + carry;  // [0, 47]
    out.Hour = static_cast<Integer>(s % 24);
    carry = s / 24;
    out.Day = static_cast<Integer>((a.Day + b.Day + carry) % 7);
    return out;
}

MoladTime MoladOfTishri(int year) {
    const std::int64_t parts = MoladParts(year);
    const auto inDay = static_cast<int>(parts % kPartsPerDay);  // [0, 25919]
    return {static_cast<Integer>(parts / kPartsPerDay % 7), static_cast<Integer>(inDay / 1080),
            static_cast<Integer>(inDay % 1080 / 18), static_cast<Integer>(inDay % 18)};
}

NewYearPostponement PostponeNewYear(const MoladTime& molad, int year) {
    // Hours are civil, counted from midnight: the old-molad threshold is noon.
    NewYearPostponement result;
    result.postponed = molad.Hour >= 12;
    if (!IsJewishLeapYear(year) && molad.Day == 2) {
        result.probe = AddMolad(molad, kGataradAdd);
        result.postponed = result.postponed || result.probe->Hour >= 4;
    }
    if (IsJewishLeapYear(year - 1) && molad.Day == 1) {
        result.probe = AddMolad(molad, kBetutakpatAdd);
        result.postponed = result.postponed || result.probe->Hour >= 10;
    }
    int weekday = molad.Day;
    if (result.postponed) {
        weekday = (weekday + 1) % 7;
    }
    if (weekday == 0 || weekday == 3 || weekday == 5) {  // never Sunday, Wednesday or Friday
        weekday = (weekday + 1) % 7;
    }
    result.weekday = static_cast<Integer>(weekday);
    return result;
}

namespace {

DayNumber ReckonNewYear(int year) {
    const std::int64_t parts = MoladParts(year);
    const auto moladDays = static_cast<std::int32_t>(parts / kPartsPerDay);
    const int moladWeekday = moladDays % 7;
    const int delay = (PostponeNewYear(MoladOfTishri(year), year).weekday - moladWeekday + 7) % 7;
    return DayNumber{kEpochDay + moladDays} + delay;  // delay [0, 2]
}

// The new years of the years a date of the accepted range can reach, and of
// the year after each, reckoned once.
constexpr int kFirstRememberedYear = kFirstJewishYear;
constexpr int kLastRememberedYear = kLastWalkableJewishYear + 1;

const std::vector<DayNumber>& RememberedNewYears() {
    static const std::vector<DayNumber> newYears = [] {
        std::vector<DayNumber> all;
        all.reserve(kLastRememberedYear - kFirstRememberedYear + 1);
        for (int year = kFirstRememberedYear; year <= kLastRememberedYear; ++year) {
            all.push_back(ReckonNewYear(year));
        }
        return all;
    }();
    return newYears;
}

}  // namespace

DayNumber JewishNewYear(int year) {
    if (year < kFirstRememberedYear || year > kLastRememberedYear) {
        return ReckonNewYear(year);
    }
    return RememberedNewYears()[static_cast<std::size_t>(year - kFirstRememberedYear)];
}

int JewishYearType(int year) {
    return YearTypeOfLength(JewishNewYear(year + 1) - JewishNewYear(year));
}

namespace {

// Days from 1 Tishri to the 1st of each slot, and to the year's end:
// [year type - 1][slot - 1]. Slot 7 of a common year has no days.
constexpr auto kDaysBefore = [] {
    std::array<std::array<int, 14>, 6> table{};
    for (int type = 1; type <= 6; ++type) {
        for (int slot = 1; slot <= 13; ++slot) {
            table[type - 1][slot] = table[type - 1][slot - 1] + JMonthLen(slot, type);
        }
    }
    return table;
}();
static_assert(kDaysBefore[0][13] == 353 && kDaysBefore[5][13] == 385);

}  // namespace

int DaysBeforeMonth(int slot, int yearType) {
    if (slot <= jmonth::kTishri) {
        return 0;
    }
    return kDaysBefore.at(yearType - 1).at(slot - 1);
}

JewishDate DateInYear(int year, int yearType, int daysFromNewYear) {
    const std::array<int, 14>& before = kDaysBefore.at(yearType - 1);
    // No month is longer than 30 days, so this slot is not past the date's.
    int slot = std::min(daysFromNewYear / 30 + 1, 13);  // [1, 13]
    while (slot < 13 && daysFromNewYear >= before[slot]) {
        ++slot;  // passes over the empty slot 7 of a common year
    }
    return {year, slot, daysFromNewYear - before[slot - 1] + 1};
}

JewishDate JewishDateOf(const GregorianDate& date) {
    const DayNumber day = DayNumberOf(date);
    int year = date.year + kJewishYearOffset;
    DayNumber newYear = JewishNewYear(year);
    if (day < newYear) {
        --year;
        newYear = JewishNewYear(year);
    }
    return DateInYear(year, JewishYearType(year), day - newYear);
}

}  // namespace qavo
