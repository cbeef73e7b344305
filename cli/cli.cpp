#include "cli/cli.hpp"

#include <array>
#include <ostream>

#include "cli/commands.hpp"

namespace qavo::cli {

namespace {

constexpr std::array kCommands = {
    Command{"g2j",
            "g2j [YYYY-MM-DD] | g2j --from YYYY-MM-DD --to YYYY-MM-DD\n"
            "    the Jewish date: JYear JMonth JDay JMonthShown Weekday\n"
            "    (JMonth in 13 slots, 7 = Adar II; weekday 0 = Sunday)",
            ConvertDays},
    Command{"year",
            "year J\n"
            "    J, the Gregorian date of its 1 Tishri, weekday, year type 1..6,\n"
            "    place in the 19-year cycle (1..19)",
            DescribeYear},
    Command{"greg-year",
            "greg-year G\n"
            "    the Jewish holidays of Gregorian year G (1583..7000)",
            GregorianYearHolidays},
    Command{"jewish-info",
            "jewish-info J\n"
            "    the description of Jewish year J (5343..10760) with the table of its months",
            JewishYearInformation},
    Command{"jewish-holidays",
            "jewish-holidays J\n"
            "    the holidays of Jewish year J (5343..10760)",
            JewishYearHolidayList},
    Command{"convert-greg",
            "convert-greg YYYY-MM-DD [--anniv N [--heading TEXT]]\n"
            "    the Jewish date of a Gregorian date; with --anniv, its Gregorian dates\n"
            "    in N successive Jewish years, under the heading TEXT",
            ConvertGregorianDate},
    Command{"convert-jewish",
            "convert-jewish J MONTH DAY [--anniv N [--heading TEXT]]\n"
            "    the Gregorian date of a Jewish date; MONTH is a name of the year's month\n"
            "    list (\"Nisan\", \"adar ii\") or its position in that list (1-based);\n"
            "    with --anniv, its Gregorian dates in N successive years",
            ConvertJewishDate},
    Command{"readings",
            "readings [YYYY-MM-DD]\n"
            "    the Torah and Haftarah readings of the Sabbath of that day's week",
            PrintReadings},
    Command{"month",
            "month YYYY MM [--cells]\n"
            "    the month page: a grid for people, or with --cells one line per cell\n"
            "    (1..42): number, tab, day text, tab, Jewish date | holiday",
            ShowMonth},
};

void PrintHelp(std::ostream& out) {
    out << "qavo-cli: the reports of QAVO, the Jewish and Gregorian calendar, on standard "
           "output.\nGregorian years 1583 to 7000, Jewish years 5343 to 10761.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.usage << '\n';
    }
    out << "\nBad input prints one line on standard error and exits with status 2.\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        Platform& platform) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(args.empty() ? err : out);
        return args.empty() ? 2 : 0;
    }
    try {
        const Command* command = nullptr;
        for (const Command& candidate : kCommands) {
            if (args[0] == candidate.name) {
                command = &candidate;
            }
        }
        if (command == nullptr) {
            throw CliError("unknown command " + args[0] + " (see --help)");
        }
        Arguments arguments({args.begin() + 1, args.end()});
        Calendar calendar(platform);
        switch (InitCalendar(calendar)) {
            case StartupResult::Ready:
                break;
            case StartupResult::TodayOutOfRange:
                throw CliError("the system clock's date lies outside 1583..7000");
            case StartupResult::ReadingScheduleRefused:
                throw CliError("start-up stopped: the reading schedule could not be built");
        }
        Context context{calendar, out};
        command->run(arguments, context);
        return 0;
    } catch (const CliError& error) {
        err << "qavo-cli: " << error.what() << '\n';
        return 2;
    }
}

}  // namespace qavo::cli
