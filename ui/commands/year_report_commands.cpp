// The holiday lists of a year: "Holidays For Gregorian Year" and "Holidays
// For Jewish Year".
#include "ui/commands/main_commands.hpp"

#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"

namespace qavo::ui {

void MainCommands::GregorianYearCommand() {
    if (!AskGregorianYear("Entry Error", MessageIcon::Stop)) {
        return;
    }
    ShowResult(GregorianYearCommandListing(engine(), calendar_.holidayOptions));
}

void MainCommands::JewishYearCommand() {
    AskJewishYear();
    if (TakeCancel()) {
        return;
    }
    ShowResult(JewishYearCommandListing(engine(), calendar_.holidayOptions));
}

}  // namespace qavo::ui
