#include "ui/commands/year_report_commands.hpp"

#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "ui/commands/prompts.hpp"

namespace qavo::ui {

YearReportCommands::YearReportCommands(Prompts& prompts, Calendar& calendar, QObject* parent)
    : QObject(parent), prompts_(prompts), calendar_(calendar) {}

void YearReportCommands::Menu_GregYear_Click() {
    if (!prompts_.AskGregorianYear("Entry Error", MessageIcon::Stop)) {
        return;
    }
    prompts_.ShowResult(GregorianYearCommandListing(calendar_.engine, calendar_.holidayOptions));
}

void YearReportCommands::Menu_JewishYear_Click() {
    if (!prompts_.AskJewishYear()) {
        return;
    }
    prompts_.ShowResult(JewishYearCommandListing(calendar_.engine, calendar_.holidayOptions));
}

}  // namespace qavo::ui
