#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"
#include "engine/jewish_months.hpp"

namespace qavo {

using namespace jmonth;

void Engine::DisplayToInternalMonth() {
    JMonth = JMonthShown;
    if (JMonthShown > kAdar && !IsJewishLeap(JYear)) {
        ++JMonth;
    }
}

Integer Engine::DaysFromNewYear(int month, int day) const {
    if (month == kAdarII && !IsJewishLeap(JYear)) {
        month = kAdar;  // Adar II in a common year counts as Adar
    }
    int days = day - 1;  // [0, 384]
    for (int m = 1; m < month; ++m) {
        days += JMonthLen(m, YearType);
    }
    return days;
}

void Engine::OffsetToGregorian(int offset, Integer& year, Integer& month, Integer& day,
                               Integer& weekday) const {
    weekday = (NewYearWeekday + offset) % 7;
    const int startYear = GYear;
    year = startYear;
    month = NewYearGMonth;
    int remaining = NewYearGDay + offset;
    // A walk from September or October can only cross the February of the next year.
    const int leapIndex = IsGregorianLeap(startYear + 1) ? 1 : 0;
    for (;;) {
        const int rest = remaining - GMonthLen(month, leapIndex);
        if (rest <= 0) {
            break;
        }
        month = month % 12 + 1;
        if (month == 1) {
            year = startYear + 1;
        }
        remaining = rest;
    }
    day = remaining;
}

void Engine::NextJewishDay(Integer& month, Integer& day) const {
    ++day;
    if (day > JMonthLen(month, YearType)) {
        day = 1;
        ++month;
        if (month == kAdarII && !IsJewishLeap(JYear)) {
            month = kNisan;
        }
        if (month > kElul) {
            month = kTishri;  // the year itself is the caller's to change
        }
    }
}

void Engine::WalkToTargetByDays(Integer& day, Integer& month) {
    Integer gYear = NewYearGYear;
    Integer gMonth = NewYearGMonth;
    Integer gDay = NewYearGDay;
    while (!IsTargetDate(gYear, gMonth, gDay)) {
        NextGregorianDay(gYear, gMonth, gDay);
        NextJewishDay(month, day);
    }
}

void Engine::WalkToTargetByMonths(int count, Integer& day, Integer& month) {
    if (count > 0) {
        // The day walk's last step starts from the day before the target.
        const bool targetIsNewYearsDay = TargetGMonth == 1 && TargetGDay == 1;
        GLeapIndex = IsGregorianLeap(targetIsNewYearsDay ? GYear - 1 : GYear) ? 1 : 0;
    }
    int remaining = count;  // [0, 384]
    int m = 1;
    while (remaining >= JMonthLen(m, YearType)) {
        remaining -= JMonthLen(m, YearType);
        ++m;
        if (m == kAdarII && !IsJewishLeap(JYear)) {
            m = kNisan;
        }
    }
    month = m;
    day = remaining + 1;
}

bool Engine::StepToGregorianDate(Integer& day, Integer& month, Integer& weekday) {
    const int count = GregorianDayNumber(GYear, TargetGMonth, TargetGDay) -
                      GregorianDayNumber(NewYearGYear, NewYearGMonth, NewYearGDay);
    if (YearType < 1 || YearType > 6 || count < 0 || count >= JewishYearLength(YearType)) {
        return false;
    }
    day = 1;
    month = 1;
    if (reckoning != Reckoning::Fast) {
        WalkToTargetByDays(day, month);
    } else {
        WalkToTargetByMonths(count, day, month);
    }
    weekday = (NewYearWeekday + count) % 7;
    return true;
}

void Engine::TargetOnOrAfterNewYear() {
    AfterNewYear = !(NewYearGMonth > TargetGMonth ||
                     (NewYearGMonth == TargetGMonth && NewYearGDay > TargetGDay));
}

bool Engine::GregorianToJewish() {
    if (!IsValidGregorianDate(GYear, TargetGMonth, TargetGDay)) {
        return false;
    }
    const Integer thisYear = GYear + kJewishYearOffset;  // begins in the autumn of GYear
    JYear = thisYear;
    if (!NewYearGregorianDate(JYear, NewYearGDay, NewYearGMonth)) {
        return false;
    }
    TargetOnOrAfterNewYear();
    NewYearGYear = GYear;
    if (!AfterNewYear) {
        JYear = thisYear - 1;
        if (!NewYearGregorianDate(JYear, NewYearGDay, NewYearGMonth)) {
            return false;
        }
        NewYearGYear = GYear - 1;
    }
    ResultJYear = JYear;
    Integer day = 0;
    Integer month = 0;
    Integer weekday = 0;
    if (!StepToGregorianDate(day, month, weekday)) {
        return false;
    }
    JDay = day;
    JMonth = month;
    JMonthShown = month > kAdar && !IsJewishLeap(JYear) ? month - 1 : month;
    return true;
}

}  // namespace qavo
