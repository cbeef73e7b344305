#pragma once
// "Sunset Times" and "Readings": a run of successive days from a start date.

#include <QObject>

#include "lists/successive_days.hpp"
#include "startup/init_calendar.hpp"

namespace qavo::ui {

class Prompts;
class QavoWin;

class SuccessiveDaysCommands : public QObject {
    Q_OBJECT
  public:
    SuccessiveDaysCommands(Prompts& prompts, QavoWin& window, Calendar& calendar, QObject* parent);

    void menu_sunset_times_Click();
    void menu_readings_Click();

  private:
    // The list, and then the page of the day after it.
    void Run(SuccessiveDaysMode mode);
    void ShowList(SuccessiveDaysMode mode);

    Prompts& prompts_;
    QavoWin& window_;
    Calendar& calendar_;
};

}  // namespace qavo::ui
