// The year reports: "Holidays For Gregorian Year", the Jewish-year button
// and "Holidays For Jewish Year".
#include "ui/commands/main_commands.hpp"

#include <QPushButton>

#include "engine/number_text.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "ui/dialogs/get_jyear.hpp"
#include "ui/qavo_win.hpp"

namespace qavo::ui {

void MainCommands::GregorianYearCommand() {
    if (!AskGregorianYear("Entry Error", MessageIcon::Stop)) {
        return;
    }
    ShowResult(GregorianYearCommandReport(engine()));
}

void MainCommands::Btn_Jyear_Click() {
    const auto* button = window_.findChild<QPushButton*>("Btn_Jyear");
    if (button == nullptr) {
        return;
    }
    // The year spin steps the caption even when the page refuses the year.
    const LeadingNumber year = ReadLeadingNumber(button->text().toStdString());
    if (!year.fits || year.value < kFirstJewishYear || year.value > kLastJewishYear) {
        Tell(kJewishYearRangeMessage, "Entry Error", MessageIcon::Stop);
        return;
    }
    ShowResult(JewishYearButtonReport(engine(), year.value));
}

void MainCommands::JewishYearCommand() {
    AskJewishYear();
    if (TakeCancel()) {
        return;
    }
    ShowResult(JewishYearCommandReport(engine()));
}

}  // namespace qavo::ui
