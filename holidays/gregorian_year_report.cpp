#include "holidays/gregorian_year_report.hpp"

#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "holidays/holiday_rules.hpp"
#include "holidays/holiday_year.hpp"
#include "holidays/report_text.hpp"

namespace qavo {

namespace {

// Jewish year J = G + 3760 began in the autumn of G - 1.
constexpr int kJewishYearAtStartOfGregorian = kJewishYearOffset - 1;
constexpr int kHanukkahEntry = 6;
constexpr int kLineWidth = 46;

std::string Header(int gYear, int jYear) {
    std::string text = "  The Gregorian year" + BlankSigned(gYear) + " begins in" +
                       BlankSigned(jYear) + std::string(NL);
    text += "  and ends in" + BlankSigned(jYear + 1) + "." + std::string(NL);
    text += Engine::IsGregorianLeap(gYear) ? "  It is a leap year." : "  It is not a leap year.";
    text += NL;
    text += std::string(18, ' ') + std::string(NL);
    text += "               H O L I D A Y S " + std::string(NL);
    text += std::string(kLineWidth, '=') + std::string(NL);
    return text;
}

// One line: the row, the Jewish year, then the Gregorian date.
void AppendLine(ListedReport& report, std::string_view row, std::string name,
                const HolidayPlacement& place, int jYear) {
    std::string line(row);
    line += BlankSigned(jYear);
    line += "  ";
    line += ShortDateText(place.weekday, place.month, place.day, place.year);
    report.text += line;
    report.text += NL;
    report.days.push_back({{place.year, place.month, place.day}, std::move(name), line});
}

void AppendLine(ListedReport& report, int entry, const HolidayPlacement& place, int jYear) {
    AppendLine(report, place.row, HolidayName(entry), place, jYear);
}

// The added days of the engine's JYear that fall in Gregorian year g.
void AppendExtraDays(ListedReport& report, const Engine& engine, const HolidayOptions& options,
                     int g) {
    for (const PlacedExtraDay& extra : PlaceExtraDays(engine, options)) {
        if (extra.place.year == g) {
            AppendLine(report, extra.row, extra.name, extra.place, engine.JYear);
        }
    }
}

std::optional<ListedReport> GregorianYearListing(Engine& engine, const HolidayOptions& options) {
    const int g = engine.GYear;
    const int j = engine.JYear;
    if (!IsAcceptedGregorianYear(g) || j != g + kJewishYearAtStartOfGregorian) {
        return std::nullopt;
    }
    ListedReport report{Header(g, j), {}};

    // Tu B'Shevat to Tisha B'Av of J, which began in the autumn of G - 1.
    if (!engine.NewYearGregorianDate(j, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    engine.GYear = static_cast<Integer>(g - 1);
    // Late in the range the calendars have drifted so far that the Hanukkah
    // of J falls in January of G: it heads the list.
    const HolidayPlacement earlyHanukkah = PlaceHoliday(engine, kHanukkahEntry, options);
    if (earlyHanukkah.year == g) {
        AppendLine(report, kHanukkahEntry, earlyHanukkah, j);
    }
    for (int i = 7; i <= 14; ++i) {
        const HolidayPlacement place = PlaceHoliday(engine, i, options);
        if (place.listed) {
            AppendLine(report, i, place, j);
        }
    }
    AppendExtraDays(report, engine, options, g);

    // Rosh Hashanah to Hanukkah of J + 1, which begins in the autumn of G;
    // its Hanukkah is listed only when it has not slipped into G + 1.
    engine.JYear = static_cast<Integer>(j + 1);
    if (!engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        return std::nullopt;
    }
    engine.GYear = static_cast<Integer>(g);
    for (int i = 1; i <= kHanukkahEntry; ++i) {
        const HolidayPlacement place = PlaceHoliday(engine, i, options);
        if (place.listed && (i != kHanukkahEntry || place.year == g)) {
            AppendLine(report, i, place, j + 1);
        }
    }
    AppendExtraDays(report, engine, options, g);
    if (options.holidays == HolidaySet::All) {
        SortListedDays(report, Header(g, j));
    }
    return report;
}

}  // namespace

std::optional<std::string> GregorianYearReport(Engine& engine) {
    return TextOf(GregorianYearListing(engine, {}));
}

std::optional<std::string> GregorianYearCommandReport(Engine& engine,
                                                      const HolidayOptions& options) {
    return TextOf(GregorianYearCommandListing(engine, options));
}

std::optional<ListedReport> GregorianYearCommandListing(Engine& engine,
                                                        const HolidayOptions& options) {
    if (!IsAcceptedGregorianYear(engine.GYear)) {
        return std::nullopt;
    }
    BusyCursor busy(engine.platform);
    engine.JYear = engine.GYear + kJewishYearAtStartOfGregorian;
    engine.ResultJYear = engine.JYear;
    return GregorianYearListing(engine, options);
}

std::string YearBelowRangeMessage() {
    return "Can not be less than " + BlankSigned(kFirstGregorianYear);
}

}  // namespace qavo
