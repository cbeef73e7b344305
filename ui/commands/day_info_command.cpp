#include "ui/commands/day_info_command.hpp"

#include "engine/number_text.hpp"
#include "engine/year_range_messages.hpp"
#include "readings/sabbath_readings.hpp"
#include "sunset/sunset_time.hpp"
#include "ui/commands/prompts.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

DayInfoCommand::DayInfoCommand(Prompts& prompts, QavoWin& window, Calendar& calendar,
                               QObject* parent)
    : QObject(parent), prompts_(prompts), window_(window), calendar_(calendar) {}

void DayInfoCommand::ShowDayInfo(int cell) {
    // The typed year passes the check of the page's own year box first.
    const LeadingNumber year = ReadLeadingNumber(window_.TypedYear());
    if (!year.fits || !IsAcceptedGregorianYear(year.value)) {
        prompts_.Tell(kGregorianYearRangeMessage, "Incorrect Year", MessageIcon::Stop);
        return;
    }
    Engine& e = calendar_.engine;
    MonthPage& page = window_.Page();
    e.GYear = year.value;
    const int monthIndex = window_.ChosenMonthIndex();
    e.TargetGMonth = static_cast<Integer>(monthIndex + 1);
    // A year typed but not applied yet is applied now, so that the cell names
    // a day of the month on display.
    if (year.value != ReadLeadingNumber(page.yearText).value || monthIndex != page.monthIndex) {
        window_.BuildMonthPage();
        if (!page.cells.at(cell).visible) {
            return;
        }
    }
    std::string info;
    if (cell % kPageColumns == 0) {
        info =
            PageSabbathReadings(calendar_.readings, e, cell / kPageColumns,
                                ReadLeadingNumber(page.jewishYearCaption).value,
                                page.PageFirstJMonth, page.PageFirstJDay, calendar_.holidayOptions);
    }
    e.TargetGDay = static_cast<Integer>(cell - page.firstCell + 1);
    SunsetForDay(e, calendar_.cities);
    prompts_.Tell(info + SunsetLine(calendar_.cities), "Sunset Time", MessageIcon::Information);
}

}  // namespace qavo::ui
