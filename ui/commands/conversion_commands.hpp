#pragma once
// "Convert" and "Anniversaries": one date's counterpart in the other
// calendar, or a Jewish date's Gregorian dates in successive years.

#include <QObject>

#include "engine/engine.hpp"

namespace qavo::ui {

class Prompts;
class QavoWin;

class ConversionCommands : public QObject {
    Q_OBJECT
  public:
    ConversionCommands(Prompts& prompts, QavoWin& window, Engine& engine, QObject* parent);

    void Menu_G2J_Click();
    void Menu_J2G_Click();
    void AnnivFromGreg_Click();
    void AnnivFromJewish_Click();

  private:
    // A plain conversion lists one year under no heading.
    void StartPlainConversion();
    void ConvertFromGregorian();
    void ConvertFromJewish();

    Prompts& prompts_;
    QavoWin& window_;
    Engine& engine_;
};

}  // namespace qavo::ui
