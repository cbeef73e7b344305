#include "ui/dialogs/gmonth_date_form.hpp"

#include <QComboBox>
#include <QPushButton>
#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/number_box.hpp"
#include "ui/spin_button.hpp"

namespace qavo::ui {

namespace {
constexpr std::string_view kRefusal = "Illegal entry";
}  // namespace

GMonthDateForm::GMonthDateForm(Engine& engine, QWidget* parent)
    : PromptDialog(engine, "GMonthDateForm", "Gregorian Month and Date", 4200, 2400, parent) {
    AddLabel("Label1", "Enter the Month and Date", 240, 150, 3720, 300);
    gMonthBox_ = AddList("GMonthBox", 240, 720, 1800, 360);
    gDateBox_ = AddNumberBox("GDateBox", 2280, 720, 900, 360);
    upDown1_ = AddSpin("UpDown1", 3180, 690, 255, 420);
    command1_ = AddButton("Command1", "&OK", 600, 1560, 1200, 420);
    command2_ = AddButton("Command2", "&Cancel", 2400, 1560, 1200, 420);
    command1_->setDefault(true);
    connect(upDown1_, &SpinButton::UpClicked, this, &GMonthDateForm::UpDown1_UpClick);
    connect(upDown1_, &SpinButton::DownClicked, this, &GMonthDateForm::UpDown1_DownClick);
    connect(gDateBox_, &NumberBox::EnterPressed, this, &GMonthDateForm::Command1_Click);
    connect(command1_, &QPushButton::clicked, this, &GMonthDateForm::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &GMonthDateForm::Cancel);
}

void GMonthDateForm::Activate() {
    gMonthBox_->clear();
    for (std::string_view name : kGMonthName) {
        gMonthBox_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    gMonthBox_->setCurrentIndex(std::clamp(engine_.TargetGMonth - 1, 0, 11));
    gDateBox_->setText(QString::fromStdString(BlankSigned(engine_.TargetGDay)));
}

int GMonthDateForm::SelectedMonthLength() const {
    // GLeapIndex is read afresh on every use.
    return GMonthLen(gMonthBox_->currentIndex() + 1, engine_.GLeapIndex != 0 ? 1 : 0);
}

void GMonthDateForm::UpDown1_UpClick() {
    gDateBox_->setText(
        QString::fromStdString(DayUpText(gDateBox_->text().toStdString(), SelectedMonthLength())));
}

void GMonthDateForm::UpDown1_DownClick() {
    gDateBox_->setText(QString::fromStdString(
        GregorianDayDownText(gDateBox_->text().toStdString(), SelectedMonthLength())));
}

void GMonthDateForm::Command1_Click() {
    const LeadingNumber day = ReadLeadingNumber(gDateBox_->text().toStdString());
    if (!day.fits || day.value <= 0 || day.value > SelectedMonthLength()) {
        Refuse(kRefusal);
        return;
    }
    engine_.TargetGDay = day.value;
    engine_.TargetGMonth = static_cast<Integer>(gMonthBox_->currentIndex() + 1);
    Accept();
}

}  // namespace qavo::ui
