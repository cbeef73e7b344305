#pragma once
// The page surface of the calendar export, as the month-page build sees it: a
// printed-calendar layout of the shown month, drawn day by day and then
// framed with its title, weekday headings and grid lines.

#include <string>
#include <string_view>

#include "engine/engine.hpp"

namespace qavo {

// Where the grid of the printed page lies, in twips.
struct PrintLayout {
    int PrintLeft;        // x of the left grid line
    int PrintTop;         // y of the top grid line
    int PrintCellWidth;   // width of a grid cell
    int PrintCellHeight;  // height of a grid cell
};
inline constexpr PrintLayout kPrintLayout{400, 1400, 1200, 900};

class PageSurface {
  public:
    virtual ~PageSurface() = default;

    // Called once before the first day is drawn.
    virtual void SetLayout(const PrintLayout& layout) = 0;
    // One day in cell 1 to 42: the day number (" 7"), the holiday short name
    // (empty on a plain day) and the Jewish date ("Nisan 15").
    virtual void DrawDayOnSurface(int cell, std::string_view dayText, std::string_view holiday,
                                  std::string_view jewishText) = 0;
    // The title line, the weekday headings and the grid of 5 or 6 rows.
    virtual void DrawPageFrame(int rows, std::string_view title) = 0;
};

// The title of the printed page: the month's 9-character name, the year and,
// seven blanks on, the Jewish year of the 1st of the month, as a page build
// leaves them: "January   2008        5768".
std::string PageTitle(const Engine& engine);

}  // namespace qavo
