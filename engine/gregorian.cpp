#include "engine/calendar_tables.hpp"
#include "engine/day_number.hpp"
#include "engine/engine.hpp"

namespace qavo {

bool Engine::IsGregorianLeap(int year) {
    return IsGregorianLeapYear(year);
}

void Engine::NextGregorianDay(Integer& year, Integer& month, Integer& day) {
    GLeapIndex = IsGregorianLeap(year) ? 1 : 0;  // the year before the step
    ++day;
    if (day > GMonthLen(month, GLeapIndex)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

bool Engine::IsTargetDate(int year, int month, int day) const {
    return month == TargetGMonth && day == TargetGDay && year == GYear;
}

bool Engine::IsToday(int year, int month, int day) const {
    return year == TodayGYear && month == TodayGMonth && day == TodayGDay;
}

bool IsAcceptedGregorianYear(int year) {
    return year >= kFirstGregorianYear && year <= kLastGregorianYear;
}

bool IsValidGregorianDate(int year, int month, int day) {
    if (year < kFirstGregorianYear || year > kLastWalkableJewishYear - kJewishYearOffset ||
        month < 1 || month > 12) {
        return false;
    }
    return day >= 1 && day <= GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
}

int GregorianDayNumber(int year, int month, int day) {
    return DayNumberOf(year, month, day).days;
}

int GregorianWeekday(int year, int month, int day) {
    return WeekdayOf(DayNumberOf(year, month, day));
}

bool IsNumberKey(int keyCode) {
    return keyCode == 8 || keyCode == 13 || keyCode == '+' || keyCode == '-' ||
           (keyCode >= '0' && keyCode <= '9');
}

}  // namespace qavo
