// "Sunset Times" and "Readings": a run of successive days from a start date.
#include "ui/commands/main_commands.hpp"

#include "engine/number_text.hpp"
#include "lists/successive_days.hpp"
#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/succ_days.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

void MainCommands::menu_sunset_times_Click() {
    window_.FocusJewishYearButton();
    SuccessiveDaysList(static_cast<int>(SuccessiveDaysMode::SunsetTimes));
    RebuildPageAfterList();
}

void MainCommands::menu_readings_Click() {
    window_.FocusJewishYearButton();
    SuccessiveDaysList(static_cast<int>(SuccessiveDaysMode::Readings));
    RebuildPageAfterList();
}

void MainCommands::RebuildPageAfterList() {
    Engine& e = engine();
    // A list that ends on the calendar's last day leaves the date beyond it.
    if (e.GYear > kLastGregorianYear) {
        e.GYear = kLastGregorianYear;
        e.TargetGMonth = 12;
    }
    if (e.GYear >= kFirstGregorianYear && e.TargetGMonth >= 1 && e.TargetGMonth <= 12) {
        window_.BuildMonthPage();
    }
}

void MainCommands::SuccessiveDaysList(int mode) {
    if (!AskGregorianYear("Incorrect Year", MessageIcon::Stop)) {
        return;
    }
    GMonthDateDialog().ShowModal();
    if (TakeCancel()) {
        return;
    }
    if (!AskDayCount()) {
        return;
    }
    const std::optional<std::string> text =
        SuccessiveDaysText(engine(), calendar_.cities, calendar_.readings,
                           static_cast<SuccessiveDaysMode>(mode), calendar_.holidayOptions);
    // Too long a text has been refused with its own message.
    if (text) {
        window_.ShowReport(*text);
    }
}

bool MainCommands::AskDayCount() {
    for (;;) {
        SuccDaysDialog().ShowModal();
        if (TakeCancel()) {
            return false;
        }
        const std::string& typed = SuccDaysDialog().SuccDaysText();
        if (typed.empty()) {
            return false;
        }
        const LeadingNumber count = ReadLeadingNumber(typed);
        const std::optional<std::string> refusal = DayCountRefusal(engine(), count);
        if (!refusal || count.value < 1) {
            engine().SuccDayCount = count.value;  // a count below 1 is kept, as it always was
        }
        if (!refusal) {
            return true;
        }
        Tell(*refusal, "Incorrect Entry", MessageIcon::Stop);
    }
}

}  // namespace qavo::ui
