#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/commands.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "holidays/conversion_report.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"

namespace qavo::cli {

namespace {

// The report, or the one line that refuses it.
template <typename Report>
Report Built(std::optional<Report> report) {
    if (!report) {
        throw CliError("the calendar cannot build this report");
    }
    return std::move(*report);
}

int ParseJewishYear(const std::string& text) {
    return ParseNumber(text, kFirstJewishYear, kLastJewishYear, "the Jewish year");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The 0-based position of a month in the list of the year's months: its name
// as the list shows it (letter case free) or its 1-based position.
int MonthListIndex(const std::string& text, int jYear) {
    const bool leap = Engine::IsJewishLeap(jYear);
    const int count = ShownMonthOf(jmonth::kElul, leap);
    for (int position = 1; position <= count; ++position) {
        const std::string_view name = leap ? JLeapMonthName(position) : JMonthName(position);
        if (SameIgnoringCase(text, WithoutTrailingBlanks(name))) {
            return position - 1;
        }
    }
    if (!text.empty() && std::all_of(text.begin(), text.end(),
                                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return ParseNumber(text, 1, count, "the month's position in the year's list") - 1;
    }
    throw CliError("no month " + text + " in the Jewish year " + std::to_string(jYear));
}

// Sets AnnivMode and SuccYears for a list from firstJYear, refusing a count
// as the heading dialog does; returns the heading (empty for a plain
// conversion, which clears it).
std::string ApplyAnniversary(const AnniversaryOptions& options, Engine& engine, int firstJYear) {
    engine.AnnivMode = options.count.has_value();
    engine.SuccYears = 1;
    if (!options.count) {
        return {};
    }
    const std::string& count = *options.count;
    const std::size_t digits = count.starts_with('-') || count.starts_with('+') ? 1 : 0;
    if (count.size() == digits || !std::all_of(count.begin() + digits, count.end(), IsDigit)) {
        throw CliError("--anniv needs a whole number of years: " + count);
    }
    if (const auto refusal = SuccessiveYearsRefusal(count, firstJYear)) {
        throw CliError(*refusal);
    }
    engine.SuccYears = ReadLeadingNumber(count).value;
    return options.heading.value_or("");
}

}  // namespace

HolidayOptions TakeScheduleOption(Arguments& args, const Calendar& calendar) {
    HolidayOptions options = calendar.holidayOptions;
    if (const std::optional<std::string> name = args.TakeOption("--schedule")) {
        const std::optional<Schedule> schedule = ScheduleNamed(*name);
        if (!schedule) {
            throw CliError("--schedule takes israel or diaspora, not " + *name);
        }
        options.schedule = *schedule;
    }
    return options;
}

HolidayOptions TakeHolidayOptions(Arguments& args, const Calendar& calendar) {
    HolidayOptions options = TakeScheduleOption(args, calendar);
    if (const std::optional<std::string> name = args.TakeOption("--holidays")) {
        const std::optional<HolidaySet> set = HolidaySetNamed(*name);
        if (!set) {
            throw CliError("--holidays takes major or all, not " + *name);
        }
        options.holidays = *set;
    }
    return options;
}

ListedReport GregorianYearListed(Arguments& args, Context& context) {
    Engine& engine = context.calendar.engine;
    const HolidayOptions options = TakeHolidayOptions(args, context.calendar);
    engine.GYear = ParseNumber(args.Positional(1, 1)[0], kFirstGregorianYear, kLastGregorianYear,
                               "the Gregorian year");
    return Built(GregorianYearCommandListing(engine, options));
}

ListedReport JewishYearHolidaysListed(Arguments& args, Context& context) {
    Engine& engine = context.calendar.engine;
    const HolidayOptions options = TakeHolidayOptions(args, context.calendar);
    engine.ResultJYear = ParseJewishYear(args.Positional(1, 1)[0]);
    TakeJewishYearFromPrompt(engine);
    return Built(JewishYearCommandListing(engine, options));
}

ListedReport GregorianDateListed(Arguments& args, Context& context,
                                 const AnniversaryOptions& options) {
    Engine& engine = context.calendar.engine;
    SetTargetDate(engine, ParseDate(args.Positional(1, 1)[0]));
    const std::optional<int> firstJYear = JewishYearOfTargetDate(engine);
    if (!firstJYear) {
        throw CliError("the date lies outside the years the calendar reaches");
    }
    const std::string heading = ApplyAnniversary(options, engine, *firstJYear);
    return Built(ConvertFromGregorianListing(engine, heading));
}

ListedReport JewishDateListed(Arguments& args, Context& context,
                              const AnniversaryOptions& options) {
    Engine& engine = context.calendar.engine;
    const auto& words = args.Positional(3, 3);
    engine.ResultJYear = ParseJewishYear(words[0]);
    TakeJewishYearFromPrompt(engine);
    if (!PrepareJewishDatePrompt(engine)) {
        throw CliError("the year lies outside the years the calendar reaches");
    }
    const int monthIndex = MonthListIndex(words[1], engine.JYear);
    const int day = ParseNumber(words[2], 1, 30, "the day");
    const int length = DaysInListedMonth(engine, monthIndex);
    if (day < 1 || day > length) {
        throw CliError("Invalid Date Entry: the month has " + std::to_string(length) + " days");
    }
    engine.JDay = day;
    const std::string heading = ApplyAnniversary(options, engine, engine.JYear);
    return Built(ConvertFromJewishListing(engine, monthIndex, heading));
}

AnniversaryOptions TakeAnniversaryOptions(Arguments& args) {
    AnniversaryOptions options{args.TakeOption("--anniv"), args.TakeOption("--heading")};
    if (options.heading && !options.count) {
        throw CliError("--heading goes with --anniv");
    }
    return options;
}

void GregorianYearHolidays(Arguments& args, Context& context) {
    context.out << GregorianYearListed(args, context).text;
}

void JewishYearInformation(Arguments& args, Context& context) {
    const int jYear = ParseJewishYear(args.Positional(1, 1)[0]);
    context.out << Built(JewishYearButtonReport(context.calendar.engine, jYear));
}

void JewishYearHolidayList(Arguments& args, Context& context) {
    context.out << JewishYearHolidaysListed(args, context).text;
}

void ConvertGregorianDate(Arguments& args, Context& context) {
    const AnniversaryOptions options = TakeAnniversaryOptions(args);
    context.out << GregorianDateListed(args, context, options).text;
}

void ConvertJewishDate(Arguments& args, Context& context) {
    const AnniversaryOptions options = TakeAnniversaryOptions(args);
    context.out << JewishDateListed(args, context, options).text;
}

}  // namespace qavo::cli
