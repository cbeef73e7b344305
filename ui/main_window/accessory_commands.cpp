#include "ui/main_window/accessory_commands.hpp"

#include "ui/accessories/accessory_launcher.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/guarded_application.hpp"

namespace qavo::ui {

AccessoryCommands::AccessoryCommands(QavoWin& window, Platform& platform)
    : QObject(&window), platform_(platform) {
    const MainMenu& menu = window.Menu();
    connect(menu.menu_notepad, &QAction::triggered, this,
            Guarded(this, &AccessoryCommands::menu_notepad_Click));
    connect(menu.menu_Paintbrush, &QAction::triggered, this,
            Guarded(this, &AccessoryCommands::menu_Paintbrush_Click));
    connect(menu.menu_calc, &QAction::triggered, this,
            Guarded(this, &AccessoryCommands::menu_calc_Click));
}

void AccessoryCommands::menu_notepad_Click() {
    LaunchAccessory(platform_, Accessory::TextEditor);
}

void AccessoryCommands::menu_Paintbrush_Click() {
    LaunchAccessory(platform_, Accessory::Paint);
}

void AccessoryCommands::menu_calc_Click() {
    LaunchAccessory(platform_, Accessory::Calculator);
}

}  // namespace qavo::ui
