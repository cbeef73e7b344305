#include "ui/commands/prompts.hpp"

#include <QComboBox>

#include "engine/number_text.hpp"
#include "engine/year_range_messages.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "lists/successive_days.hpp"
#include "ui/commands/raised_flag.hpp"
#include "ui/dialogs/get_gyear.hpp"
#include "ui/dialogs/get_jyear.hpp"
#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/header_form.hpp"
#include "ui/dialogs/jmonth_date_form.hpp"
#include "ui/dialogs/succ_days.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/windows/out_form.hpp"

namespace qavo::ui {

namespace {
// Creates a prompt on its first use; the main window owns it from then on.
template <typename Dialog, typename... Args>
Dialog& OnFirstUse(Dialog*& dialog, QWidget* parent, Args&... args) {
    if (dialog == nullptr) {
        dialog = new Dialog(args..., parent);
    }
    return *dialog;
}
}  // namespace

Prompts::Prompts(QavoWin& window, Engine& engine)
    : QObject(&window), window_(window), engine_(engine) {}

GetGyear& Prompts::GregorianYearPrompt() {
    return OnFirstUse(getGyear_, &window_, engine_);
}

GetJYear& Prompts::JewishYearPrompt() {
    return OnFirstUse(getJYear_, &window_, engine_);
}

GMonthDateForm& Prompts::GregorianDatePrompt() {
    return OnFirstUse(gMonthDateForm_, &window_, engine_);
}

JMonthDateForm& Prompts::JewishDatePrompt() {
    return OnFirstUse(jMonthDateForm_, &window_, engine_);
}

HeaderForm& Prompts::HeadingPrompt() {
    return OnFirstUse(headerForm_, &window_, engine_, heading_);
}

SuccDays& Prompts::DayCountPrompt() {
    return OnFirstUse(succDays_, &window_, engine_);
}

bool Prompts::TakeCancel() {
    if (!engine_.Cancelled) {
        return false;
    }
    engine_.Cancelled = false;
    return true;
}

bool Prompts::AskGregorianYear(std::string_view belowRangeTitle, MessageIcon belowRangeIcon) {
    for (;;) {
        GregorianYearPrompt().ShowModal();
        if (TakeCancel()) {
            return false;
        }
        if (engine_.GYear < kFirstGregorianYear) {
            Tell(YearBelowRangeMessage(), belowRangeTitle, belowRangeIcon);
        } else if (engine_.GYear > kLastGregorianYear) {
            Tell(kGregorianYearRangeMessage, "Entry Error", MessageIcon::Stop);
        } else {
            engine_.GLeapIndex = Engine::IsGregorianLeap(engine_.GYear) ? 1 : 0;
            return true;
        }
    }
}

bool Prompts::AskJewishYear() {
    {
        const RaisedFlag prompting(engine_.YearDialogOpen);
        JewishYearPrompt().ShowModal();
        TakeJewishYearFromPrompt(engine_);
    }
    return !TakeCancel();
}

bool Prompts::AskGregorianDate() {
    GregorianDatePrompt().ShowModal();
    return !TakeCancel();
}

bool Prompts::AskJewishDate() {
    JewishDatePrompt().ShowModal();
    return !TakeCancel();
}

int Prompts::ChosenJewishMonthPosition() {
    return JewishDatePrompt().JMonthEntry()->currentIndex();
}

bool Prompts::AskHeading(int firstJYear) {
    HeadingPrompt().SetFirstJewishYear(firstJYear);
    HeadingPrompt().ShowModal();
    return !TakeCancel();
}

bool Prompts::AskDayCount() {
    for (;;) {
        DayCountPrompt().ShowModal();
        if (TakeCancel()) {
            return false;
        }
        const std::string& typed = DayCountPrompt().SuccDaysText();
        if (typed.empty()) {
            return false;
        }
        const LeadingNumber count = ReadLeadingNumber(typed);
        const std::optional<std::string> refusal = DayCountRefusal(engine_, count);
        if (!refusal || count.value < 1) {
            engine_.SuccDayCount = count.value;  // a count below 1 is kept, as it always was
        }
        if (!refusal) {
            return true;
        }
        Tell(*refusal, "Incorrect Entry", MessageIcon::Stop);
    }
}

void Prompts::Tell(std::string_view text, std::string_view title, MessageIcon icon) {
    engine_.platform.ShowMessage(text, title, icon, MessageButtons::Ok);
}

void Prompts::TellDateOutsideCalendar() {
    // The prompts keep every value in range; this is the last guard.
    Tell("The date lies outside the years the calendar can compute.", "Calculation Error",
         MessageIcon::Stop);
}

void Prompts::ShowResult(const std::optional<ListedReport>& report) {
    if (!report) {
        TellDateOutsideCalendar();
        return;
    }
    ShowReport(engine_.platform, window_.CommonDialog1(), &window_, *report);
}

}  // namespace qavo::ui
