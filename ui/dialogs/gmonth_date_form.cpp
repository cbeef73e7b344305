#include "ui/dialogs/gmonth_date_form.hpp"

#include <QComboBox>
#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {

namespace {
constexpr std::string_view kRefusal = "Illegal entry";
}  // namespace

GMonthDateForm::GMonthDateForm(Engine& engine, QWidget* parent)
    : MonthDayPrompt(engine, "GMonthDateForm", "Gregorian Month and Date",
                     "Enter the Month and Date", "GMonthBox", "GDateBox", parent) {}

void GMonthDateForm::Activate() {
    MonthList()->clear();
    for (std::string_view name : kGMonthName) {
        MonthList()->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    MonthList()->setCurrentIndex(std::clamp(engine_.TargetGMonth - 1, 0, 11));
    DayBox()->setText(QString::fromStdString(BlankSigned(engine_.TargetGDay)));
}

int GMonthDateForm::SelectedMonthLength() const {
    // GLeapIndex is read afresh on every use.
    return GMonthLen(MonthList()->currentIndex() + 1, engine_.GLeapIndex != 0 ? 1 : 0);
}

std::string GMonthDateForm::DayDownText(std::string_view box, int monthLength) const {
    return GregorianDayDownText(box, monthLength);
}

void GMonthDateForm::Command1_Click() {
    const std::optional<Integer> day = TypedDay();
    if (!day) {
        Refuse(kRefusal);
        return;
    }
    engine_.TargetGDay = *day;
    engine_.TargetGMonth = static_cast<Integer>(MonthList()->currentIndex() + 1);
    Accept();
}

}  // namespace qavo::ui
