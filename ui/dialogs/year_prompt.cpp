#include "ui/dialogs/year_prompt.hpp"

#include <QLabel>
#include <QPushButton>

#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {

YearPrompt::YearPrompt(Engine& engine, const char* name, const char* caption, const char* label,
                       const char* boxName, QWidget* parent)
    : PromptDialog(engine, name, caption, 5040, 2100, parent) {
    QLabel* prompt = AddLabel("Label1", label, 240, 150, 4560, 300);
    yearBox_ = AddNumberBox(boxName, 1800, 660, 1080, 360);
    prompt->setBuddy(yearBox_);
    upDown1_ = AddSpin("UpDown1", 2880, 630, 255, 420);
    upDown1_->SetAccessibleNames("Next year", "Previous year");
    yearBox_->SetSpin(upDown1_);
    buttonOk_ = AddButton("button_ok", "&OK", 840, 1320, 1200, 420);
    buttonCancel_ = AddButton("button_cancel", "&Cancel", 3000, 1320, 1200, 420);
    buttonOk_->setDefault(true);
    connect(upDown1_, &SpinButton::DownClicked, this, Guarded([this] { Step(-1); }));
    connect(upDown1_, &SpinButton::UpClicked, this, Guarded([this] { Step(+1); }));
    connect(yearBox_, &NumberBox::EnterPressed, this, Guarded([this] { button_ok_Click(); }));
    connect(buttonOk_, &QPushButton::clicked, this, Guarded([this] { button_ok_Click(); }));
    connect(buttonCancel_, &QPushButton::clicked, this, Guarded(this, &YearPrompt::Cancel));
}

}  // namespace qavo::ui
