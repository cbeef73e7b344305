#pragma once
// The Help menu's two books, each opened in its help window.

#include <QObject>

namespace qavo::ui {

class QavoWin;

class HelpMenuCommands : public QObject {
    Q_OBJECT
  public:
    // Connects the menu items of `window`, which owns the commands.
    explicit HelpMenuCommands(QavoWin& window);

  public slots:
    void Menu_QAVOHelp_Click();
    void menu_history_Click();

  private:
    QavoWin& window_;
};

}  // namespace qavo::ui
