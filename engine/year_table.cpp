#include "engine/year_table.hpp"

#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_calendar.hpp"

namespace qavo {

namespace {

bool IsAnchorYear(int year) {
    return std::any_of(kNewYearAnchors.begin(), kNewYearAnchors.end(),
                       [year](const NewYearAnchor& a) { return a.year == year; });
}

}  // namespace

YearTable::YearTable() {
    types_.reserve(kLastYear - kFirstYear + 1);
    newYears_.reserve(kLastYear - kFirstYear + 1);
    NewYearPostponement next = PostponeNewYear(MoladOfTishri(kFirstYear), kFirstYear);
    DayNumber nextNewYear = JewishNewYear(kFirstYear);
    std::optional<MoladTime> walkProbe;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        // Finding a year's type works out the next year's new year, then its own.
        const NewYearPostponement own = next;
        const DayNumber newYear = nextNewYear;
        next = PostponeNewYear(MoladOfTishri(year + 1), year + 1);
        nextNewYear = JewishNewYear(year + 1);
        const std::optional<MoladTime> probe = own.probe ? own.probe : next.probe;
        const auto cyclePos = static_cast<Integer>(year % 19);
        const auto yearType = static_cast<Integer>(YearTypeOfLength(nextNewYear - newYear));
        types_.push_back({MoladOfTishri(year), cyclePos, kCommonsBeforeTable[cyclePos],
                          kLeapsBeforeTable[cyclePos], own.weekday, yearType, own.postponed,
                          probe});

        if (IsAnchorYear(year)) {
            walkProbe.reset();
        }
        if (probe) {
            walkProbe = probe;
        }
        const int gregorianYear = year - kJewishYearOffset;
        const int leapIndex = IsGregorianLeapYear(gregorianYear + 1) ? 1 : 0;
        const auto septDay = static_cast<Integer>(newYear - DayNumberOf(gregorianYear, 8, 31));
        newYears_.push_back({newYear, kNewYearShift[leapIndex][yearType - 1], septDay, walkProbe});
    }
}

const YearTable& YearTable::Instance() {
    static const YearTable table;
    return table;
}

}  // namespace qavo
