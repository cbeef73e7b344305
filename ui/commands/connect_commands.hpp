#pragma once
// The commands of the main window that ask for their input through prompts:
// the holiday lists, the conversions and anniversaries, the successive-days
// lists, the day information of a clicked cell and "A Jewish Date".

namespace qavo {
struct Calendar;
}

namespace qavo::ui {

class QavoWin;

// Creates the command flows, owned by the window, and connects its menu
// items and day cells to them.
void ConnectCommands(QavoWin& window, Calendar& calendar);

}  // namespace qavo::ui
