#include "ui/main_window/help_menu_commands.hpp"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/help/help_window.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/guarded_application.hpp"

namespace qavo::ui {

namespace {
// The help books lie beside the program in its build folder and in its share
// folder once installed; neither is always the folder of the data files.
QString HelpFolder() {
    const QDir program(QApplication::applicationDirPath());
    const QString installed = program.absoluteFilePath("../share/qavo");
    if (QFileInfo::exists(program.absoluteFilePath("qavowin.chm")) ||
        !QFileInfo::exists(installed)) {
        return program.absolutePath();
    }
    return QDir(installed).absolutePath();
}
}  // namespace

HelpMenuCommands::HelpMenuCommands(QavoWin& window) : QObject(&window), window_(window) {
    const MainMenu& menu = window.Menu();
    connect(menu.Menu_QAVOHelp, &QAction::triggered, this,
            Guarded(this, &HelpMenuCommands::Menu_QAVOHelp_Click));
    connect(menu.menu_history, &QAction::triggered, this,
            Guarded(this, &HelpMenuCommands::menu_history_Click));
}

void HelpMenuCommands::Menu_QAVOHelp_Click() {
    help::OpenHelp(&window_, HelpFolder(), help::HelpBook::Program);
}

void HelpMenuCommands::menu_history_Click() {
    help::OpenHelp(&window_, HelpFolder(), help::HelpBook::History);
}

}  // namespace qavo::ui
