#pragma once
// The holiday lists of a year: "Holidays For Gregorian Year" and "Holidays
// For Jewish Year".

#include <QObject>

#include "startup/init_calendar.hpp"

namespace qavo::ui {

class Prompts;

class YearReportCommands : public QObject {
    Q_OBJECT
  public:
    YearReportCommands(Prompts& prompts, Calendar& calendar, QObject* parent);

    void Menu_GregYear_Click();
    void Menu_JewishYear_Click();

  private:
    Prompts& prompts_;
    Calendar& calendar_;
};

}  // namespace qavo::ui
