#pragma once
// "Jewish Month and Date": a month of JYear (12 or 13 of them, in the year's
// own numbering) and a day checked against that month's length in YearType.
// Opens on the month chosen last, by name, or at first on JMonthShown, and on
// JDay; OK writes JMonthShown, JMonth and JDay.

#include "ui/dialogs/month_day_prompt.hpp"

class QComboBox;

namespace qavo::ui {

class JMonthDateForm : public MonthDayPrompt {
    Q_OBJECT
  public:
    JMonthDateForm(Engine& engine, QWidget* parent = nullptr);

    QComboBox* JMonthEntry() const { return MonthList(); }
    NumberBox* JDateEntry() const { return DayBox(); }

  protected:
    void Activate() override;

  private:
    // The list position to open on.
    int ProposedPosition() const;
    // The month in the 13-slot numbering of list position p.
    int MonthAt(int position) const;
    int SelectedMonthLength() const override;
    std::string DayDownText(std::string_view box, int monthLength) const override;
    void Command1_Click() override;

    bool leap_ = false;    // JYear has 13 months; set on every showing
    int chosenMonth_ = 0;  // the month last accepted, in 13 slots; 0 before any
};

}  // namespace qavo::ui
