#pragma once
// The layout and wiring the two month-and-day prompts share: a label, a month
// list, a day box with its spin button, OK and Cancel. Each prompt fills its
// list and says what the arrows and OK do.

#include "ui/dialogs/prompt_dialog.hpp"

class QComboBox;
class QPushButton;

namespace qavo::ui {

class MonthDayPrompt : public PromptDialog {
    Q_OBJECT
  public:
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

  protected:
    MonthDayPrompt(Engine& engine, const char* name, const char* caption, const char* label,
                   const char* listName, const char* boxName, QWidget* parent);

    virtual void UpDown1_UpClick() = 0;
    virtual void UpDown1_DownClick() = 0;
    // OK, or Enter in the day box.
    virtual void Command1_Click() = 0;

    QComboBox* MonthList() const { return monthList_; }
    NumberBox* DayBox() const { return dayBox_; }

  private:
    QComboBox* monthList_;
    NumberBox* dayBox_;
    SpinButton* upDown1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace qavo::ui
