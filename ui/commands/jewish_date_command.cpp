#include "ui/commands/jewish_date_command.hpp"

#include "holidays/conversion_report.hpp"
#include "ui/commands/prompts.hpp"
#include "ui/commands/raised_flag.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

JewishDateCommand::JewishDateCommand(Prompts& prompts, QavoWin& window, Engine& engine,
                                     QObject* parent)
    : QObject(parent), prompts_(prompts), window_(window), engine_(engine) {}

void JewishDateCommand::Menu_2JewishDate_Click() {
    // Until the command ends; the next build marks today again.
    const RaisedFlag markJewishDate(window_.Page().MarkJewishDate);
    ShowAskedDate();
}

void JewishDateCommand::ShowAskedDate() {
    if (!prompts_.AskJewishYear() || !PrepareJewishDatePrompt(engine_)) {
        return;
    }
    {
        const RaisedFlag prompting(engine_.YearDialogOpen);
        if (!prompts_.AskJewishDate()) {
            return;
        }
    }
    if (const std::optional<std::string> refusal = TargetJewishDate(engine_, window_.Page())) {
        prompts_.Tell(*refusal, "Incorrect Year", MessageIcon::Stop);
        return;
    }
    window_.BuildMonthPage();
}

}  // namespace qavo::ui
