#include "ui/help_menu_commands.hpp"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/accessories/accessory_launcher.hpp"
#include "ui/help/help_window.hpp"
#include "ui/qavo_win.hpp"

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

HelpMenuCommands::HelpMenuCommands(QavoWin& window, Platform& platform)
    : QObject(&window), window_(window), platform_(platform) {
    const MainMenu& menu = window.Menu();
    connect(menu.Menu_QAVOHelp, &QAction::triggered, this, &HelpMenuCommands::Menu_QAVOHelp_Click);
    connect(menu.menu_history, &QAction::triggered, this, &HelpMenuCommands::menu_history_Click);
    connect(menu.menu_notepad, &QAction::triggered, this, &HelpMenuCommands::menu_notepad_Click);
    connect(menu.menu_Paintbrush, &QAction::triggered, this,
            &HelpMenuCommands::menu_Paintbrush_Click);
    connect(menu.menu_calc, &QAction::triggered, this, &HelpMenuCommands::menu_calc_Click);
}

void HelpMenuCommands::Menu_QAVOHelp_Click() {
    help::OpenHelp(&window_, HelpFolder(), help::HelpBook::Program);
}

void HelpMenuCommands::menu_history_Click() {
    help::OpenHelp(&window_, HelpFolder(), help::HelpBook::History);
}

void HelpMenuCommands::menu_notepad_Click() {
    LaunchAccessory(platform_, Accessory::TextEditor);
}

void HelpMenuCommands::menu_Paintbrush_Click() {
    LaunchAccessory(platform_, Accessory::Paint);
}

void HelpMenuCommands::menu_calc_Click() {
    LaunchAccessory(platform_, Accessory::Calculator);
}

}  // namespace qavo::ui
