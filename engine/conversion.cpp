#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/year_table.hpp"

namespace qavo {

void Engine::DisplayToInternalMonth() {
    JMonth = static_cast<Integer>(MonthSlotOf(JMonthShown, IsJewishLeap(JYear)));
}

Integer Engine::DaysFromNewYear(int month, int day) const {
    // Adar II given for a common year counts as its Adar.
    const bool leap = IsJewishLeap(JYear);
    const int slot = MonthSlotOf(ShownMonthOf(month, leap), leap);
    return static_cast<Integer>(DaysBeforeMonth(slot, YearType) + day - 1);  // [0, 384]
}

void Engine::OffsetToGregorian(int offset, Integer& year, Integer& month, Integer& day,
                               Integer& weekday) const {
    weekday = static_cast<Integer>((NewYearWeekday + offset) % 7);
    const int startYear = GYear;
    year = static_cast<Integer>(startYear);
    month = NewYearGMonth;
    int remaining = NewYearGDay + offset;
    // A walk from September or October can only cross the February of the next year.
    const int leapIndex = IsGregorianLeap(startYear + 1) ? 1 : 0;
    for (;;) {
        const int rest = remaining - GMonthLen(month, leapIndex);
        if (rest <= 0) {
            break;
        }
        month = static_cast<Integer>(month % 12 + 1);
        if (month == 1) {
            year = static_cast<Integer>(startYear + 1);
        }
        remaining = rest;
    }
    day = static_cast<Integer>(remaining);
}

void Engine::NextJewishDay(Integer& month, Integer& day) const {
    ++day;
    if (day > JMonthLen(month, YearType)) {
        day = 1;
        month = static_cast<Integer>(NextMonthSlot(month, IsJewishLeap(JYear)));
    }
}

bool Engine::StepToGregorianDate(Integer& day, Integer& month, Integer& weekday) {
    const int count = DayNumberOf(GYear, TargetGMonth, TargetGDay) -
                      DayNumberOf(NewYearGYear, NewYearGMonth, NewYearGDay);
    if (YearType < 1 || YearType > 6 || count < 0 || count >= JewishYearLength(YearType)) {
        return false;
    }
    LeaveDateInYear(count, day, month, weekday);
    return true;
}

void Engine::LeaveDateInYear(int count, Integer& day, Integer& month, Integer& weekday) {
    if (count > 0) {
        // What a walk day by day leaves: the leap index of the year its last step starts in.
        const bool targetIsNewYearsDay = TargetGMonth == 1 && TargetGDay == 1;
        GLeapIndex = IsGregorianLeap(targetIsNewYearsDay ? GYear - 1 : GYear) ? 1 : 0;
    }
    const JewishDate date = DateInYear(JYear, YearType, count);
    month = static_cast<Integer>(date.month);
    day = static_cast<Integer>(date.day);
    weekday = static_cast<Integer>((NewYearWeekday + count) % 7);
}

void Engine::TargetOnOrAfterNewYear() {
    AfterNewYear = !(NewYearGMonth > TargetGMonth ||
                     (NewYearGMonth == TargetGMonth && NewYearGDay > TargetGDay));
}

bool Engine::FindJewishDate(Integer& day, Integer& month, Integer& weekday) {
    if (!IsValidGregorianDate(GYear, TargetGMonth, TargetGDay)) {
        return false;
    }
    // The Jewish year that begins in the autumn of GYear, or the one before.
    const DayNumber target = DayNumberOf(GYear, TargetGMonth, TargetGDay);
    JYear = static_cast<Integer>(GYear + kJewishYearOffset);
    NewYearGYear = GYear;
    AfterNewYear = target >= table_.NewYearOf(JYear).newYear;
    if (!AfterNewYear) {
        // Finding this year's new year first would leave its probe behind
        // wherever the previous year's leaves none.
        if (const auto& probe = table_.NewYearOf(JYear).walkProbe) {
            MoladProbe = *probe;
        }
        --JYear;
        --NewYearGYear;
    }
    LeaveNewYearOf(JYear, NewYearGDay, NewYearGMonth);
    ResultJYear = JYear;
    LeaveDateInYear(target - table_.NewYearOf(JYear).newYear, day, month, weekday);
    return true;
}

bool Engine::GregorianToJewish() {
    Integer day = 0;
    Integer month = 0;
    Integer weekday = 0;
    if (!FindJewishDate(day, month, weekday)) {
        return false;
    }
    JDay = day;
    JMonth = month;
    JMonthShown = static_cast<Integer>(ShownMonthOf(month, IsLeapYearType(YearType)));
    return true;
}

}  // namespace qavo
