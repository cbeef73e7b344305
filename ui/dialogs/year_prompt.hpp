#pragma once
// The layout and wiring the two year prompts share: a label, a year box with
// its spin button, OK and Cancel. Each prompt says what a step and OK do.

#include "ui/dialogs/prompt_dialog.hpp"

class QPushButton;

namespace qavo::ui {

class YearPrompt : public PromptDialog {
    Q_OBJECT
  protected:
    YearPrompt(Engine& engine, const char* name, const char* caption, const char* label,
               const char* boxName, QWidget* parent);

    // A click on the spin button's up (+1) or down (-1) arrow.
    virtual void Step(int delta) = 0;
    // OK, or Enter in the year box.
    virtual void button_ok_Click() = 0;

    NumberBox* YearBox() const { return yearBox_; }

  public:
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* button_ok() const { return buttonOk_; }
    QPushButton* button_cancel() const { return buttonCancel_; }

  private:
    NumberBox* yearBox_;
    SpinButton* upDown1_;
    QPushButton* buttonOk_;
    QPushButton* buttonCancel_;
};

}  // namespace qavo::ui
