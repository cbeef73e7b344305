#include "page/month_page.hpp"

#include <array>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_months.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "engine/year_range_messages.hpp"
#include "holidays/holiday_rules.hpp"
#include "page/page_surface.hpp"

namespace qavo {

namespace {

constexpr std::string_view kYearRangeTitle = "Incorrect Year";
constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

void HighlightCell(MonthPage& page, int cell) {
    page.cells[cell].body = kMarkedCellBodyColours;
    page.MarkedCell = static_cast<Integer>(cell);
}

// The cell of `day`, whose Jewish date is engine.JMonth/JDay of jewishYear.
void FillCell(Engine& engine, MonthPage& page, int cell, int day, int jewishYear) {
    DayCell& target = page.cells[cell];
    const std::string jewishMonth(WithoutTrailingBlanks(JLeapMonthName(engine.JMonth)));
    target.dayText = BlankSigned(day);
    target.jewishDate = jewishMonth + BlankSigned(engine.JDay);
    // The page keeps the Jewish year of its 1st; a page that begins in Elul
    // names its Tishri days by the year they belong to.
    const Integer pageJYear = engine.JYear;
    if (page.PageFirstJMonth == jmonth::kElul && engine.JMonth == jmonth::kTishri) {
        ++engine.JYear;
    }
    target.holiday = HolidayShortName(engine, cell, page.holidayOptions);
    engine.JYear = pageJYear;
    target.jewishText = target.jewishDate + "\n" + target.holiday;
    target.spokenName = std::string(kWeekdayNames.at((cell - 1) % kPageColumns)) + ' ' +
                        std::to_string(day) + ' ' +
                        std::string(WithoutTrailingBlanks(GMonthName(engine.TargetGMonth))) + ' ' +
                        std::to_string(engine.GYear) + ", " + std::to_string(engine.JDay) + ' ' +
                        jewishMonth + ' ' + std::to_string(jewishYear);
    if (!target.holiday.empty()) {
        target.spokenName += ", " + target.holiday;
    }
    if (engine.IsToday(engine.GYear, engine.TargetGMonth, day)) {
        target.spokenName += ", today";
    }
    target.visible = true;
}

}  // namespace

void BuildMonthPage(Engine& engine, MonthPage& page, PageSurface* surface) {
    const BusyCursor busy(engine.platform);
    page.cells[page.MarkedCell].body = page.cells[0].body;

    engine.GLeapIndex = Engine::IsGregorianLeap(engine.GYear) ? 1 : 0;
    engine.TargetGDay = 1;
    // The callers keep the shown month within the years the engine reaches.
    [[maybe_unused]] const bool converted = engine.GregorianToJewish();
    page.PageFirstJMonth = engine.JMonth;
    page.jewishYearCaption = BlankSigned(engine.JYear);
    page.yearText = std::to_string(engine.GYear);
    page.monthIndex = engine.TargetGMonth - 1;

    const int first = GregorianWeekday(engine.GYear, engine.TargetGMonth, 1) + 1;
    const int days = GMonthLen(engine.TargetGMonth, engine.GLeapIndex);
    const int last = first + days - 1;
    // A September or October page may pass the new year: Elul, then Tishri.
    int jewishYear = engine.JYear;
    page.firstCell = first;
    page.lastCell = last;
    if (surface != nullptr) {
        surface->SetLayout(kPrintLayout);
    }

    for (int n = 1; n <= kPageCells; ++n) {
        const int day = n + 1 - first;
        const bool ofTheMonth = n >= first && n <= last;
        // Both marks compare the cell's own date, before the Jewish date moves on.
        if (page.MarkJewishDate && ofTheMonth && engine.JDay == page.MarkJDay &&
            engine.JMonth == page.MarkJMonth) {
            HighlightCell(page, n);
        }
        if (!page.MarkJewishDate && engine.IsToday(engine.GYear, engine.TargetGMonth, day)) {
            HighlightCell(page, n);
        }
        if (!ofTheMonth) {
            page.cells[n].visible = false;
            continue;
        }
        FillCell(engine, page, n, day, jewishYear);
        if (surface != nullptr) {
            const DayCell& drawn = page.cells[n];
            surface->DrawDayOnSurface(n, drawn.dayText, drawn.holiday, drawn.jewishDate);
        }
        if (n == first) {
            page.PageFirstJDay = engine.JDay;
        }
        const Integer monthBefore = engine.JMonth;
        engine.NextJewishDay(engine.JMonth, engine.JDay);
        if (engine.JMonth < monthBefore) {
            ++jewishYear;
        }
    }
    if (surface != nullptr) {
        surface->DrawPageFrame(PageRows(page), PageTitle(engine));
    }
}

bool ShowEnteredMonth(Engine& engine, MonthPage& page, std::string_view yearText, int monthIndex) {
    // The rounded year is checked, so that no fraction can slip a year just
    // outside the range past the test.
    const LeadingNumber year = ReadLeadingNumber(yearText);
    if (!year.fits || !IsAcceptedGregorianYear(year.value)) {
        engine.platform.ShowMessage(kGregorianYearRangeMessage, kYearRangeTitle, MessageIcon::Stop,
                                    MessageButtons::Ok);
        return false;
    }
    engine.GYear = year.value;
    engine.TargetGMonth = static_cast<Integer>(monthIndex + 1);
    BuildMonthPage(engine, page);
    return true;
}

bool EnteredMonthDiffers(const MonthPage& page, std::string_view yearText, int monthIndex) {
    // A year with no 16-bit value reads as the nearest, which no page shows.
    return ReadLeadingNumber(yearText).value != ReadLeadingNumber(page.yearText).value ||
           monthIndex != page.monthIndex;
}

void TargetShownMonth(Engine& engine, const MonthPage& page) {
    engine.GYear = ReadLeadingNumber(page.yearText).value;
    engine.TargetGMonth = static_cast<Integer>(page.monthIndex + 1);
}

void ShowTodayPage(Engine& engine, MonthPage& page) {
    engine.GYear = engine.TodayGYear;
    engine.TargetGMonth = engine.TodayGMonth;
    engine.TargetGDay = engine.TodayGDay;
    BuildMonthPage(engine, page);
}

std::optional<std::string> TargetJewishDate(Engine& engine, MonthPage& page) {
    Integer gYear = 0, gMonth = 0, gDay = 0, weekday = 0;
    if (engine.NewYearGregorianDate(engine.JYear, engine.NewYearGDay, engine.NewYearGMonth)) {
        engine.OffsetToGregorian(engine.DaysFromNewYear(engine.JMonth, engine.JDay), gYear, gMonth,
                                 gDay, weekday);
    }
    if (!IsAcceptedGregorianYear(gYear)) {
        return std::string(kGregorianYearRangeMessage);
    }
    page.MarkJMonth = engine.JMonth;
    page.MarkJDay = engine.JDay;
    engine.GYear = gYear;
    engine.TargetGMonth = gMonth;
    engine.TargetGDay = gDay;
    return std::nullopt;
}

int PageRows(const MonthPage& page) {
    return page.lastCell >= 36 ? 6 : 5;
}

}  // namespace qavo
