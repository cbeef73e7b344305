#pragma once
// "Jewish Month and Date": a month of JYear (12 or 13 of them, in the year's
// own numbering) and a day checked against that month's length in YearType.
// Opens on JMonthShown and JDay; OK writes JMonthShown, JMonth and JDay.

#include "ui/dialogs/prompt_dialog.hpp"

class QComboBox;
class QPushButton;

namespace qavo::ui {

class JMonthDateForm : public PromptDialog {
    Q_OBJECT
  public:
    JMonthDateForm(Engine& engine, QWidget* parent = nullptr);

    QComboBox* JMonthEntry() const { return jMonthEntry_; }
    NumberBox* JDateEntry() const { return jDateEntry_; }
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

  protected:
    void Activate() override;

  private:
    // The month in the 13-slot numbering of list position p.
    int MonthAt(int position) const;
    int SelectedMonthLength() const;
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void Command1_Click();

    QComboBox* jMonthEntry_;
    NumberBox* jDateEntry_;
    SpinButton* upDown1_;
    QPushButton* command1_;
    QPushButton* command2_;
    bool leap_ = false;
};

}  // namespace qavo::ui
