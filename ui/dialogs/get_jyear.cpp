#include "ui/dialogs/get_jyear.hpp"

#include <limits>

#include "engine/number_text.hpp"
#include "engine/year_range_messages.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {

namespace {
// The command takes GYear = JYear - 3761 from the spun year, also after
// Cancel, so a spun year must leave that difference within 16 bits.
constexpr int kLowestSpunYear = std::numeric_limits<Integer>::min() + kJewishYearOffset;
constexpr int kHighestSpunYear = std::numeric_limits<Integer>::max();
}  // namespace

GetJYear::GetJYear(Engine& engine, QWidget* parent)
    : YearPrompt(engine, "GetJYear", "Jewish Year", "Enter a Jewish year between 5343 and 10760.",
                 "jyear_box", parent) {}

void GetJYear::Activate() {
    engine_.ResultJYear = engine_.JYear;
    YearBox()->setText(QString::number(engine_.ResultJYear));
}

void GetJYear::Step(int delta) {
    const std::optional<Integer> year =
        SteppedYear(YearBox()->text().toStdString(), delta, kLowestSpunYear, kHighestSpunYear);
    if (!year) {
        Refuse(kJewishYearRangeMessage);
        return;
    }
    engine_.ResultJYear = *year;
    YearBox()->setText(QString::number(*year));
}

void GetJYear::button_ok_Click() {
    const LeadingNumber year = ReadLeadingNumber(YearBox()->text().toStdString());
    if (!year.fits || year.value < kFirstJewishYear || year.value > kLastJewishYear) {
        Refuse(kJewishYearRangeMessage);
        return;
    }
    engine_.ResultJYear = year.value;
    Accept();
}

}  // namespace qavo::ui
