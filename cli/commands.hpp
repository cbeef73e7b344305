#pragma once
// The commands of qavo-cli. Each reads its arguments, runs the logic on a
// freshly started calendar and prints exactly the text the windows show.

#include <iosfwd>

#include "cli/arguments.hpp"
#include "startup/init_calendar.hpp"

namespace qavo::cli {

struct Context {
    Calendar& calendar;
    std::ostream& out;
};

using CommandFunction = void (*)(Arguments&, Context&);

struct Command {
    const char* name;
    const char* usage;
    CommandFunction run;
};

// The calendar engine
void ConvertDays(Arguments& args, Context& context);   // g2j
void DescribeYear(Arguments& args, Context& context);  // year

// Holidays and year reports
void GregorianYearHolidays(Arguments& args, Context& context);  // greg-year
void JewishYearInformation(Arguments& args, Context& context);  // jewish-info
void JewishYearHolidayList(Arguments& args, Context& context);  // jewish-holidays
void ConvertGregorianDate(Arguments& args, Context& context);   // convert-greg
void ConvertJewishDate(Arguments& args, Context& context);      // convert-jewish
// Torah readings
void PrintReadings(Arguments& args, Context& context);  // readings
// The month page
void ShowMonth(Arguments& args, Context& context);  // month

// The month page
void ShowMonth(Arguments& args, Context& context);  // month
// Sunset
void PrintSunset(Arguments& args, Context& context);        // sunset
void PrintSunsetList(Arguments& args, Context& context);    // sunset-list
void PrintReadingsList(Arguments& args, Context& context);  // readings-list

}  // namespace qavo::cli
