#pragma once
// "Gregorian Month and Date": one of the twelve months and a day checked
// against its length in the year of GLeapIndex. Opens on TargetGMonth and
// TargetGDay; OK writes them.

#include "ui/dialogs/prompt_dialog.hpp"

class QComboBox;
class QPushButton;

namespace qavo::ui {

class GMonthDateForm : public PromptDialog {
    Q_OBJECT
  public:
    GMonthDateForm(Engine& engine, QWidget* parent = nullptr);

    QComboBox* GMonthBox() const { return gMonthBox_; }
    NumberBox* GDateBox() const { return gDateBox_; }
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

  protected:
    void Activate() override;

  private:
    int SelectedMonthLength() const;
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void Command1_Click();

    QComboBox* gMonthBox_;
    NumberBox* gDateBox_;
    SpinButton* upDown1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace qavo::ui
