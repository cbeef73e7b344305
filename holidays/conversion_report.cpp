#include "holidays/conversion_report.hpp"

#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_months.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "holidays/report_text.hpp"

namespace qavo {

namespace {

// The number of Gregorian date lines: one, or SuccYears in anniversary mode.
int LineCount(const Engine& engine) {
    return engine.AnnivMode ? std::max<int>(1, engine.SuccYears) : 1;
}

bool CountFits(const Engine& engine, int firstJYear) {
    return LineCount(engine) <= MaxSuccessiveYears(firstJYear);
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The Gregorian date line of (JMonth, JDay) in JYear, whose new year the
// engine holds; gives the date's month and day.
std::string GregorianLine(const Engine& engine, Integer& month, Integer& day) {
    Integer year = 0, weekday = 0;
    engine.OffsetToGregorian(engine.DaysFromNewYear(engine.JMonth, engine.JDay), year, month, day,
                             weekday);
    return LongDateText(weekday, month, day, year) + std::string(NL);
}

}  // namespace

int MaxSuccessiveYears(int firstJYear) {
    return std::max(0, kLastEngineJewishYear - firstJYear + 1);
}

std::optional<std::string> ConversionReport(Engine& engine, std::string_view headerText) {
    const Integer jYear = engine.JYear;
    const Integer gYear = engine.GYear;
    if (!IsEngineJewishYear(jYear) || gYear != jYear - kJewishYearOffset || engine.JMonth < 1 ||
        engine.JMonth > jmonth::kElul || engine.JDay < 1 || engine.JDay > 30 ||
        !CountFits(engine, jYear)) {
        return std::nullopt;
    }
    std::string text;
    if (!headerText.empty()) {
        text += headerText;
        text += NL;
    }
    text += WithoutTrailingBlanks(JLeapMonthName(engine.JMonth));
    text += BlankSigned(engine.JDay) + "," + BlankSigned(jYear) + std::string(NL) + std::string(NL);

    if (!engine.NewYearGregorianDate(jYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    Integer month = 0, day = 0;
    text += GregorianLine(engine, month, day);
    if (engine.AnnivMode) {
        engine.TargetGMonth = month;
        engine.TargetGDay = day;
        // The same month and day each year; a 30th that a year lacks falls
        // on the 1st of the next month, Adar II of a common year is Adar.
        for (int k = 2; k <= engine.SuccYears; ++k) {
            ++engine.JYear;
            ++engine.GYear;
            if (!engine.AdvanceNewYearDate()) {  // CountFits keeps the years in range
                engine.JYear = jYear;
                engine.GYear = gYear;
                return std::nullopt;
            }
            text += GregorianLine(engine, month, day);
        }
    }
    engine.JYear = jYear;
    engine.GYear = gYear;
    return text;
}

std::optional<int> JewishYearOfTargetDate(const Engine& engine) {
    if (!IsAcceptedGregorianYear(engine.GYear)) {
        return std::nullopt;
    }
    Engine probe = engine;  // the conversion rewrites most of the state
    if (!probe.GregorianToJewish()) {
        return std::nullopt;
    }
    return probe.JYear;
}

std::optional<std::string> ConvertFromGregorianReport(Engine& engine, std::string_view headerText) {
    const std::optional<int> firstJYear = JewishYearOfTargetDate(engine);
    if (!firstJYear || !CountFits(engine, *firstJYear)) {
        return std::nullopt;
    }
    BusyCursor busy(engine.platform);
    engine.JYear = engine.GYear + kJewishYearOffset;
    engine.ResultJYear = engine.JYear;
    if (!engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    engine.TargetOnOrAfterNewYear();
    engine.NewYearGYear = engine.GYear;
    if (!engine.AfterNewYear) {  // the date lies before 1 Tishri of that year
        --engine.JYear;
        if (!engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth)) {
            return std::nullopt;
        }
        engine.NewYearGYear = engine.GYear - 1;
    }
    Integer day = 0, month = 0, weekday = 0;
    if (!engine.StepToGregorianDate(day, month, weekday)) {
        return std::nullopt;
    }
    engine.GYear = engine.JYear - kJewishYearOffset;
    if (!engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    engine.JMonth = month;
    engine.JDay = day;
    return ConversionReport(engine, headerText);
}

bool PrepareJewishDatePrompt(Engine& engine) {
    if (!IsEngineJewishYear(engine.JYear)) {
        return false;
    }
    engine.ComputeYearType(engine.JYear);
    return true;
}

int DaysInListedMonth(Engine& engine, int monthListIndex) {
    const bool leap = Engine::IsJewishLeap(engine.JYear);
    if (!IsEngineJewishYear(engine.JYear) || monthListIndex < 0 ||
        monthListIndex >= (leap ? jmonth::kElul : jmonth::kElul - 1)) {
        return 0;
    }
    engine.ComputeYearType(engine.JYear);
    // A common year's list skips the Adar II slot.
    const int shown = monthListIndex + 1;
    const int month = shown > jmonth::kAdar && !leap ? shown + 1 : shown;
    return JMonthLen(month, engine.YearType);
}

std::optional<std::string> ConvertFromJewishReport(Engine& engine, int monthListIndex,
                                                   std::string_view headerText) {
    const Integer jYear = engine.JYear;
    if (!IsEngineJewishYear(jYear) || engine.GYear != jYear - kJewishYearOffset ||
        !CountFits(engine, jYear)) {
        return std::nullopt;
    }
    if (engine.JDay < 1 || engine.JDay > DaysInListedMonth(engine, monthListIndex)) {
        return std::nullopt;
    }
    BusyCursor busy(engine.platform);
    engine.JMonthShown = monthListIndex + 1;
    engine.DisplayToInternalMonth();
    return ConversionReport(engine, headerText);
}

std::optional<std::string> SuccessiveYearsRefusal(std::string_view boxText, int firstJYear) {
    const LeadingNumber count = ReadLeadingNumber(boxText);
    const int most = MaxSuccessiveYears(firstJYear);
    if (count.fits && count.value <= most) {
        return std::nullopt;
    }
    return "Enter at most " + std::to_string(most) +
           " successive years: the calendar ends with the Jewish year " +
           std::to_string(kLastEngineJewishYear) + ".";
}

}  // namespace qavo
