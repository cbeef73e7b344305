#pragma once
// The commands that open a help book or start an accessory program of the
// desktop: the Help menu and the three accessory items of the File menu.

#include <QObject>

namespace qavo {
class Platform;
}

namespace qavo::ui {

class QavoWin;

class HelpMenuCommands : public QObject {
    Q_OBJECT
  public:
    // Connects the menu items of `window`, which owns the commands.
    HelpMenuCommands(QavoWin& window, Platform& platform);

  public slots:
    void Menu_QAVOHelp_Click();
    void menu_history_Click();
    void menu_notepad_Click();
    void menu_Paintbrush_Click();
    void menu_calc_Click();

  private:
    QavoWin& window_;
    Platform& platform_;
};

}  // namespace qavo::ui
