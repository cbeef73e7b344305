#include "ui/dialogs/get_gyear.hpp"

#include <limits>

#include "engine/number_text.hpp"
#include "engine/year_range_messages.hpp"
#include "ui/dialogs/box_steps.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {

GetGyear::GetGyear(Engine& engine, QWidget* parent)
    : YearPrompt(engine, "GetGyear", "Gregorian Year",
                 "Enter a Gregorian year between 1583 and 7000.", "gyear_box", parent) {}

void GetGyear::Activate() {
    YearBox()->setText(QString::number(engine_.GYear));
}

void GetGyear::FrameClosed() {
    // The command goes on with GYear as the spin buttons left it.
    done(Rejected);
}

void GetGyear::Step(int delta) {
    // Any 16-bit year may be spun to; OK and the command check the range.
    const std::optional<Integer> year =
        SteppedYear(YearBox()->text().toStdString(), delta, std::numeric_limits<Integer>::min(),
                    std::numeric_limits<Integer>::max());
    if (!year) {
        Refuse(kGregorianYearRangeMessage);
        return;
    }
    engine_.GYear = *year;
    YearBox()->setText(QString::number(*year));
}

void GetGyear::button_ok_Click() {
    const LeadingNumber year = ReadLeadingNumber(YearBox()->text().toStdString());
    if (!year.fits || !IsAcceptedGregorianYear(year.value)) {
        Refuse(kGregorianYearRangeMessage);
        return;
    }
    engine_.GYear = year.value;
    engine_.GLeapIndex = Engine::IsGregorianLeap(year.value) ? 1 : 0;
    Accept();
}

}  // namespace qavo::ui
