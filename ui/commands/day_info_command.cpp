#include "ui/commands/day_info_command.hpp"

#include "engine/number_text.hpp"
#include "readings/sabbath_readings.hpp"
#include "sunset/sunset_time.hpp"
#include "ui/commands/prompts.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

DayInfoCommand::DayInfoCommand(Prompts& prompts, QavoWin& window, Calendar& calendar,
                               QObject* parent)
    : QObject(parent), prompts_(prompts), window_(window), calendar_(calendar) {}

void DayInfoCommand::ShowDayInfo(int cell) {
    Engine& e = calendar_.engine;
    MonthPage& page = window_.Page();
    // A year typed or a month chosen but not applied yet is applied now, or
    // refused, so that the cell names a day of the month on display.
    if (EnteredMonthDiffers(page, window_.TypedYear(), window_.ChosenMonthIndex())) {
        if (!window_.ShowEnteredMonth() || !page.cells.at(cell).visible) {
            return;
        }
    } else {
        TargetShownMonth(e, page);
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
