#include <ostream>

#include "cli/commands.hpp"
#include "engine/number_text.hpp"

namespace qavo::cli {

namespace {

void PrintIsoDate(std::ostream& out, int year, int month, int day) {
    out << year << '-' << TwoDigit(month) << '-' << TwoDigit(day);
}

// "JYear JMonth JDay JMonthShown Weekday" of the engine's target date.
void PrintJewishDate(Engine& engine, std::ostream& out) {
    if (!engine.GregorianToJewish()) {
        throw CliError("the date lies outside the years the calendar reaches");
    }
    const int weekday =
        (engine.NewYearWeekday + engine.DaysFromNewYear(engine.JMonth, engine.JDay)) % 7;
    out << engine.JYear << ' ' << engine.JMonth << ' ' << engine.JDay << ' ' << engine.JMonthShown
        << ' ' << weekday << '\n';
}

}  // namespace

void SetTargetDate(Engine& engine, const GregorianDate& date) {
    engine.GYear = date.year;
    engine.TargetGMonth = date.month;
    engine.TargetGDay = date.day;
}

void ConvertDays(Arguments& args, Context& context) {
    Engine& engine = context.calendar.engine;
    const auto from = args.TakeOption("--from");
    const auto to = args.TakeOption("--to");
    const auto& words = args.Positional(0, from || to ? 0 : 1);
    if (from.has_value() != to.has_value()) {
        throw CliError("--from and --to go together");
    }
    if (!from) {
        const GregorianDate date =
            words.empty() ? GregorianDate{engine.TodayGYear, engine.TodayGMonth, engine.TodayGDay}
                          : ParseDate(words[0]);
        SetTargetDate(engine, date);
        PrintJewishDate(engine, context.out);
        return;
    }
    GregorianDate day = ParseDate(*from);
    const GregorianDate last = ParseDate(*to);
    if (GregorianDayNumber(last.year, last.month, last.day) <
        GregorianDayNumber(day.year, day.month, day.day)) {
        throw CliError("--to lies before --from");
    }
    for (;;) {
        PrintIsoDate(context.out, day.year, day.month, day.day);
        context.out << ' ';
        SetTargetDate(engine, day);
        PrintJewishDate(engine, context.out);
        if (day == last) {
            break;
        }
        engine.NextGregorianDay(day.year, day.month, day.day);
    }
}

void DescribeYear(Arguments& args, Context& context) {
    Engine& engine = context.calendar.engine;
    const int year = ParseNumber(args.Positional(1, 1)[0], kFirstJewishYear, kLastEngineJewishYear,
                                 "the Jewish year");
    engine.JYear = year;
    engine.GYear = year - kJewishYearOffset;
    if (!engine.NewYearGregorianDate(year, engine.NewYearGDay, engine.NewYearGMonth)) {
        throw CliError("the year lies outside the calendar's range");
    }
    engine.SetCyclePosition(year);
    context.out << year << ' ';
    PrintIsoDate(context.out, engine.GYear, engine.NewYearGMonth, engine.NewYearGDay);
    context.out << ' ' << engine.NewYearWeekday << ' ' << engine.YearType << ' '
                << (engine.CyclePos == 0 ? 19 : engine.CyclePos) << '\n';
}

}  // namespace qavo::cli
