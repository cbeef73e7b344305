#include <ctime>
#include <ostream>

#include "calendar_file/calendar_file.hpp"
#include "cli/commands.hpp"

namespace qavo::cli {

namespace {

// The list behind "ics LIST ...", built by the same steps as its report.
ListedReport ListedDays(Arguments& args, Context& context) {
    AnniversaryOptions anniversary{args.TakeOption("--anniv"), args.TakeOption("--heading")};
    const std::string list = args.TakeWord("the list (greg-year, jewish-year or anniversaries)");
    if (list == "anniversaries") {
        anniversary.count = anniversary.count.value_or("1");
        const bool fromJewishDate = args.Positional(1, 3).size() == 3;
        return fromJewishDate ? JewishDateListed(args, context, anniversary)
                              : GregorianDateListed(args, context, anniversary);
    }
    if (anniversary.count || anniversary.heading) {
        throw CliError("--anniv and --heading go with ics anniversaries");
    }
    if (list == "greg-year") {
        return GregorianYearListed(args, context);
    }
    if (list == "jewish-year") {
        return JewishYearHolidaysListed(args, context);
    }
    throw CliError("no calendar file of " + list + " (see --help)");
}

}  // namespace

void ExportCalendarFile(Arguments& args, Context& context) {
    const std::optional<std::string> output = args.TakeOption("--output");
    const ListedReport report = ListedDays(args, context);
    const std::time_t now = std::time(nullptr);
    if (!output) {
        context.out << CalendarFileText(report.days, now);
        return;
    }
    const FileResult written = WriteCalendarFile(*output, report.days, now);
    if (!written) {
        throw OutputError(written.error());
    }
}

}  // namespace qavo::cli
