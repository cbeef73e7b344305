#include "holidays/conversion_report.hpp"

#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/jewish_months.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
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

// Appends the Gregorian date line of (JMonth, JDay) in JYear, whose new year
// the engine holds, and in anniversary mode its day named `name`; gives the
// date.
GregorianDate AppendGregorianLine(const Engine& engine, const std::string& name,
                                  ListedReport& report) {
    GregorianDate date;
    Integer weekday = 0;
    engine.OffsetToGregorian(engine.DaysFromNewYear(engine.JMonth, engine.JDay), date.year,
                             date.month, date.day, weekday);
    std::string line = LongDateText(weekday, date.month, date.day, date.year);
    report.text += line;
    report.text += NL;
    if (engine.AnnivMode) {
        report.days.push_back({date, name, std::move(line)});
    }
    return date;
}

}  // namespace

int MaxSuccessiveYears(int firstJYear) {
    return std::max(0, kLastEngineJewishYear - firstJYear + 1);
}

std::optional<std::string> ConversionReport(Engine& engine, std::string_view headerText) {
    return TextOf(ConversionListing(engine, headerText));
}

std::optional<ListedReport> ConversionListing(Engine& engine, std::string_view headerText) {
    const Integer jYear = engine.JYear;
    const Integer gYear = engine.GYear;
    if (!IsEngineJewishYear(jYear) || gYear != jYear - kJewishYearOffset || engine.JMonth < 1 ||
        engine.JMonth > jmonth::kElul || engine.JDay < 1 || engine.JDay > 30 ||
        !CountFits(engine, jYear)) {
        return std::nullopt;
    }
    ListedReport report;
    if (!headerText.empty()) {
        report.text += headerText;
        report.text += NL;
    }
    const std::string jewishDate =
        std::string(WithoutTrailingBlanks(JLeapMonthName(engine.JMonth))) +
        BlankSigned(engine.JDay) + "," + BlankSigned(jYear);
    report.text += jewishDate + std::string(NL) + std::string(NL);
    const std::string name(WithoutBlanks(headerText).empty() ? jewishDate
                                                             : WithoutBlanks(headerText));

    if (!engine.NewYearGregorianDate(jYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    const GregorianDate first = AppendGregorianLine(engine, name, report);
    if (engine.AnnivMode) {
        engine.TargetGMonth = first.month;
        engine.TargetGDay = first.day;
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
            AppendGregorianLine(engine, name, report);
        }
    }
    engine.JYear = jYear;
    engine.GYear = gYear;
    return report;
}

std::optional<int> JewishYearOfTargetDate(const Engine& engine) {
    if (!IsAcceptedGregorianYear(engine.GYear) ||
        !IsValidGregorianDate(engine.GYear, engine.TargetGMonth, engine.TargetGDay)) {
        return std::nullopt;
    }
    return JewishDateOf({engine.GYear, engine.TargetGMonth, engine.TargetGDay}).year;
}

std::optional<std::string> ConvertFromGregorianReport(Engine& engine, std::string_view headerText) {
    return TextOf(ConvertFromGregorianListing(engine, headerText));
}

std::optional<ListedReport> ConvertFromGregorianListing(Engine& engine,
                                                        std::string_view headerText) {
    const std::optional<int> firstJYear = JewishYearOfTargetDate(engine);
    if (!firstJYear || !CountFits(engine, *firstJYear)) {
        return std::nullopt;
    }
    BusyCursor busy(engine.platform);
    Integer day = 0, month = 0, weekday = 0;
    if (!engine.FindJewishDate(day, month, weekday)) {
        return std::nullopt;
    }
    engine.ResultJYear = static_cast<Integer>(engine.GYear + kJewishYearOffset);  // tried first
    engine.GYear = static_cast<Integer>(engine.JYear - kJewishYearOffset);
    engine.JMonth = month;
    engine.JDay = day;
    return ConversionListing(engine, headerText);
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
        monthListIndex >= ShownMonthOf(jmonth::kElul, leap)) {
        return 0;
    }
    engine.ComputeYearType(engine.JYear);
    return JMonthLen(MonthSlotOf(monthListIndex + 1, leap), engine.YearType);
}

std::optional<std::string> ConvertFromJewishReport(Engine& engine, int monthListIndex,
                                                   std::string_view headerText) {
    return TextOf(ConvertFromJewishListing(engine, monthListIndex, headerText));
}

std::optional<ListedReport> ConvertFromJewishListing(Engine& engine, int monthListIndex,
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
    engine.JMonthShown = static_cast<Integer>(monthListIndex + 1);  // checked above
    engine.DisplayToInternalMonth();
    return ConversionListing(engine, headerText);
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
