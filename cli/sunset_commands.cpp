#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/commands.hpp"
#include "lists/successive_days.hpp"
#include "sunset/sunset_time.hpp"

namespace qavo::cli {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

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
        std::string name = cities.CityTable[i].CityName;
        name.erase(name.find_last_not_of(' ') + 1);
        if (Lower(name) == Lower(*city)) {
            cities.CurrentCity = static_cast<Integer>(i);
            return;
        }
    }
    throw CliError("no city named " + *city + " in sunset.dat");
}

void PrintList(Arguments& args, Context& context, SuccessiveDaysMode mode) {
    Calendar& calendar = context.calendar;
    ChooseCity(args, calendar.cities);
    // The readings list names no holidays: only its schedule is chosen.
    const HolidayOptions options = mode == SuccessiveDaysMode::SunsetTimes
                                       ? TakeHolidayOptions(args, calendar)
                                       : TakeScheduleOption(args, calendar);
    const auto& words = args.Positional(2, 2);
    SetTargetDate(calendar.engine, ParseDate(words[0]));
    calendar.engine.SuccDayCount =
        static_cast<Integer>(ParseNumber(words[1], 1, 32767, "the number of days"));
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
