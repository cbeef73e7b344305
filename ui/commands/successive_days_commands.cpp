#include "ui/commands/successive_days_commands.hpp"

#include "ui/commands/prompts.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

SuccessiveDaysCommands::SuccessiveDaysCommands(Prompts& prompts, QavoWin& window,
                                               Calendar& calendar, QObject* parent)
    : QObject(parent), prompts_(prompts), window_(window), calendar_(calendar) {}

void SuccessiveDaysCommands::menu_sunset_times_Click() {
    Run(SuccessiveDaysMode::SunsetTimes);
}

void SuccessiveDaysCommands::menu_readings_Click() {
    Run(SuccessiveDaysMode::Readings);
}

void SuccessiveDaysCommands::Run(SuccessiveDaysMode mode) {
    window_.FocusJewishYearButton();
    ShowList(mode);
    RebuildPageAfterList();
}

void SuccessiveDaysCommands::ShowList(SuccessiveDaysMode mode) {
    if (!prompts_.AskGregorianYear("Incorrect Year", MessageIcon::Stop) ||
        !prompts_.AskGregorianDate() || !prompts_.AskDayCount()) {
        return;
    }
    const std::optional<std::string> text = SuccessiveDaysText(
        calendar_.engine, calendar_.cities, calendar_.readings, mode, calendar_.holidayOptions);
    // Too long a text has been refused with its own message.
    if (text) {
        window_.ShowReport(*text);
    }
}

void SuccessiveDaysCommands::RebuildPageAfterList() {
    Engine& e = calendar_.engine;
    // A list that ends on the calendar's last day leaves the date beyond it.
    if (e.GYear > kLastGregorianYear) {
        e.GYear = kLastGregorianYear;
        e.TargetGMonth = 12;
    }
    if (e.GYear >= kFirstGregorianYear && e.TargetGMonth >= 1 && e.TargetGMonth <= 12) {
        window_.BuildMonthPage();
    }
}

}  // namespace qavo::ui
