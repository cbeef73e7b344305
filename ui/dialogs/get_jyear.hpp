#pragma once
// "Jewish Year": asks for a year between 5343 and 10760 into ResultJYear,
// which it copies from JYear every time it is shown. The spin buttons change
// ResultJYear at once.

#include "ui/dialogs/prompt_dialog.hpp"

class QPushButton;

namespace qavo::ui {

class GetJYear : public PromptDialog {
    Q_OBJECT
  public:
    GetJYear(Engine& engine, QWidget* parent = nullptr);

    NumberBox* jyear_box() const { return jyearBox_; }
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* button_ok() const { return buttonOk_; }
    QPushButton* button_cancel() const { return buttonCancel_; }

  protected:
    void Activate() override;

  private:
    void Step(int delta);
    void button_ok_Click();

    NumberBox* jyearBox_;
    SpinButton* upDown1_;
    QPushButton* buttonOk_;
    QPushButton* buttonCancel_;
};

// The refusal of a Jewish year outside 5343..10760, here and on the main
// window's Jewish-year button.
inline constexpr std::string_view kJewishYearRangeMessage = "Year must be between 5343 and 10760";

}  // namespace qavo::ui
