#include "holidays/jewish_year_report.hpp"

#include "engine/calendar_tables.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/jewish_months.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "engine/year_range_messages.hpp"
#include "holidays/holiday_rules.hpp"
#include "holidays/holiday_table.hpp"
#include "holidays/holiday_year.hpp"
#include "holidays/report_text.hpp"

namespace qavo {

namespace {

using jmonth::kElul;
using jmonth::kTishri;

// JYear in range, with GYear the Gregorian year of its 1 Tishri.
bool HasYearPair(const Engine& engine) {
    return IsEngineJewishYear(engine.JYear) && engine.GYear == engine.JYear - kJewishYearOffset;
}

// The year pair, and a new year found for it.
bool IsPrepared(const Engine& engine) {
    return HasYearPair(engine) && engine.YearType >= 1 && engine.YearType <= 6 &&
           (engine.NewYearGMonth == 9 || engine.NewYearGMonth == 10);
}

// The three lines that open both reports; the cycle line of the months
// report ends in a blank, that of the holiday list does not.
std::string YearHeader(Engine& engine, bool blankAfterCycle) {
    std::string text = "  The Jewish year" + BlankSigned(engine.JYear) + " begins on ";
    text += DayName(engine.NewYearWeekday);
    text += ", ";
    text += GMonthAbbr(engine.NewYearGMonth);
    text +=
        BlankSigned(engine.NewYearGDay) + "," + BlankSigned(engine.GYear) + "." + std::string(NL);
    if (engine.CyclePos == 0) {
        engine.CyclePos = 19;  // the 19th year of a cycle, not its 0th
    }
    text += "  It is year" + BlankSigned(engine.CyclePos) + " of the 19 year cycle";
    text += blankAfterCycle ? " " : "";
    text += NL;
    text += "  therefore it is ";
    text += Engine::IsJewishLeap(engine.JYear) ? "" : "not ";
    text += "a leap year.";
    text += NL;
    text += "  The type of year is: ";
    text += YearTypeName(engine.YearType);
    text += NL;
    return text;
}

}  // namespace

void MonthTableRow(const Engine& engine, Integer& slot, Integer& year, Integer& month, Integer& day,
                   Integer& weekday, std::string& row) {
    row = "  ";
    row += JLeapMonthName(engine.JMonth);
    engine.OffsetToGregorian(engine.DaysFromNewYear(slot, 1), year, month, day, weekday);
    row += std::to_string(JMonthLen(engine.JMonth, engine.YearType));
    row += "     ";
    row += ShortDateText(weekday, month, day, year);
    row += NL;
    if (slot != kElul) {
        ++slot;
    }
}

std::optional<std::string> JewishYearInfo(Engine& engine) {
    if (!IsPrepared(engine)) {
        return std::nullopt;
    }
    std::string text = YearHeader(engine, true);
    text += NL;
    text += "  Month  Length     First-of-Month" + std::string(NL);
    text += "  " + std::string(34, '=') + std::string(NL);

    const bool leap = Engine::IsJewishLeap(engine.JYear);
    Integer year = 0, month = 0, day = 0, weekday = 0;
    std::string row;
    for (int m = kTishri;; m = NextMonthSlot(m, leap)) {
        engine.JMonth = static_cast<Integer>(m);
        auto slot = static_cast<Integer>(m);
        MonthTableRow(engine, slot, year, month, day, weekday, row);
        text += row;
        if (m == kElul) {
            break;
        }
    }
    engine.GYear = year;  // of 1 Elul
    return text;
}

namespace {

std::optional<ListedReport> JewishYearHolidayListing(Engine& engine,
                                                     const HolidayOptions& options) {
    if (!IsPrepared(engine)) {
        return std::nullopt;
    }
    ListedReport report{YearHeader(engine, false), {}};
    report.text += "          H O L I D A Y S " + std::string(NL);
    report.text += std::string(40, '=') + std::string(NL);
    const std::string heading = report.text;
    Integer lastYear = engine.GYear;
    for (int i = 1; i <= kHolidayCount; ++i) {
        const HolidayPlacement place = PlaceHoliday(engine, i, options);
        lastYear = place.year;
        if (place.listed) {
            std::string line(place.row);
            line += ' ';
            line += ShortDateText(place.weekday, place.month, place.day, place.year);
            report.text += line;
            report.text += NL;
            report.days.push_back({{place.year, place.month, place.day}, HolidayName(i), line});
        }
    }
    if (options.holidays == HolidaySet::All) {
        for (const PlacedExtraDay& extra : PlaceExtraDays(engine, options)) {
            const HolidayPlacement& place = extra.place;
            const std::string line =
                extra.row + ' ' + ShortDateText(place.weekday, place.month, place.day, place.year);
            report.days.push_back({{place.year, place.month, place.day}, extra.name, line});
        }
        SortListedDays(report, heading);
    }
    engine.GYear = lastYear;  // of 29 Elul, the last entry
    return report;
}

}  // namespace

std::optional<std::string> JewishYearHolidays(Engine& engine) {
    return TextOf(JewishYearHolidayListing(engine, {}));
}

std::optional<std::string> JewishYearButtonRefusal(const LeadingNumber& year) {
    if (year.fits && year.value >= kFirstJewishYear && year.value <= kLastJewishYear) {
        return std::nullopt;
    }
    return year.fits && year.value > kLastJewishYear ? JewishYearPastCalendarMessage(year.value)
                                                     : std::string(kJewishYearRangeMessage);
}

std::optional<std::string> JewishYearButtonReport(Engine& engine, int jYear) {
    if (!IsEngineJewishYear(jYear)) {
        return std::nullopt;
    }
    BusyCursor busy(engine.platform);
    engine.JYear = static_cast<Integer>(jYear);
    engine.GYear = static_cast<Integer>(jYear - kJewishYearOffset);
    if (!engine.NewYearGregorianDate(jYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    return JewishYearInfo(engine);
}

void TakeJewishYearFromPrompt(Engine& engine) {
    engine.JYear = engine.ResultJYear;
    engine.GYear = engine.JYear - kJewishYearOffset;
}

std::optional<std::string> JewishYearCommandReport(Engine& engine, const HolidayOptions& options) {
    return TextOf(JewishYearCommandListing(engine, options));
}

std::optional<ListedReport> JewishYearCommandListing(Engine& engine,
                                                     const HolidayOptions& options) {
    if (!HasYearPair(engine)) {
        return std::nullopt;
    }
    BusyCursor busy(engine.platform);
    if (!engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    return JewishYearHolidayListing(engine, options);
}

}  // namespace qavo
