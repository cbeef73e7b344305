#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"

namespace qavo {

bool Engine::IsGregorianLeap(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
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
    // Counted from 1 March so that the leap day ends a year.
    const int y = month <= 2 ? year - 1 : year;
    const int shiftedMonth = (month + 9) % 12;                     // [0, 11], 0 = March
    const int dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;  // [0, 365]
    return 365 * y + y / 4 - y / 100 + y / 400 + dayOfYear;
}

int GregorianWeekday(int year, int month, int day) {
    // Zeller's congruence, with January and February counted in the year before.
    const int m = month <= 2 ? month + 12 : month;
    const int y = month <= 2 ? year - 1 : year;
    const int h = (day + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;  // 0 = Saturday
    return (h + 6) % 7;
}

bool IsNumberKey(int keyCode) {
    return keyCode == 8 || keyCode == 13 || keyCode == '+' || keyCode == '-' ||
           (keyCode >= '0' && keyCode <= '9');
}

}  // namespace qavo
