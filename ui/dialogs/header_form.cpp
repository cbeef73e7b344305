#include "ui/dialogs/header_form.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/number_text.hpp"
#include "holidays/conversion_report.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {

HeaderForm::HeaderForm(Engine& engine, std::string& headerText, QWidget* parent)
    : PromptDialog(engine, "HeaderForm", "Heading and Successive Years", 5280, 2850, parent),
      headerText_(headerText) {
    QLabel* heading = AddLabel("Label1", "Enter a Heading if required", 240, 120, 4800, 300);
    headerBox_ = new QLineEdit(this);
    headerBox_->setObjectName("HeaderBox");
    PlaceInTwips(headerBox_, 240, 450, 4800, 360);
    heading->setBuddy(headerBox_);
    QLabel* years = AddLabel("Label2", "Enter number of Successive Years", 240, 1020, 3300, 300);
    sYearsBox_ = AddNumberBox("SYearsBox", 3600, 990, 900, 360);
    years->setBuddy(sYearsBox_);
    upDown1_ = AddSpin("UpDown1", 4500, 960, 255, 420);
    upDown1_->SetAccessibleNames("More successive years", "Fewer successive years");
    sYearsBox_->SetSpin(upDown1_);
    command1_ = AddButton("Command1", "&OK", 1080, 1920, 1200, 420);
    command2_ = AddButton("Command2", "&Cancel", 3000, 1920, 1200, 420);
    command1_->setDefault(true);
    connect(upDown1_, &SpinButton::DownClicked, this, Guarded([this] {
                sYearsBox_->setText(QString::fromStdString(
                    SuccessiveYearsDownText(sYearsBox_->text().toStdString())));
            }));
    connect(upDown1_, &SpinButton::UpClicked, this, Guarded([this] {
                sYearsBox_->setText(QString::fromStdString(
                    SuccessiveYearsUpText(sYearsBox_->text().toStdString())));
            }));
    connect(sYearsBox_, &NumberBox::EnterPressed, this, Guarded(this, &HeaderForm::Command1_Click));
    connect(command1_, &QPushButton::clicked, this, Guarded(this, &HeaderForm::Command1_Click));
    connect(command2_, &QPushButton::clicked, this, Guarded(this, &HeaderForm::Cancel));
}

void HeaderForm::Activate() {
    sYearsBox_->setText(QString::fromStdString(BlankSigned(engine_.SuccYears)));
    headerBox_->setText(QString::fromUtf8(headerText_));
}

void HeaderForm::Command1_Click() {
    const std::string box = sYearsBox_->text().toStdString();
    // More years than the calendar has left would run the list off its end.
    if (const std::optional<std::string> refusal = SuccessiveYearsRefusal(box, firstJYear_)) {
        Refuse(*refusal);
        return;
    }
    headerText_ = headerBox_->text().toUtf8().toStdString();
    engine_.SuccYears = ReadLeadingNumber(box).value;
    Accept();
}

}  // namespace qavo::ui
