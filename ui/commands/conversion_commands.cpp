#include "ui/commands/conversion_commands.hpp"

#include "holidays/conversion_report.hpp"
#include "ui/commands/prompts.hpp"
#include "ui/commands/raised_flag.hpp"
#include "ui/main_window/qavo_win.hpp"

namespace qavo::ui {

ConversionCommands::ConversionCommands(Prompts& prompts, QavoWin& window, Engine& engine,
                                       QObject* parent)
    : QObject(parent), prompts_(prompts), window_(window), engine_(engine) {}

void ConversionCommands::StartPlainConversion() {
    engine_.SuccYears = 1;
    prompts_.ClearHeading();
    window_.FocusJewishYearButton();
}

void ConversionCommands::Menu_G2J_Click() {
    StartPlainConversion();
    ConvertFromGregorian();
}

void ConversionCommands::Menu_J2G_Click() {
    StartPlainConversion();
    ConvertFromJewish();
}

void ConversionCommands::AnnivFromGreg_Click() {
    const RaisedFlag anniversaries(engine_.AnnivMode);
    ConvertFromGregorian();
}

void ConversionCommands::AnnivFromJewish_Click() {
    const RaisedFlag anniversaries(engine_.AnnivMode);
    ConvertFromJewish();
}

void ConversionCommands::ConvertFromGregorian() {
    if (!prompts_.AskGregorianYear("Warning", MessageIcon::Exclamation) ||
        !prompts_.AskGregorianDate()) {
        return;
    }
    if (engine_.AnnivMode) {
        const std::optional<int> firstJYear = JewishYearOfTargetDate(engine_);
        if (!prompts_.AskHeading(firstJYear.value_or(kLastEngineJewishYear))) {
            return;
        }
    }
    prompts_.ShowResult(ConvertFromGregorianListing(engine_, prompts_.Heading()));
}

void ConversionCommands::ConvertFromJewish() {
    if (!prompts_.AskJewishYear()) {
        return;
    }
    if (!PrepareJewishDatePrompt(engine_)) {
        prompts_.TellDateOutsideCalendar();
        return;
    }
    if (!prompts_.AskJewishDate() || (engine_.AnnivMode && !prompts_.AskHeading(engine_.JYear))) {
        return;
    }
    prompts_.ShowResult(ConvertFromJewishListing(engine_, prompts_.ChosenJewishMonthPosition(),
                                                 prompts_.Heading()));
}

}  // namespace qavo::ui
