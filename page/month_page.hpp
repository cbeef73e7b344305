#pragma once
// The month page as data: the 42 day cells of one Gregorian month with their
// captions, colours, visibility and marking, built from the engine so that a
// window only has to show the result and the command-line tool can print it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.hpp"
#include "holidays/holiday_options.hpp"

namespace qavo {

class PageSurface;

// The colours a cell can take. The button face is the desktop's own colour,
// so it stays a role here and the window resolves it.
enum class PageColour { Yellow, Blue, ButtonFace };

struct Rgb {
    int red;
    int green;
    int blue;
};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
// The grey behind the weekday heading and the year caption: as light as it
// can be while their yellow and white still read on it.
inline constexpr Rgb kDarkGrey{112, 112, 112};
inline constexpr Rgb kLightGrey{192, 192, 192};

struct CellColours {
    PageColour text;
    PageColour background;
    friend bool operator==(const CellColours&, const CellColours&) = default;
};
// The strip with the day number is always yellow on blue; the body of a cell
// is blue on the button face, swapped while it is marked.
inline constexpr CellColours kDayStripColours{PageColour::Yellow, PageColour::Blue};
inline constexpr CellColours kCellBodyColours{PageColour::Blue, PageColour::ButtonFace};
inline constexpr CellColours kMarkedCellBodyColours{PageColour::ButtonFace, PageColour::Blue};

inline constexpr int kPageCells = 42;
inline constexpr int kPageColumns = 7;

struct DayCell {
    std::string dayText;     // the strip: " 7"
    std::string jewishText;  // the body: "Nisan 15\nPassover"
    std::string holiday;     // the holiday short name alone, empty on a plain day
    std::string jewishDate;  // the body's first line: "Nisan 15"
    // The whole date as a screen reader says it: "Tuesday 8 December 2026,
    // 28 Kislev 5787, Hanukkah", ending in ", today" on today's cell.
    std::string spokenName;
    CellColours body = kCellBodyColours;
    bool visible = false;
};

struct MonthPage {
    // Cell 0 is the template that is never shown; 1 to 42 run row by row,
    // Sunday to Saturday.
    std::array<DayCell, kPageCells + 1> cells{};
    Integer MarkedCell = 0;
    bool MarkJewishDate = false;  // mark MarkJMonth/MarkJDay instead of today
    Integer MarkJMonth = 0;       // 13-slot numbering
    Integer MarkJDay = 0;
    Integer PageFirstJMonth = 0;  // Jewish date of the 1st of the shown month
    Integer PageFirstJDay = 0;
    int firstCell = 0;              // the cell of the 1st, 1 = Sunday column of the top row
    int lastCell = 0;               // the cell of the last day
    std::string jewishYearCaption;  // the Jewish-year button: " 5784"
    std::string yearText;           // the year box: "2024"
    int monthIndex = 0;             // the month list's selection, 0 = January
    HolidayOptions holidayOptions;  // the schedule whose holidays the cells name
};

// Fills the page for engine.GYear / engine.TargetGMonth, which the caller
// keeps within 1583..7000 and 1..12. Leaves TargetGDay = 1, JYear the Jewish
// year of the 1st and JMonth/JDay the Jewish date after the last day. With a
// surface, the month is drawn on it too, day by day and then framed.
void BuildMonthPage(Engine& engine, MonthPage& page, PageSurface* surface = nullptr);

// Applies a typed year and a chosen month (0 = January): builds that page and
// returns true, or shows "Year must be between 1583 and 7000" and changes
// nothing.
bool ShowEnteredMonth(Engine& engine, MonthPage& page, std::string_view yearText, int monthIndex);

// Whether a typed year and a chosen month (0 = January) name another month
// than the page shows.
bool EnteredMonthDiffers(const MonthPage& page, std::string_view yearText, int monthIndex);

// Makes the month the page shows GYear and TargetGMonth again, wherever a
// command has left them.
void TargetShownMonth(Engine& engine, const MonthPage& page);

// Builds the page of today's month, with today's cell marked.
void ShowTodayPage(Engine& engine, MonthPage& page);

// "A Jewish Date": the Gregorian date of JDay of JMonth (13 slots) of JYear,
// whose type YearType holds, with GYear the Gregorian year of its 1 Tishri
// (as the Jewish year prompt leaves them), made the target (GYear,
// TargetGMonth, TargetGDay), and the Jewish date the page's mark, for the
// build that shows it. The refusal,
// with target and mark unchanged, for a date outside 1583..7000, which no
// page shows (the first months of 5343 fall in 1582, the last of 10761 in
// 7001).
std::optional<std::string> TargetJewishDate(Engine& engine, MonthPage& page);

// Rows of the page that hold days: 5, or 6 when the last day lies in cell 36 or later.
int PageRows(const MonthPage& page);

}  // namespace qavo
