#pragma once
// "Gregorian Year": asks for a year between 1583 and 7000. The spin buttons
// change GYear at once; OK stores the year and its leap index; closing the
// window by its frame leaves GYear and Cancelled as they are.

#include "ui/dialogs/prompt_dialog.hpp"

class QPushButton;

namespace qavo::ui {

class GetGyear : public PromptDialog {
    Q_OBJECT
  public:
    GetGyear(Engine& engine, QWidget* parent = nullptr);

    NumberBox* gyear_box() const { return gyearBox_; }
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* button_ok() const { return buttonOk_; }
    QPushButton* button_cancel() const { return buttonCancel_; }

  protected:
    void Activate() override;
    void FrameClosed() override;

  private:
    void Step(int delta);
    void button_ok_Click();

    NumberBox* gyearBox_;
    SpinButton* upDown1_;
    QPushButton* buttonOk_;
    QPushButton* buttonCancel_;
};

// The refusal of a Gregorian year outside 1583..7000, here and wherever a
// year reaches a command or a day click out of range.
inline constexpr std::string_view kGregorianYearRangeMessage = "Year must be between 1583 and 7000";

}  // namespace qavo::ui
