#include "ui/main_window/main_menu.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace qavo::ui {

namespace {

QMenu* AddMenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        bar->addMenu(menu);
    } else {
        static_cast<QMenu*>(parent)->addMenu(menu);
    }
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                 const char* shortcut = nullptr) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (shortcut != nullptr) {
        action->setShortcut(QKeySequence(shortcut));
        // The shortcut reaches the item from anywhere in the window, also
        // while its menu is closed.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar* bar) {
    MainMenu m{};
    QMenu* file = AddMenu(bar, "Menu_File", "&File");
    QMenu* print = AddMenu(file, "menu_print", "&Print Calendar");
    m.Menu_ToPrinter = AddItem(print, "Menu_ToPrinter", "To &Printer", "Ctrl+P");
    m.Menu_ToClipboard = AddItem(print, "Menu_ToClipboard", "To &Clipboard", "Ctrl+C");
    m.Menu_ToFile = AddItem(print, "Menu_ToFile", "To &File", "Ctrl+F");
    file->addSeparator()->setObjectName("separator");
    m.menu_notepad = AddItem(file, "menu_notepad", "Open &Notepad...");
    m.menu_Paintbrush = AddItem(file, "menu_Paintbrush", "Open &Paint...");
    m.menu_calc = AddItem(file, "menu_calc", "Open &Calculator...");
    file->addSeparator()->setObjectName("Sep2");
    m.menu_sunset_setup = AddItem(file, "menu_sunset_setup", "&Sunset Setup...");
    m.menu_settings = AddItem(file, "menu_settings", "Se&ttings...");
    file->addSeparator()->setObjectName("sep3");
    m.Menu_Exit = AddItem(file, "Menu_Exit", "E&xit");

    QMenu* find = AddMenu(bar, "Menu_Find", "&Go-To");
    m.Menu_today = AddItem(find, "Menu_today", "&Today", "Ctrl+T");
    m.Menu_2JewishDate = AddItem(find, "Menu_2JewishDate", "A &Jewish Date");

    QMenu* convert = AddMenu(bar, "menu_convert", "&Convert");
    m.Menu_G2J = AddItem(convert, "Menu_G2J", "&Gregorian to Jewish");
    m.Menu_J2G = AddItem(convert, "Menu_J2G", "&Jewish to Gregorian");

    QMenu* lists = AddMenu(bar, "menu_other", "&Lists");
    m.Menu_GregYear = AddItem(lists, "Menu_GregYear", "Holidays For &Gregorian Year");
    m.Menu_JewishYear = AddItem(lists, "Menu_JewishYear", "Holidays For &Jewish Year");
    m.menu_sunset_times = AddItem(lists, "menu_sunset_times", "&Sunset Times");
    m.menu_readings = AddItem(lists, "menu_readings", "&Readings");

    QMenu* anniversaries = AddMenu(bar, "Menu_Anniversaries", "&Anniversaries");
    m.AnnivFromGreg = AddItem(anniversaries, "AnnivFromGreg", "From a &Gregorian Date");
    m.AnnivFromJewish = AddItem(anniversaries, "AnnivFromJewish", "From a &Jewish Date");

    QMenu* help = AddMenu(bar, "Menu_Help", "&Help");
    m.Menu_QAVOHelp = AddItem(help, "Menu_QAVOHelp", "&QAVO Help", "Ctrl+H");
    // F1 too, the help key of every desktop.
    m.Menu_QAVOHelp->setShortcuts({QKeySequence("Ctrl+H"), QKeySequence(Qt::Key_F1)});
    m.menu_history = AddItem(help, "menu_history", "&Calendar History && Rules");
    m.Menu_About = AddItem(help, "Menu_About", "&About...");
    return m;
}

}  // namespace qavo::ui
