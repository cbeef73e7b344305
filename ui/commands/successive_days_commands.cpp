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
    if (TargetMonthAfterList(calendar_.engine)) {
        window_.BuildMonthPage();
    }
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

}  // namespace qavo::ui
