#pragma once
// A click on a day cell: the sunset time of that day, after the readings of
// a Saturday.

#include <QObject>

#include "startup/init_calendar.hpp"

namespace qavo::ui {

class Prompts;
class QavoWin;

class DayInfoCommand : public QObject {
    Q_OBJECT
  public:
    DayInfoCommand(Prompts& prompts, QavoWin& window, Calendar& calendar, QObject* parent);

    // Cell 1 to 42 of the page.
    void ShowDayInfo(int cell);

  private:
    Prompts& prompts_;
    QavoWin& window_;
    Calendar& calendar_;
};

}  // namespace qavo::ui
