#include "ui/windows/daylight_choice.hpp"

#include <QHBoxLayout>
#include <QRadioButton>

namespace qavo::ui {

DaylightChoice::DaylightChoice(QWidget* parent) : QWidget(parent) {
    setObjectName("DayLightOption");
    setAccessibleName("Clock for sunset times");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, layout](const char* name, const char* caption) {
        auto* button = new QRadioButton(caption, this);
        button->setObjectName(name);
        layout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &DaylightChoice::Clicked);
        return button;
    };
    standard_ = add("StandardOption", "S&tandard");
    daylight_ = add("DaylightOption", "D&aylight");
    auto_ = add("AutoOption", "A&uto");
    standard_->setChecked(true);
}

DaylightChoice::Clock DaylightChoice::Chosen() const {
    return auto_->isChecked()       ? Clock::Auto
           : daylight_->isChecked() ? Clock::Daylight
                                    : Clock::Standard;
}

void DaylightChoice::Show(Clock clock) {
    (clock == Clock::Auto       ? auto_
     : clock == Clock::Daylight ? daylight_
                                : standard_)
        ->setChecked(true);
}

}  // namespace qavo::ui
