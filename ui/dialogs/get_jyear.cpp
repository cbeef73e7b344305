#include "ui/dialogs/get_jyear.hpp"

#include <QPushButton>
#include <limits>

#include "engine/number_text.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/number_box.hpp"
#include "ui/spin_button.hpp"

namespace qavo::ui {

namespace {
// The command takes GYear = JYear - 3761 from the spun year, also after
// Cancel, so a spun year must leave that difference within 16 bits.
constexpr int kLowestSpunYear = std::numeric_limits<Integer>::min() + kJewishYearOffset;
constexpr int kHighestSpunYear = std::numeric_limits<Integer>::max();
}  // namespace

GetJYear::GetJYear(Engine& engine, QWidget* parent)
    : PromptDialog(engine, "GetJYear", "Jewish Year", 5040, 2100, parent) {
    AddLabel("Label1", "Enter a Jewish year between 5343 and 10760.", 240, 150, 4560, 300);
    jyearBox_ = AddNumberBox("jyear_box", 1800, 660, 1080, 360);
    upDown1_ = AddSpin("UpDown1", 2880, 630, 255, 420);
    buttonOk_ = AddButton("button_ok", "&OK", 840, 1320, 1200, 420);
    buttonCancel_ = AddButton("button_cancel", "&Cancel", 3000, 1320, 1200, 420);
    buttonOk_->setDefault(true);
    connect(upDown1_, &SpinButton::DownClicked, this, [this] { Step(-1); });
    connect(upDown1_, &SpinButton::UpClicked, this, [this] { Step(+1); });
    connect(jyearBox_, &NumberBox::EnterPressed, this, &GetJYear::button_ok_Click);
    connect(buttonOk_, &QPushButton::clicked, this, &GetJYear::button_ok_Click);
    connect(buttonCancel_, &QPushButton::clicked, this, &GetJYear::Cancel);
}

void GetJYear::Activate() {
    engine_.ResultJYear = engine_.JYear;
    jyearBox_->setText(QString::number(engine_.ResultJYear));
}

void GetJYear::Step(int delta) {
    const std::optional<Integer> year =
        SteppedYear(jyearBox_->text().toStdString(), delta, kLowestSpunYear, kHighestSpunYear);
    if (!year) {
        Refuse(kJewishYearRangeMessage);
        return;
    }
    engine_.ResultJYear = *year;
    jyearBox_->setText(QString::number(*year));
}

void GetJYear::button_ok_Click() {
    const LeadingNumber year = ReadLeadingNumber(jyearBox_->text().toStdString());
    if (!year.fits || year.value < kFirstJewishYear || year.value > kLastJewishYear) {
        Refuse(kJewishYearRangeMessage);
        return;
    }
    engine_.ResultJYear = year.value;
    Accept();
}

}  // namespace qavo::ui
