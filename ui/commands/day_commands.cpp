// A click on a day cell, and "A Jewish Date".
#include "ui/commands/main_commands.hpp"

#include "engine/number_text.hpp"
#include "engine/year_range_messages.hpp"
#include "holidays/conversion_report.hpp"
#include "readings/sabbath_readings.hpp"
#include "sunset/sunset_time.hpp"
#include "ui/dialogs/jmonth_date_form.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

void MainCommands::ShowDayInfo(int cell) {
    // The typed year passes the check of the page's own year box first.
    const LeadingNumber year = ReadLeadingNumber(window_.TypedYear());
    if (!year.fits || !IsAcceptedGregorianYear(year.value)) {
        Tell(kGregorianYearRangeMessage, "Incorrect Year", MessageIcon::Stop);
        return;
    }
    Engine& e = engine();
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
    Tell(info + SunsetLine(calendar_.cities), "Sunset Time", MessageIcon::Information);
}

void MainCommands::Menu_2JewishDate_Click() {
    Engine& e = engine();
    MonthPage& page = window_.Page();
    page.MarkJewishDate = true;
    AskJewishYear();
    if (TakeCancel() || !PrepareJewishDatePrompt(e)) {
        page.MarkJewishDate = false;
        return;
    }
    e.YearDialogOpen = true;
    JMonthDateDialog().ShowModal();
    e.YearDialogOpen = false;
    if (TakeCancel()) {
        page.MarkJewishDate = false;
        return;
    }
    Integer gYear = 0, gMonth = 0, gDay = 0, weekday = 0;
    if (e.NewYearGregorianDate(e.JYear, e.NewYearGDay, e.NewYearGMonth)) {
        e.OffsetToGregorian(e.DaysFromNewYear(e.JMonth, e.JDay), gYear, gMonth, gDay, weekday);
    }
    // The first months of 5343 fall in 1582, before the page's first year.
    if (!IsAcceptedGregorianYear(gYear)) {
        page.MarkJewishDate = false;
        Tell(kGregorianYearRangeMessage, "Incorrect Year", MessageIcon::Stop);
        return;
    }
    page.MarkJMonth = e.JMonth;
    page.MarkJDay = e.JDay;
    e.GYear = gYear;
    e.TargetGMonth = gMonth;
    e.TargetGDay = gDay;
    window_.BuildMonthPage();
    page.MarkJewishDate = false;
}

}  // namespace qavo::ui
