#pragma once
// The commands of qavo-cli. Each reads its arguments, runs the logic on a
// freshly started calendar and prints exactly the text the windows show.

#include <iosfwd>

#include "cli/arguments.hpp"
#include "holidays/listed_days.hpp"
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
// Sunset
void PrintSunset(Arguments& args, Context& context);        // sunset
void PrintSunsetList(Arguments& args, Context& context);    // sunset-list
void PrintReadingsList(Arguments& args, Context& context);  // readings-list
// Calendar files of the holiday and anniversary lists
void ExportCalendarFile(Arguments& args, Context& context);  // ics

// The holiday choices of the settings file, with --schedule israel|diaspora
// and --holidays major|all taken out of the arguments in their place when
// given.
HolidayOptions TakeHolidayOptions(Arguments& args, const Calendar& calendar);
// The same with --schedule alone, for the commands that show readings only.
HolidayOptions TakeScheduleOption(Arguments& args, const Calendar& calendar);

// Makes a Gregorian date the engine's target: GYear, TargetGMonth, TargetGDay.
void SetTargetDate(Engine& engine, const GregorianDate& date);

// The lists behind the holiday and anniversary commands, with the days
// they name; each reads the positional words of its command.
struct AnniversaryOptions {
    std::optional<std::string> count;    // --anniv N
    std::optional<std::string> heading;  // --heading TEXT
};
// Takes --anniv and --heading out; a heading needs a count.
AnniversaryOptions TakeAnniversaryOptions(Arguments& args);
ListedReport GregorianYearListed(Arguments& args, Context& context);       // G
ListedReport JewishYearHolidaysListed(Arguments& args, Context& context);  // J
ListedReport GregorianDateListed(Arguments& args, Context& context,        // YYYY-MM-DD
                                 const AnniversaryOptions& options);
ListedReport JewishDateListed(Arguments& args, Context& context,  // J MONTH DAY
                              const AnniversaryOptions& options);

}  // namespace qavo::cli
