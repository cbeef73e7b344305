#include <ostream>
#include <string>

#include "cli/commands.hpp"
#include "engine/name_tables.hpp"
#include "engine/plain_text.hpp"
#include "page/month_page.hpp"

namespace qavo::cli {

namespace {

constexpr std::size_t kColumnWidth = 12;  // the longest cell line is 11 characters

// One cell per line: number, tab, day text, tab, Jewish text with its line
// feed written as " | "; hidden cells have empty fields.
void PrintCells(const MonthPage& page, std::ostream& out) {
    for (int n = 1; n <= kPageCells; ++n) {
        const DayCell& cell = page.cells[n];
        out << n << '\t';
        if (cell.visible) {
            out << cell.dayText << '\t' << cell.jewishDate << " | " << cell.holiday;
        } else {
            out << '\t';
        }
        out << '\n';
    }
}

// The page for people: a title, the weekday names and, for each week, the
// day numbers, the Jewish dates and the holidays in columns; today's day
// carries an asterisk.
void PrintGrid(const Engine& engine, const MonthPage& page, std::ostream& out) {
    out << WithoutTrailingBlanks(GMonthName(engine.TargetGMonth)) << ' ' << engine.GYear
        << "   Jewish year" << page.jewishYearCaption << "\n\n";
    std::string heading;
    for (int day = 0; day < kPageColumns; ++day) {
        heading += std::string(DayName(day)).append(kColumnWidth - 3, ' ');
    }
    out << WithoutTrailingBlanks(heading) << '\n';
    for (int row = 0; row < PageRows(page); ++row) {
        std::string lines[3];
        for (int column = 0; column < kPageColumns; ++column) {
            const int n = row * kPageColumns + column + 1;
            const DayCell& cell = page.cells[n];
            const bool today =
                cell.visible && n == page.MarkedCell && cell.body == kMarkedCellBodyColours;
            const std::string texts[3] = {
                cell.visible ? cell.dayText.substr(1) + (today ? " *" : "") : "",
                cell.visible ? cell.jewishDate : "",
                cell.visible ? cell.holiday : "",
            };
            for (int line = 0; line < 3; ++line) {
                lines[line] += texts[line];
                lines[line].append(kColumnWidth - texts[line].size(), ' ');
            }
        }
        out << '\n';
        for (const std::string& line : lines) {
            out << WithoutTrailingBlanks(line) << '\n';
        }
    }
}

}  // namespace

void ShowMonth(Arguments& args, Context& context) {
    const bool cells = args.TakeFlag("--cells");
    MonthPage page;
    page.holidayOptions = TakeHolidayOptions(args, context.calendar);
    const auto& words = args.Positional(2, 2);
    Engine& engine = context.calendar.engine;
    engine.GYear = static_cast<Integer>(
        ParseNumber(words[0], kFirstGregorianYear, kLastGregorianYear, "the year"));
    engine.TargetGMonth = static_cast<Integer>(ParseNumber(words[1], 1, 12, "the month"));
    BuildMonthPage(engine, page);
    if (cells) {
        PrintCells(page, context.out);
    } else {
        PrintGrid(engine, page, context.out);
    }
}

}  // namespace qavo::cli
