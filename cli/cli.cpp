#include "cli/cli.hpp"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "cli/cli_platform.hpp"
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
            "    J (5343..10761), the Gregorian date of its 1 Tishri, weekday, year type 1..6,\n"
            "    place in the 19-year cycle (1..19)",
            DescribeYear},
    Command{"greg-year",
            "greg-year G [--schedule S] [--holidays H]\n"
            "    the Jewish holidays of Gregorian year G (1583..7000)",
            GregorianYearHolidays},
    Command{"jewish-info",
            "jewish-info J\n"
            "    the description of Jewish year J (5343..10760) with the table of its months",
            JewishYearInformation},
    Command{"jewish-holidays",
            "jewish-holidays J [--schedule S] [--holidays H]\n"
            "    the holidays of Jewish year J (5343..10760)",
            JewishYearHolidayList},
    Command{"convert-greg",
            "convert-greg YYYY-MM-DD [--anniv N [--heading TEXT]]\n"
            "    the Jewish date of a Gregorian date; with --anniv, its Gregorian dates\n"
            "    in N successive Jewish years, under the heading TEXT, up to the year 10761",
            ConvertGregorianDate},
    Command{"convert-jewish",
            "convert-jewish J MONTH DAY [--anniv N [--heading TEXT]]\n"
            "    the Gregorian date of a Jewish date in year J (5343..10760); MONTH is a\n"
            "    name of the year's month list (\"Nisan\", \"adar ii\") or its position in\n"
            "    that list (1-based); with --anniv, its Gregorian dates in N successive\n"
            "    years, up to the year 10761",
            ConvertJewishDate},
    Command{"ics",
            "ics LIST [--output FILE] [--schedule S] [--holidays H]\n"
            "    a calendar file (iCalendar) of a list, one all-day event per listed day,\n"
            "    written whole to FILE or printed; LIST is greg-year G, jewish-year J\n"
            "    (5343..10760), or anniversaries YYYY-MM-DD|J MONTH DAY [--anniv N]\n"
            "    [--heading TEXT] as convert-greg and convert-jewish take them (N is 1\n"
            "    when not given)",
            ExportCalendarFile},
    Command{"readings",
            "readings [YYYY-MM-DD] [--schedule S]\n"
            "    the Torah and Haftarah readings of the Sabbath of that day's week",
            PrintReadings},
    Command{"month",
            "month YYYY MM [--cells] [--schedule S] [--holidays H]\n"
            "    the month page: a grid for people, or with --cells one line per cell\n"
            "    (1..42): number, tab, day text, tab, Jewish date | holiday",
            ShowMonth},
    Command{"sunset",
            "sunset YYYY-MM-DD [--city INDEX|NAME] [--daylight standard|daylight|auto]\n"
            "       [--zone NAME]\n"
            "    the sunset line of the day-click message, for the default city of\n"
            "    QAVOWIN.INI or the city given (its index in sunset.dat or its name);\n"
            "    --daylight replaces the daylight setting for this run (auto: each date's\n"
            "    clock of the city's time zone), --zone the city's time zone (a name of\n"
            "    the time-zone database, as America/New_York; it implies auto)",
            PrintSunset},
    Command{"sunset-list",
            "sunset-list YYYY-MM-DD N [--city INDEX|NAME] [--daylight ...] [--zone NAME]\n"
            "            [--schedule S] [--holidays H]\n"
            "    N successive days from the date with their Jewish dates, sunset times\n"
            "    and holidays; the options as for sunset",
            PrintSunsetList},
    Command{"readings-list",
            "readings-list YYYY-MM-DD N [--schedule S]\n"
            "    the Saturdays of N successive days from the date with their readings",
            PrintReadingsList},
};

void PrintHelp(std::ostream& out) {
    out << "qavo-cli: the reports of QAVO, the Jewish and Gregorian calendar, on standard "
           "output.\nDates (YYYY-MM-DD) and Gregorian years run from 1583 to 7000; each "
           "command\nsays which Jewish years it takes.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.usage << '\n';
    }
    out << "\nEvery command takes --data-dir DIR: the folder of QAVOWIN.INI and sunset.dat\n"
           "(default: QAVO's data folder, the program's folder when it can be written to,\n"
           "else $XDG_DATA_HOME/qavo or ~/.local/share/qavo). These files are never\n"
           "written; without sunset.dat the default city, New York, is used.\n"
           "\n--schedule S, where a command takes it, names the holiday schedule: diaspora\n"
           "(two days of each pilgrim festival) or israel (one); the readings follow it.\n"
           "--holidays H names the holidays shown: major (the fifteen major holidays) or\n"
           "all (the whole year: minor fasts, Rosh Chodesh, eves, intermediate days and\n"
           "the modern days).\n"
           "Without them the keys Schedule and Holidays of QAVOWIN.INI, section OPTIONS,\n"
           "hold; they are Diaspora and Major unless set to Israel and All.\n"
           "\nBad input, an empty command line included, prints one line on standard error\n"
           "and exits with status 2; an output that cannot be written, with status 1.\n";
}

// 0 once everything written has reached the output; 1 after one line of
// error when a write or the flush failed (a full disk, a closed output).
int Flushed(std::ostream& out, std::ostream& err) {
    errno = 0;
    if (out.flush()) {
        return 0;
    }
    err << "qavo-cli: standard output could not be written: "
        << (errno != 0 ? std::strerror(errno) : "the write failed") << '\n';
    return 1;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        Platform& platform) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintHelp(out);
        return Flushed(out, err);
    }
    try {
        if (args.empty()) {
            throw CliError("no command given (see --help)");
        }
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
        const auto dataDirectory = arguments.TakeOption("--data-dir");
        std::error_code unreadable;
        if (dataDirectory && !std::filesystem::is_directory(*dataDirectory, unreadable)) {
            throw CliError("--data-dir: " + *dataDirectory + " is not a folder" +
                           (unreadable ? " (" + unreadable.message() + ")" : ""));
        }
        CommandPlatform session(platform,
                                dataDirectory ? *dataDirectory : platform.ProgramDirectory());
        Calendar calendar(session);
        switch (
            InitCalendar(calendar, ProgramScheduleTexts(), MissingCityFile::UseDefaultInMemory)) {
            case StartupResult::Ready:
                break;
            case StartupResult::TodayOutOfRange:
                throw CliError("the system clock's date lies outside 1583..7000");
            case StartupResult::ReadingScheduleRefused:
                throw CliError("start-up stopped: the reading schedule could not be built");
        }
        Context context{calendar, out};
        command->run(arguments, context);
        session.ReleaseMessages();
        return Flushed(out, err);
    } catch (const OutputError& error) {
        err << "qavo-cli: " << Escaped(error.what()) << '\n';
        return 1;
    } catch (const std::exception& error) {
        err << "qavo-cli: " << Escaped(error.what()) << '\n';
        return 2;
    }
}

}  // namespace qavo::cli
