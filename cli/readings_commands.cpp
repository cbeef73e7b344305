#include <ostream>

#include "cli/commands.hpp"
#include "readings/sabbath_readings.hpp"

namespace qavo::cli {

// The readings of the week of a Gregorian day (today when none is given),
// read with the information of that day's own Jewish year, as the
// successive-days list does, in the schedule chosen.
void PrintReadings(Arguments& args, Context& context) {
    Engine& engine = context.calendar.engine;
    const HolidayOptions options = TakeScheduleOption(args, context.calendar);
    const auto& words = args.Positional(0, 1);
    const GregorianDate date =
        words.empty() ? GregorianDate{engine.TodayGYear, engine.TodayGMonth, engine.TodayGDay}
                      : ParseDate(words[0]);
    SetTargetDate(engine, date);
    if (!engine.GregorianToJewish()) {
        throw CliError("the date lies outside the years the calendar reaches");
    }
    const int readingDay = engine.DaysFromNewYear(engine.JMonth, engine.JDay);
    context.out << SabbathReadings(context.calendar.readings, engine.NewYearWeekday,
                                   engine.YearType, readingDay, options);
}

}  // namespace qavo::cli
