#pragma once
// The layout and wiring the two month-and-day prompts share: a label, a month
// list, a day box with its spin button, OK and Cancel, and the stepping and
// check of the typed day. Each prompt fills its list and says how long the
// chosen month is, how its days step down, and what OK does.

#include <optional>
#include <string>
#include <string_view>

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

    // The days of the month chosen in the list.
    virtual int SelectedMonthLength() const = 0;
    // The day before the one typed; the two calendars wrap differently.
    virtual std::string DayDownText(std::string_view box, int monthLength) const = 0;
    // OK, or Enter in the day box.
    virtual void Command1_Click() = 0;

    QComboBox* MonthList() const { return monthList_; }
    NumberBox* DayBox() const { return dayBox_; }
    // The day typed, when the month chosen has it.
    std::optional<Integer> TypedDay() const;

  private:
    // The spin steps the typed day within the month chosen.
    void StepDay(bool up);

    QComboBox* monthList_;
    NumberBox* dayBox_;
    SpinButton* upDown1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace qavo::ui
