#pragma once
// "Gregorian Year": asks for a year between 1583 and 7000. The spin buttons
// change GYear at once; OK stores the year and its leap index; closing the
// window by its frame leaves GYear and Cancelled as they are.

#include "ui/dialogs/year_prompt.hpp"

namespace qavo::ui {

class GetGyear : public YearPrompt {
    Q_OBJECT
  public:
    GetGyear(Engine& engine, QWidget* parent = nullptr);

    NumberBox* gyear_box() const { return YearBox(); }

  protected:
    void Activate() override;
    void FrameClosed() override;

  private:
    void Step(int delta) override;
    void button_ok_Click() override;
};

}  // namespace qavo::ui
