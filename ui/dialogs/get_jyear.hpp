#pragma once
// "Jewish Year": asks for a year between 5343 and 10760 into ResultJYear,
// which it copies from JYear every time it is shown. The spin buttons change
// ResultJYear at once.

#include "ui/dialogs/year_prompt.hpp"

namespace qavo::ui {

class GetJYear : public YearPrompt {
    Q_OBJECT
  public:
    GetJYear(Engine& engine, QWidget* parent = nullptr);

    NumberBox* jyear_box() const { return YearBox(); }

  protected:
    void Activate() override;

  private:
    void Step(int delta) override;
    void button_ok_Click() override;
};

}  // namespace qavo::ui
