// "Sunset Times" and "Readings": a run of successive days from a start date.
#include "ui/commands/main_commands.hpp"

#include <algorithm>
#include <limits>

#include "engine/number_text.hpp"
#include "lists/successive_days.hpp"
#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/succ_days.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

namespace {
// The most days a list may hold: up to the calendar's last day, 31 December
// 7000, and no more than the 16-bit count holds.
int MostDays(const Engine& engine) {
    const int left = GregorianDayNumber(kLastGregorianYear, 12, 31) -
                     GregorianDayNumber(engine.GYear, engine.TargetGMonth, engine.TargetGDay) + 1;
    return std::min<int>(left, std::numeric_limits<Integer>::max());
}
}  // namespace

void MainCommands::menu_sunset_times_Click() {
    FocusJewishYearButton();
    SuccessiveDaysList(static_cast<int>(SuccessiveDaysMode::SunsetTimes));
    RebuildPageAfterList();
}

void MainCommands::menu_readings_Click() {
    FocusJewishYearButton();
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
        const int most = MostDays(engine());
        if (count.value < 1) {
            engine().SuccDayCount = count.value;
            Tell("Can not be less than 1.", "Incorrect Entry", MessageIcon::Stop);
        } else if (!count.fits || count.value > most) {
            Tell("Can not be more than " + std::to_string(most) + ".", "Incorrect Entry",
                 MessageIcon::Stop);
        } else {
            engine().SuccDayCount = count.value;
            return true;
        }
    }
}

}  // namespace qavo::ui
