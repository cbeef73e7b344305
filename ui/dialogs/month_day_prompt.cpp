#include "ui/dialogs/month_day_prompt.hpp"

#include <QComboBox>
#include <QPushButton>

#include "engine/number_text.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {

MonthDayPrompt::MonthDayPrompt(Engine& engine, const char* name, const char* caption,
                               const char* label, const char* listName, const char* boxName,
                               QWidget* parent)
    : PromptDialog(engine, name, caption, 4200, 2400, parent) {
    AddLabel("Label1", label, 240, 150, 3720, 300);
    monthList_ = AddList(listName, 240, 720, 1800, 360);
    monthList_->setAccessibleName("Month");
    monthList_->setAccessibleDescription("Month");
    dayBox_ = AddNumberBox(boxName, 2280, 720, 900, 360);
    dayBox_->setAccessibleName("Day");
    upDown1_ = AddSpin("UpDown1", 3180, 690, 255, 420);
    upDown1_->SetAccessibleNames("Next day", "Previous day");
    dayBox_->SetSpin(upDown1_);
    command1_ = AddButton("Command1", "&OK", 600, 1560, 1200, 420);
    command2_ = AddButton("Command2", "&Cancel", 2400, 1560, 1200, 420);
    command1_->setDefault(true);
    connect(upDown1_, &SpinButton::UpClicked, this, Guarded([this] { StepDay(true); }));
    connect(upDown1_, &SpinButton::DownClicked, this, Guarded([this] { StepDay(false); }));
    connect(dayBox_, &NumberBox::EnterPressed, this, Guarded([this] { Command1_Click(); }));
    connect(command1_, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(command2_, &QPushButton::clicked, this, Guarded(this, &MonthDayPrompt::Cancel));
}

std::optional<Integer> MonthDayPrompt::TypedDay() const {
    const LeadingNumber day = ReadLeadingNumber(dayBox_->text().toStdString());
    if (!day.fits || day.value <= 0 || day.value > SelectedMonthLength()) {
        return std::nullopt;
    }
    return day.value;
}

void MonthDayPrompt::StepDay(bool up) {
    const std::string box = dayBox_->text().toStdString();
    const int length = SelectedMonthLength();
    dayBox_->setText(
        QString::fromStdString(up ? DayUpText(box, length) : DayDownText(box, length)));
}

}  // namespace qavo::ui
