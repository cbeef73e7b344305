#pragma once
// The three accessory items of the File menu: each starts a program of the
// desktop, or says it cannot be found.

#include <QObject>

namespace qavo {
class Platform;
}

namespace qavo::ui {

class QavoWin;

class AccessoryCommands : public QObject {
    Q_OBJECT
  public:
    // Connects the menu items of `window`, which owns the commands.
    AccessoryCommands(QavoWin& window, Platform& platform);

  public slots:
    void menu_notepad_Click();
    void menu_Paintbrush_Click();
    void menu_calc_Click();

  private:
    Platform& platform_;
};

}  // namespace qavo::ui
