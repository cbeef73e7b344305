#include "ui/dialogs/jmonth_date_form.hpp"

#include <QComboBox>
#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {

namespace {
constexpr std::string_view kRefusal = "Invalid Date Entry";

QString ListText(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
}  // namespace

JMonthDateForm::JMonthDateForm(Engine& engine, QWidget* parent)
    : MonthDayPrompt(engine, "JMonthDateForm", "Jewish Month and Date", "Select a Month and Date",
                     "JMonthEntry", "JDateEntry", parent) {}

void JMonthDateForm::Activate() {
    MonthList()->clear();
    leap_ = Engine::IsJewishLeap(engine_.JYear);
    if (leap_) {
        for (std::string_view name : kJLeapMonthName) {
            MonthList()->addItem(ListText(name));
        }
    } else {
        for (std::string_view name : kJMonthName) {
            MonthList()->addItem(ListText(name));
        }
    }
    MonthList()->setCurrentIndex(ProposedPosition());
    DayBox()->setText(QString::fromStdString(BlankSigned(engine_.JDay)));
}

int JMonthDateForm::ProposedPosition() const {
    if (chosenMonth_ == 0) {
        // After Elul of a leap year a common year has no 13th position: its
        // last month, Elul, stands in.
        return std::clamp(engine_.JMonthShown - 1, 0, MonthList()->count() - 1);
    }
    // The month chosen last, by name; a common year's Adar stands for Adar II.
    return ShownMonthOf(chosenMonth_, leap_) - 1;
}

int JMonthDateForm::MonthAt(int position) const {
    return MonthSlotOf(position + 1, leap_);
}

int JMonthDateForm::SelectedMonthLength() const {
    return JMonthLen(MonthAt(MonthList()->currentIndex()), engine_.YearType);
}

std::string JMonthDateForm::DayDownText(std::string_view box, int monthLength) const {
    return JewishDayDownText(box, monthLength);
}

void JMonthDateForm::Command1_Click() {
    const int position = MonthList()->currentIndex();
    const std::optional<Integer> day = TypedDay();
    if (!day) {
        Refuse(kRefusal);
        return;
    }
    engine_.JMonthShown = static_cast<Integer>(position + 1);
    engine_.DisplayToInternalMonth();
    engine_.JDay = *day;
    chosenMonth_ = engine_.JMonth;
    Accept();
}

}  // namespace qavo::ui
