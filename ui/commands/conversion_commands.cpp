// "Convert" and "Anniversaries": one Jewish date and its Gregorian date, or
// its Gregorian dates in successive years.
#include "ui/commands/main_commands.hpp"

#include <QComboBox>

#include "holidays/conversion_report.hpp"
#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/jmonth_date_form.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

void MainCommands::Menu_G2J_Click() {
    engine().SuccYears = 1;
    headerText_.clear();
    window_.FocusJewishYearButton();
    ConvertFromGregorian();
}

void MainCommands::Menu_J2G_Click() {
    engine().SuccYears = 1;
    headerText_.clear();
    window_.FocusJewishYearButton();
    ConvertFromJewish();
}

void MainCommands::AnnivFromGreg_Click() {
    engine().AnnivMode = true;
    ConvertFromGregorian();
    engine().AnnivMode = false;
}

void MainCommands::AnnivFromJewish_Click() {
    engine().AnnivMode = true;
    ConvertFromJewish();
    engine().AnnivMode = false;
}

void MainCommands::ConvertFromGregorian() {
    if (!AskGregorianYear("Warning", MessageIcon::Exclamation)) {
        return;
    }
    GMonthDateDialog().ShowModal();
    if (TakeCancel()) {
        return;
    }
    if (engine().AnnivMode) {
        const std::optional<int> firstJYear = JewishYearOfTargetDate(engine());
        if (!AskHeading(firstJYear.value_or(kLastEngineJewishYear))) {
            return;
        }
    }
    ShowResult(ConvertFromGregorianListing(engine(), headerText_));
}

void MainCommands::ConvertFromJewish() {
    AskJewishYear();
    if (TakeCancel()) {
        return;
    }
    if (!PrepareJewishDatePrompt(engine())) {
        TellDateOutsideCalendar();
        return;
    }
    JMonthDateDialog().ShowModal();
    if (TakeCancel()) {
        return;
    }
    if (engine().AnnivMode && !AskHeading(engine().JYear)) {
        return;
    }
    ShowResult(ConvertFromJewishListing(engine(), JMonthDateDialog().JMonthEntry()->currentIndex(),
                                        headerText_));
}

}  // namespace qavo::ui
