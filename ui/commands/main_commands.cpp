#include "ui/commands/main_commands.hpp"

#include <QAction>

#include "engine/year_range_messages.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "ui/dialogs/get_gyear.hpp"
#include "ui/dialogs/get_jyear.hpp"
#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/header_form.hpp"
#include "ui/dialogs/jmonth_date_form.hpp"
#include "ui/dialogs/succ_days.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/windows/out_form.hpp"

namespace qavo::ui {

namespace {
// Creates a prompt on its first use; the main window owns it from then on.
template <typename Dialog, typename... Args>
Dialog& OnFirstUse(Dialog*& dialog, QWidget* parent, Args&... args) {
    if (dialog == nullptr) {
        dialog = new Dialog(args..., parent);
    }
    return *dialog;
}
}  // namespace

MainCommands::MainCommands(QavoWin& window, Calendar& calendar)
    : QObject(&window), window_(window), calendar_(calendar) {
    const MainMenu& menu = window.Menu();
    const auto hook = [this](QAction* item, void (MainCommands::*command)()) {
        connect(item, &QAction::triggered, this, command);
    };
    hook(menu.Menu_GregYear, &MainCommands::GregorianYearCommand);
    hook(menu.Menu_JewishYear, &MainCommands::JewishYearCommand);
    hook(menu.Menu_G2J, &MainCommands::Menu_G2J_Click);
    hook(menu.Menu_J2G, &MainCommands::Menu_J2G_Click);
    hook(menu.AnnivFromGreg, &MainCommands::AnnivFromGreg_Click);
    hook(menu.AnnivFromJewish, &MainCommands::AnnivFromJewish_Click);
    hook(menu.menu_sunset_times, &MainCommands::menu_sunset_times_Click);
    hook(menu.menu_readings, &MainCommands::menu_readings_Click);
    hook(menu.Menu_2JewishDate, &MainCommands::Menu_2JewishDate_Click);
    connect(&window, &QavoWin::DayCellClicked, this, &MainCommands::ShowDayInfo);
}

Engine& MainCommands::engine() {
    return calendar_.engine;
}

GetGyear& MainCommands::GetGyearDialog() {
    return OnFirstUse(getGyear_, &window_, engine());
}

GetJYear& MainCommands::GetJYearDialog() {
    return OnFirstUse(getJYear_, &window_, engine());
}

GMonthDateForm& MainCommands::GMonthDateDialog() {
    return OnFirstUse(gMonthDateForm_, &window_, engine());
}

JMonthDateForm& MainCommands::JMonthDateDialog() {
    return OnFirstUse(jMonthDateForm_, &window_, engine());
}

HeaderForm& MainCommands::HeaderDialog() {
    return OnFirstUse(headerForm_, &window_, engine(), headerText_);
}

SuccDays& MainCommands::SuccDaysDialog() {
    return OnFirstUse(succDays_, &window_, engine());
}

void MainCommands::Tell(std::string_view text, std::string_view title, MessageIcon icon) {
    engine().platform.ShowMessage(text, title, icon, MessageButtons::Ok);
}

bool MainCommands::TakeCancel() {
    if (!engine().Cancelled) {
        return false;
    }
    engine().Cancelled = false;
    return true;
}

bool MainCommands::AskGregorianYear(std::string_view belowRangeTitle, MessageIcon belowRangeIcon) {
    for (;;) {
        GetGyearDialog().ShowModal();
        if (TakeCancel()) {
            return false;
        }
        // Closing the prompt by its frame hands on the year as spun.
        if (engine().GYear < kFirstGregorianYear) {
            Tell(YearBelowRangeMessage(), belowRangeTitle, belowRangeIcon);
        } else if (engine().GYear > kLastGregorianYear) {
            Tell(kGregorianYearRangeMessage, "Entry Error", MessageIcon::Stop);
        } else {
            engine().GLeapIndex = Engine::IsGregorianLeap(engine().GYear) ? 1 : 0;
            return true;
        }
    }
}

void MainCommands::AskJewishYear() {
    engine().YearDialogOpen = true;
    GetJYearDialog().ShowModal();
    TakeJewishYearFromPrompt(engine());
    engine().YearDialogOpen = false;
}

bool MainCommands::AskHeading(int firstJYear) {
    HeaderDialog().SetFirstJewishYear(firstJYear);
    HeaderDialog().ShowModal();
    return !TakeCancel();
}

void MainCommands::TellDateOutsideCalendar() {
    // The prompts keep every value in range; this is the last guard.
    Tell("The date lies outside the years the calendar can compute.", "Calculation Error",
         MessageIcon::Stop);
}

void MainCommands::ShowResult(const std::optional<ListedReport>& report) {
    if (!report) {
        TellDateOutsideCalendar();
        return;
    }
    ShowReport(engine().platform, window_.CommonDialog1(), &window_, *report);
}

}  // namespace qavo::ui
