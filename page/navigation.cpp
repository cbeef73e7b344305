#include "page/navigation.hpp"

#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"
#include "engine/number_text.hpp"

namespace qavo {

namespace {
constexpr int kMonths = 12;

int MonthLength(int year, int month) {
    return GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
}

long SteppedNumber(std::string_view text, int delta) {
    return static_cast<long>(ReadLeadingNumber(text).value) + delta;
}
}  // namespace

int PreviousMonthIndex(int index) {
    return index <= 0 ? kMonths - 1 : index - 1;
}

int NextMonthIndex(int index) {
    return index >= kMonths - 1 ? 0 : index + 1;
}

std::string StepYearText(std::string_view text, int delta) {
    return std::to_string(SteppedNumber(text, delta));
}

std::string StepJewishYearCaption(std::string_view caption, int delta) {
    return BlankSigned(SteppedNumber(caption, delta));
}

GregorianDate DaysAway(GregorianDate from, int days) {
    int year = from.year, month = from.month, day = from.day + days;
    while (day < 1) {
        month = month == 1 ? (--year, kMonths) : month - 1;
        day += MonthLength(year, month);
    }
    while (day > MonthLength(year, month)) {
        day -= MonthLength(year, month);
        month = month == kMonths ? (++year, 1) : month + 1;
    }
    if (!IsAcceptedGregorianYear(year)) {
        return from;
    }
    return {static_cast<Integer>(year), static_cast<Integer>(month), static_cast<Integer>(day)};
}

GregorianDate MonthsAway(GregorianDate from, int months) {
    const int count = from.year * kMonths + from.month - 1 + months;  // months since year 0
    const int year = count / kMonths;
    const int month = count % kMonths + 1;
    if (!IsAcceptedGregorianYear(year)) {
        return from;
    }
    const int day = std::min<int>(from.day, MonthLength(year, month));
    return {static_cast<Integer>(year), static_cast<Integer>(month), static_cast<Integer>(day)};
}

}  // namespace qavo
