#pragma once
// "Heading and Successive Years": the heading of an anniversary list and the
// number of years it covers. Opens on the heading and SuccYears of the last
// use; OK stores both, refusing a count that runs past the calendar's end.

#include <string>

#include "ui/dialogs/prompt_dialog.hpp"

class QLineEdit;
class QPushButton;

namespace qavo::ui {

class HeaderForm : public PromptDialog {
    Q_OBJECT
  public:
    // `headerText` is the heading kept between runs; OK writes it.
    HeaderForm(Engine& engine, std::string& headerText, QWidget* parent = nullptr);

    // The Jewish year the list starts in, which bounds the count.
    void SetFirstJewishYear(int jYear) { firstJYear_ = jYear; }

    QLineEdit* HeaderBox() const { return headerBox_; }
    NumberBox* SYearsBox() const { return sYearsBox_; }
    SpinButton* UpDown1() const { return upDown1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

  protected:
    void Activate() override;

  private:
    void Command1_Click();

    std::string& headerText_;
    int firstJYear_ = kFirstJewishYear;
    QLineEdit* headerBox_;
    NumberBox* sYearsBox_;
    SpinButton* upDown1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace qavo::ui
