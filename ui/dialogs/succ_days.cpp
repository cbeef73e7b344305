#include "ui/dialogs/succ_days.hpp"

#include <QLabel>
#include <QPushButton>

#include "engine/number_text.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {

SuccDays::SuccDays(Engine& engine, QWidget* parent)
    : PromptDialog(engine, "SuccDays", "Successive Days", 4200, 2100, parent) {
    QLabel* caption = AddLabel("Label1", "For how many successive days?", 240, 150, 3720, 300);
    sdays_ = AddNumberBox("sdays", 1560, 660, 1080, 360);
    caption->setBuddy(sdays_);
    command1_ = AddButton("Command1", "OK", 600, 1320, 1200, 420);
    command2_ = AddButton("Command2", "Cancel", 2400, 1320, 1200, 420);
    command1_->setDefault(true);
    connect(sdays_, &NumberBox::EnterPressed, this, Guarded(this, &SuccDays::Command1_Click));
    connect(command1_, &QPushButton::clicked, this, Guarded(this, &SuccDays::Command1_Click));
    connect(command2_, &QPushButton::clicked, this, Guarded(this, &SuccDays::Cancel));
}

void SuccDays::Activate() {
    sdays_->setText(QString::fromStdString(BlankSigned(engine_.SuccDayCount)));
}

void SuccDays::Command1_Click() {
    succDaysText_ = sdays_->text().toStdString();
    Accept();
}

}  // namespace qavo::ui
