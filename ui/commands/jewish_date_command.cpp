#include "ui/commands/jewish_date_command.hpp"

#include "engine/year_range_messages.hpp"
#include "holidays/conversion_report.hpp"
#include "ui/commands/prompts.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

JewishDateCommand::JewishDateCommand(Prompts& prompts, QavoWin& window, Engine& engine,
                                     QObject* parent)
    : QObject(parent), prompts_(prompts), window_(window), engine_(engine) {}

void JewishDateCommand::Menu_2JewishDate_Click() {
    MonthPage& page = window_.Page();
    page.MarkJewishDate = true;
    ShowAskedDate();
    // The next build marks today again.
    page.MarkJewishDate = false;
}

void JewishDateCommand::ShowAskedDate() {
    Engine& e = engine_;
    if (!prompts_.AskJewishYear() || !PrepareJewishDatePrompt(e)) {
        return;
    }
    e.YearDialogOpen = true;
    const bool accepted = prompts_.AskJewishDate();
    e.YearDialogOpen = false;
    if (!accepted) {
        return;
    }
    Integer gYear = 0, gMonth = 0, gDay = 0, weekday = 0;
    if (e.NewYearGregorianDate(e.JYear, e.NewYearGDay, e.NewYearGMonth)) {
        e.OffsetToGregorian(e.DaysFromNewYear(e.JMonth, e.JDay), gYear, gMonth, gDay, weekday);
    }
    // The first months of 5343 fall in 1582, before the page's first year.
    if (!IsAcceptedGregorianYear(gYear)) {
        prompts_.Tell(kGregorianYearRangeMessage, "Incorrect Year", MessageIcon::Stop);
        return;
    }
    MonthPage& page = window_.Page();
    page.MarkJMonth = e.JMonth;
    page.MarkJDay = e.JDay;
    e.GYear = gYear;
    e.TargetGMonth = gMonth;
    e.TargetGDay = gDay;
    window_.BuildMonthPage();
}

}  // namespace qavo::ui
