#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/commands.hpp"
#include "engine/plain_text.hpp"
#include "lists/successive_days.hpp"
#include "sunset/sunset_time.hpp"
#include "sunset/time_zones.hpp"

namespace qavo::cli {

namespace {

// --city INDEX|NAME makes that city the current one; a name matches without
// regard to letter case.
void ChooseCity(Arguments& args, CityDatabase& cities) {
    const auto city = args.TakeOption("--city");
    if (!city) {
        return;
    }
    if (!city->empty() &&
        std::all_of(city->begin(), city->end(), [](unsigned char c) { return std::isdigit(c); })) {
        cities.CurrentCity =
            static_cast<Integer>(ParseNumber(*city, 0, cities.LastCityIndex, "the city index"));
        return;
    }
    for (int i = 0; i <= cities.LastCityIndex; ++i) {
        if (SameIgnoringCase(WithoutTrailingBlanks(cities.CityTable[i].CityName), *city)) {
            cities.CurrentCity = static_cast<Integer>(i);
            return;
        }
    }
    throw CliError("no city named " + *city + " in sunset.dat");
}

// --daylight standard|daylight|auto and --zone NAME replace the daylight
// setting and the current city's time zone for this run; a zone alone means
// Auto, the one mode that reads it. Nothing is written.
void ChooseClock(Arguments& args, CityDatabase& cities) {
    const auto daylight = args.TakeOption("--daylight");
    const auto zone = args.TakeOption("--zone");
    if (daylight) {
        if (SameIgnoringCase(*daylight, "standard")) {
            cities.DaylightMode = "Standard";
        } else if (SameIgnoringCase(*daylight, "daylight")) {
            cities.DaylightMode = "Daylight";
        } else if (SameIgnoringCase(*daylight, "auto")) {
            cities.DaylightMode = "Auto    ";
        } else {
            throw CliError("--daylight: " + *daylight + " is not standard, daylight or auto");
        }
    }
    if (zone) {
        if (!IsKnownZone(*zone)) {
            throw CliError("--zone: " + *zone + " is not a zone of the time-zone database");
        }
        if (!daylight) {
            cities.DaylightMode = "Auto    ";
        }
        const std::ptrdiff_t city = &SunsetCity(cities) - cities.CityTable.data();
        cities.CityTable[static_cast<std::size_t>(city)].TimeZone = *zone;
    }
}

void PrintList(Arguments& args, Context& context, SuccessiveDaysMode mode) {
    Calendar& calendar = context.calendar;
    ChooseCity(args, calendar.cities);
    ChooseClock(args, calendar.cities);
    // The readings list names no holidays: only its schedule is chosen.
    const HolidayOptions options = mode == SuccessiveDaysMode::SunsetTimes
                                       ? TakeHolidayOptions(args, calendar)
                                       : TakeScheduleOption(args, calendar);
    const auto& words = args.Positional(2, 2);
    SetTargetDate(calendar.engine, ParseDate(words[0]));
    const auto count = static_cast<Integer>(ParseNumber(words[1], 1, 32767, "the number of days"));
    if (const auto refusal = DayCountRefusal(calendar.engine, {count, true})) {
        throw CliError("the number of days: " + *refusal);
    }
    calendar.engine.SuccDayCount = count;
    const auto text =
        SuccessiveDaysText(calendar.engine, calendar.cities, calendar.readings, mode, options);
    if (!text) {
        throw CliError("the text would pass 30,000 characters; ask for fewer days");
    }
    context.out << *text;
}

}  // namespace

void PrintSunset(Arguments& args, Context& context) {
    Calendar& calendar = context.calendar;
    ChooseCity(args, calendar.cities);
    ChooseClock(args, calendar.cities);
    SetTargetDate(calendar.engine, ParseDate(args.Positional(1, 1)[0]));
    SunsetForDay(calendar.engine, calendar.cities);
    context.out << SunsetLine(calendar.cities) << '\n';
}

void PrintSunsetList(Arguments& args, Context& context) {
    PrintList(args, context, SuccessiveDaysMode::SunsetTimes);
}

void PrintReadingsList(Arguments& args, Context& context) {
    PrintList(args, context, SuccessiveDaysMode::Readings);
}

}  // namespace qavo::cli
