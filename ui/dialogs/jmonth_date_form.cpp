#include "ui/dialogs/jmonth_date_form.hpp"

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
constexpr std::string_view kRefusal = "Invalid Date Entry";
constexpr int kAdarPosition = 5;  // list position of Adar, the last month before the leap slot

QString ListText(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
}  // namespace

JMonthDateForm::JMonthDateForm(Engine& engine, QWidget* parent)
    : PromptDialog(engine, "JMonthDateForm", "Jewish Month and Date", 4200, 2400, parent) {
    AddLabel("Label1", "Select a Month and Date", 240, 150, 3720, 300);
    jMonthEntry_ = AddList("JMonthEntry", 240, 720, 1800, 360);
    jDateEntry_ = AddNumberBox("JDateEntry", 2280, 720, 900, 360);
    upDown1_ = AddSpin("UpDown1", 3180, 690, 255, 420);
    command1_ = AddButton("Command1", "&OK", 600, 1560, 1200, 420);
    command2_ = AddButton("Command2", "&Cancel", 2400, 1560, 1200, 420);
    command1_->setDefault(true);
    connect(upDown1_, &SpinButton::UpClicked, this, &JMonthDateForm::UpDown1_UpClick);
    connect(upDown1_, &SpinButton::DownClicked, this, &JMonthDateForm::UpDown1_DownClick);
    connect(jDateEntry_, &NumberBox::EnterPressed, this, &JMonthDateForm::Command1_Click);
    connect(command1_, &QPushButton::clicked, this, &JMonthDateForm::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &JMonthDateForm::Cancel);
}

void JMonthDateForm::Activate() {
    jMonthEntry_->clear();
    leap_ = Engine::IsJewishLeap(engine_.JYear);
    if (leap_) {
        for (std::string_view name : kJLeapMonthName) {
            jMonthEntry_->addItem(ListText(name));
        }
    } else {
        for (std::string_view name : kJMonthName) {
            jMonthEntry_->addItem(ListText(name));
        }
    }
    // After Elul of a leap year a common year has no 13th position: its
    // last month, Elul, stands in.
    jMonthEntry_->setCurrentIndex(
        std::clamp(engine_.JMonthShown - 1, 0, jMonthEntry_->count() - 1));
    jDateEntry_->setText(QString::fromStdString(BlankSigned(engine_.JDay)));
}

int JMonthDateForm::MonthAt(int position) const {
    return position > kAdarPosition && !leap_ ? position + 2 : position + 1;
}

int JMonthDateForm::SelectedMonthLength() const {
    return JMonthLen(MonthAt(jMonthEntry_->currentIndex()), engine_.YearType);
}

void JMonthDateForm::UpDown1_UpClick() {
    jDateEntry_->setText(QString::fromStdString(
        DayUpText(jDateEntry_->text().toStdString(), SelectedMonthLength())));
}

void JMonthDateForm::UpDown1_DownClick() {
    jDateEntry_->setText(QString::fromStdString(
        JewishDayDownText(jDateEntry_->text().toStdString(), SelectedMonthLength())));
}

void JMonthDateForm::Command1_Click() {
    const int position = jMonthEntry_->currentIndex();
    const LeadingNumber day = ReadLeadingNumber(jDateEntry_->text().toStdString());
    if (!day.fits || day.value <= 0 || day.value > SelectedMonthLength()) {
        Refuse(kRefusal);
        return;
    }
    engine_.JMonthShown = static_cast<Integer>(position + 1);
    engine_.DisplayToInternalMonth();
    engine_.JDay = day.value;
    Accept();
}

}  // namespace qavo::ui
