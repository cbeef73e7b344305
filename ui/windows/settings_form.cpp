#include "ui/windows/settings_form.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "startup/holiday_settings.hpp"
#include "ui/platform/guarded_application.hpp"

namespace qavo::ui {

namespace {

QRadioButton* AddOption(QGroupBox* group, const char* name, const char* caption) {
    auto* option = new QRadioButton(caption, group);
    option->setObjectName(name);
    group->layout()->addWidget(option);
    return option;
}

QPushButton* AddButton(QHBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

}  // namespace

SettingsForm::SettingsForm(Platform& platform, std::string iniPath, QWidget* parent)
    : QDialog(parent), platform_(platform), iniPath_(std::move(iniPath)) {
    setObjectName("SettingsForm");
    setWindowTitle("Settings");
    auto* layout = new QVBoxLayout(this);

    auto* schedule = new QGroupBox("Holiday schedule", this);
    schedule->setObjectName("ScheduleFrame");
    schedule->setLayout(new QVBoxLayout);
    diaspora_ = AddOption(schedule, "DiasporaOption", "&Diaspora (two festival days)");
    israel_ = AddOption(schedule, "IsraelOption", "&Israel (one festival day)");
    layout->addWidget(schedule);

    auto* holidays = new QGroupBox("Holidays", this);
    holidays->setObjectName("HolidaysFrame");
    holidays->setLayout(new QVBoxLayout);
    major_ = AddOption(holidays, "MajorOption", "&Major holidays");
    all_ = AddOption(holidays, "AllOption", "&All holidays (fasts, Rosh Chodesh, eves...)");
    layout->addWidget(holidays);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = AddButton(buttons, "btn_ok", "&OK");
    ok->setDefault(true);
    QPushButton* cancel = AddButton(buttons, "btn_cancel", "&Cancel");
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, Guarded(this, &SettingsForm::btn_ok_Click));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsForm::Load(const HolidayOptions& options) {
    (options.schedule == Schedule::Israel ? israel_ : diaspora_)->setChecked(true);
    (options.holidays == HolidaySet::All ? all_ : major_)->setChecked(true);
}

HolidayOptions SettingsForm::Chosen() const {
    HolidayOptions options;
    options.schedule = israel_->isChecked() ? Schedule::Israel : Schedule::Diaspora;
    options.holidays = all_->isChecked() ? HolidaySet::All : HolidaySet::Major;
    return options;
}

void SettingsForm::btn_ok_Click() {
    // A file that cannot be written has been reported; the choice still
    // holds until the program ends.
    static_cast<void>(SaveHolidayOptions(platform_, iniPath_, Chosen()));
    accept();
}

}  // namespace qavo::ui
