#pragma once
// "Successive Days": how many days the sunset or readings list covers. Opens
// on SuccDayCount; OK hands back the box's text as typed.

#include <string>

#include "ui/dialogs/prompt_dialog.hpp"

class QPushButton;

namespace qavo::ui {

class SuccDays : public PromptDialog {
    Q_OBJECT
  public:
    SuccDays(Engine& engine, QWidget* parent = nullptr);

    // The text of the box when OK was last pressed.
    const std::string& SuccDaysText() const { return succDaysText_; }

    NumberBox* sdays() const { return sdays_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

  protected:
    void Activate() override;

  private:
    void Command1_Click();

    std::string succDaysText_;
    NumberBox* sdays_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace qavo::ui
