#pragma once
// The steps of the month and year spin buttons: the month cycles within the
// typed year, the year steps on whatever the year box holds.

#include <string>
#include <string_view>

#include "engine/types.hpp"

namespace qavo {

// Month list positions, 0 = January: December follows January going down and
// January follows December going up.
int PreviousMonthIndex(int index);
int NextMonthIndex(int index);

// The year box after one spin step: the plain number of its text plus delta
// ("2008" and -1 give "2007"); the step itself has no limits.
std::string StepYearText(std::string_view text, int delta);

// The Jewish-year button after one spin step: " 5768" and -1 give " 5767".
std::string StepJewishYearCaption(std::string_view caption, int delta);

// The keyboard's way over the page: the day `days` away (the arrow keys move
// a day or a week, across month ends), and the same day `months` away (Page
// Up and Page Down), held to that month's length. A step that would leave
// the years 1583 to 7000 stays on the day it started from.
GregorianDate DaysAway(GregorianDate from, int days);
GregorianDate MonthsAway(GregorianDate from, int months);

}  // namespace qavo
