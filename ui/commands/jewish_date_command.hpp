#pragma once
// "A Jewish Date": the Gregorian month of a Jewish date, with its cell marked.

#include <QObject>

#include "engine/engine.hpp"

namespace qavo::ui {

class Prompts;
class QavoWin;

class JewishDateCommand : public QObject {
    Q_OBJECT
  public:
    JewishDateCommand(Prompts& prompts, QavoWin& window, Engine& engine, QObject* parent);

    void Menu_2JewishDate_Click();

  private:
    // Asks for the date and shows its month, its cell marked, unless the
    // command ends on the way.
    void ShowAskedDate();

    Prompts& prompts_;
    QavoWin& window_;
    Engine& engine_;
};

}  // namespace qavo::ui
