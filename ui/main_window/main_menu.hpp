#pragma once
// The menu bar of the main window: every item with its caption, access key
// and shortcut. The window connects the items whose commands it carries out.

class QAction;
class QMenuBar;

namespace qavo::ui {

struct MainMenu {
    // File
    QAction* Menu_ToPrinter;
    QAction* Menu_ToClipboard;
    QAction* Menu_ToFile;
    QAction* menu_notepad;
    QAction* menu_Paintbrush;
    QAction* menu_calc;
    QAction* menu_sunset_setup;
    QAction* menu_settings;
    QAction* Menu_Exit;
    // Go-To
    QAction* Menu_today;
    QAction* Menu_2JewishDate;
    // Convert
    QAction* Menu_G2J;
    QAction* Menu_J2G;
    // Lists
    QAction* Menu_GregYear;
    QAction* Menu_JewishYear;
    QAction* menu_sunset_times;
    QAction* menu_readings;
    // Anniversaries
    QAction* AnnivFromGreg;
    QAction* AnnivFromJewish;
    // Help
    QAction* Menu_QAVOHelp;
    QAction* menu_history;
    QAction* Menu_About;
};

MainMenu BuildMainMenu(QMenuBar* bar);

}  // namespace qavo::ui
