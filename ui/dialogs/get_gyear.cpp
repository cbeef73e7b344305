#include "ui/dialogs/get_gyear.hpp"

#include <QPushButton>
#include <limits>

#include "engine/number_text.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/number_box.hpp"
#include "ui/spin_button.hpp"

namespace qavo::ui {

GetGyear::GetGyear(Engine& engine, QWidget* parent)
    : PromptDialog(engine, "GetGyear", "Gregorian Year", 5040, 2100, parent) {
    AddLabel("Label1", "Enter a Gregorian year between 1583 and 7000.", 240, 150, 4560, 300);
    gyearBox_ = AddNumberBox("gyear_box", 1800, 660, 1080, 360);
    upDown1_ = AddSpin("UpDown1", 2880, 630, 255, 420);
    buttonOk_ = AddButton("button_ok", "&OK", 840, 1320, 1200, 420);
    buttonCancel_ = AddButton("button_cancel", "&Cancel", 3000, 1320, 1200, 420);
    buttonOk_->setDefault(true);
    connect(upDown1_, &SpinButton::DownClicked, this, [this] { Step(-1); });
    connect(upDown1_, &SpinButton::UpClicked, this, [this] { Step(+1); });
    connect(gyearBox_, &NumberBox::EnterPressed, this, &GetGyear::button_ok_Click);
    connect(buttonOk_, &QPushButton::clicked, this, &GetGyear::button_ok_Click);
    connect(buttonCancel_, &QPushButton::clicked, this, &GetGyear::Cancel);
}

void GetGyear::Activate() {
    gyearBox_->setText(QString::number(engine_.GYear));
}

void GetGyear::FrameClosed() {
    // The command goes on with GYear as the spin buttons left it.
    done(Rejected);
}

void GetGyear::Step(int delta) {
    // Any 16-bit year may be spun to; OK and the command check the range.
    const std::optional<Integer> year =
        SteppedYear(gyearBox_->text().toStdString(), delta, std::numeric_limits<Integer>::min(),
                    std::numeric_limits<Integer>::max());
    if (!year) {
        Refuse(kGregorianYearRangeMessage);
        return;
    }
    engine_.GYear = *year;
    gyearBox_->setText(QString::number(*year));
}

void GetGyear::button_ok_Click() {
    const LeadingNumber year = ReadLeadingNumber(gyearBox_->text().toStdString());
    if (!year.fits || year.value < kFirstGregorianYear || year.value > kLastGregorianYear) {
        Refuse(kGregorianYearRangeMessage);
        return;
    }
    engine_.GYear = year.value;
    engine_.GLeapIndex = Engine::IsGregorianLeap(year.value) ? 1 : 0;
    Accept();
}

}  // namespace qavo::ui
