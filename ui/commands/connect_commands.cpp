#include "ui/commands/connect_commands.hpp"

#include <QAction>

#include "ui/commands/conversion_commands.hpp"
#include "ui/commands/day_info_command.hpp"
#include "ui/commands/jewish_date_command.hpp"
#include "ui/commands/prompts.hpp"
#include "ui/commands/successive_days_commands.hpp"
#include "ui/commands/year_report_commands.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/guarded_application.hpp"

namespace qavo::ui {

namespace {
template <typename Flow>
void OnTriggered(const QAction* item, Flow* flow, void (Flow::*command)()) {
    QObject::connect(item, &QAction::triggered, flow, Guarded(flow, command));
}
}  // namespace

void ConnectCommands(QavoWin& window, Calendar& calendar) {
    Engine& engine = calendar.engine;
    auto& prompts = *new Prompts(window, engine);
    auto* yearReports = new YearReportCommands(prompts, calendar, &window);
    auto* conversions = new ConversionCommands(prompts, window, engine, &window);
    auto* lists = new SuccessiveDaysCommands(prompts, window, calendar, &window);
    auto* dayInfo = new DayInfoCommand(prompts, window, calendar, &window);
    auto* jewishDate = new JewishDateCommand(prompts, window, engine, &window);

    const MainMenu& menu = window.Menu();
    OnTriggered(menu.Menu_GregYear, yearReports, &YearReportCommands::Menu_GregYear_Click);
    OnTriggered(menu.Menu_JewishYear, yearReports, &YearReportCommands::Menu_JewishYear_Click);
    OnTriggered(menu.Menu_G2J, conversions, &ConversionCommands::Menu_G2J_Click);
    OnTriggered(menu.Menu_J2G, conversions, &ConversionCommands::Menu_J2G_Click);
    OnTriggered(menu.AnnivFromGreg, conversions, &ConversionCommands::AnnivFromGreg_Click);
    OnTriggered(menu.AnnivFromJewish, conversions, &ConversionCommands::AnnivFromJewish_Click);
    OnTriggered(menu.menu_sunset_times, lists, &SuccessiveDaysCommands::menu_sunset_times_Click);
    OnTriggered(menu.menu_readings, lists, &SuccessiveDaysCommands::menu_readings_Click);
    OnTriggered(menu.Menu_2JewishDate, jewishDate, &JewishDateCommand::Menu_2JewishDate_Click);
    QObject::connect(&window, &QavoWin::DayCellClicked, dayInfo,
                     Guarded(dayInfo, &DayInfoCommand::ShowDayInfo));
}

}  // namespace qavo::ui
