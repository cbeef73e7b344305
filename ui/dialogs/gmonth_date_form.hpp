#pragma once
// "Gregorian Month and Date": one of the twelve months and a day checked
// against its length in the year of GLeapIndex. Opens on TargetGMonth and
// TargetGDay; OK writes them.

#include "ui/dialogs/month_day_prompt.hpp"

class QComboBox;

namespace qavo::ui {

class GMonthDateForm : public MonthDayPrompt {
    Q_OBJECT
  public:
    GMonthDateForm(Engine& engine, QWidget* parent = nullptr);

    QComboBox* GMonthBox() const { return MonthList(); }
    NumberBox* GDateBox() const { return DayBox(); }

  protected:
    void Activate() override;

  private:
    int SelectedMonthLength() const override;
    std::string DayDownText(std::string_view box, int monthLength) const override;
    void Command1_Click() override;
};

}  // namespace qavo::ui
