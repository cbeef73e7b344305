#include "holidays/holiday_rules.hpp"

#include <array>

#include "engine/jewish_calendar.hpp"
#include "engine/jewish_months.hpp"
#include "engine/number_text.hpp"
#include "holidays/holiday_table.hpp"
#include "holidays/holiday_year.hpp"

namespace qavo {

namespace {

using namespace jmonth;

// Engine weekdays, 0 = Sunday.
constexpr int kSunday = 0;
constexpr int kMonday = 1;
constexpr int kFriday = 5;

// Yom Haatzmaut leaves a Monday for the Tuesday from this Gregorian year on.
constexpr int kFirstMondayMoveYear = 2004;

// A holiday kept on its table day moves by `days` when that day falls on
// `weekday`, from a first Gregorian year on.
struct Move {
    int weekday = -1;
    int days = 0;
    std::string_view row;  // the row of the moved day
    int firstGregorianYear = 0;
};

// A label that some Jewish years use instead of the default one.
struct Label {
    enum class Years { None, All, Common, Leap } years = Years::None;
    std::string_view text;
    bool AppliesIn(bool leap) const {
        return years == Years::All || (years == Years::Common && !leap) ||
               (years == Years::Leap && leap);
    }
};
using Y = Label::Years;

// A holiday of the table whose day depends on the year: kept from a first
// Gregorian year on, moved off some weekdays, and labelled in its own way by
// each caller. The three operations below read only these descriptions.
struct KeptHoliday {
    int entry;               // 1..15 in the holiday table
    int firstGregorianYear;  // not kept before this year
    std::array<Move, 3> moves;
    std::string_view shortName;
    Label listPrefix;  // the list's row before the day number, instead of the table row
    Label yearlyRow;   // the yearly lists' row, instead of the table row
};

constexpr std::array<KeptHoliday, 4> kKeptHolidays = {{
    // Yom Haatzmaut, 5 Iyar: kept on the Thursday before when 5 Iyar falls
    // on Friday or Saturday, and on the Tuesday after a Monday, so that the
    // eve of neither it nor the memorial day before it breaks the Sabbath.
    {11,
     kFirstYomHaatzmautYear,
     {{{kFriday, -1, "Yom Haatzmaut Iyar  4,"},
       {kSaturday, -2, "Yom Haatzmaut Iyar  3,"},
       {kMonday, 1, "Yom Haatzmaut Iyar  6,", kFirstMondayMoveYear}}},
     "Y'Haatzmaut",
     {Y::All, "Yom Haatzmaut  Iyar "},
     {}},
    // Tisha B'Av, 9 Av: a fast never kept on the Sabbath moves to Sunday.
    {14,
     0,
     {{{kSaturday, 1, "Tisha B'Av      Av 10,"}}},
     "Tisha B'Av",
     {Y::All, "Tisha B''Av  Av "},
     {}},
    // Purim, 14 Adar II: a common year keeps it in its one Adar.
    {8, 0, {}, "Purim", {Y::Common, "Purim       Adar "}, {Y::Leap, "Purim      Adar II 14,"}},
    // Yom Hashoah, 27 Nisan: kept on the Thursday before a Friday and on the
    // Monday after a Sunday, away from the Sabbath.
    {10,
     kFirstYomHashoahYear,
     {{{kFriday, -1, "Yom Hashoah    Nis 26,"}, {kSunday, 1, "Yom Hashoah    Nis 28,"}}},
     "Y'Hashoah",
     {},
     {}},
}};

// The month of a table entry in the year: Adar II is Adar in a common year.
int MonthIn(int tableMonth, bool leap) {
    return MonthSlotOf(ShownMonthOf(tableMonth, leap), leap);  // Adar II of a common year is Adar
}

const Move* MoveOn(const KeptHoliday& holiday, int tableDayWeekday, int gregorianYear) {
    for (const Move& move : holiday.moves) {
        if (move.weekday == tableDayWeekday && gregorianYear >= move.firstGregorianYear) {
            return &move;
        }
    }
    return nullptr;
}

// Whether the holiday is kept on this day (13-slot month, day, weekday
// 0 = Sunday) of the engine's JYear, in Gregorian year gregorianYear; `move`
// tells whether it was moved there.
bool IsKeptOn(const KeptHoliday& holiday, const Engine& engine, int gregorianYear, int month,
              int day, int weekday, const Move*& move) {
    const int tableDay = HolidayDay(holiday.entry);
    if (gregorianYear < holiday.firstGregorianYear ||
        month != MonthIn(HolidayMonth(holiday.entry), Engine::IsJewishLeap(engine.JYear))) {
        return false;
    }
    const int tableDayWeekday = ((weekday + tableDay - day) % 7 + 7) % 7;
    move = MoveOn(holiday, tableDayWeekday, gregorianYear);
    return day == tableDay + (move ? move->days : 0);
}

const KeptHoliday* KeptHolidayOf(int entry) {
    for (const KeptHoliday& holiday : kKeptHolidays) {
        if (holiday.entry == entry) {
            return &holiday;
        }
    }
    return nullptr;
}

// The festivals of the month page whose days do not depend on the weekday.
// Israel keeps one festival day where the diaspora keeps two: its last day
// is one earlier, and Simchat Torah shares 22 Tishri with Sh'mini Atzeret.
struct ShortNameRule {
    Integer month;
    Integer firstDay;
    Integer lastDay;
    Integer lastDayInIsrael;  // 0: not a day of its own in Israel
    bool onlyWhenKislevHas29Days;
    std::string_view name;
};
constexpr std::array<ShortNameRule, 12> kShortNameRules = {{
    {kTishri, 1, 1, 1, false, "Rosh Hash"},
    {kTishri, 10, 10, 10, false, "Yom Kippur"},
    {kTishri, 15, 16, 15, false, "Succoth"},
    {kTishri, 22, 22, 22, false, "Sh'mini Atz"},
    {kTishri, 23, 23, 0, false, "Simchat Tor"},
    {kKislev, 25, 30, 30, false, "Hanukkah"},
    {kTevet, 1, 2, 2, false, "Hanukkah"},
    {kTevet, 3, 3, 3, true, "Hanukkah"},  // the eighth day, after a Kislev of 29 days
    {kShevat, 15, 15, 15, false, "Tu B'Shevat"},
    {kNisan, 15, 22, 21, false, "Passover"},
    {kIyar, 18, 18, 18, false, "Lag B'Omer"},
    {kSivan, 6, 7, 6, false, "Shavuot"},
}};

// The one table entry whose day differs in Israel: Simchat Torah, kept with
// Sh'mini Atzeret on 22 Tishri.
struct IsraelDay {
    int entry;
    Integer day;
    std::string_view row;
};
constexpr IsraelDay kIsraelSimchatTorah = {5, 22, "Simchat Torah Tish 22,"};

bool InIsrael(const HolidayOptions& options) {
    return options.schedule == Schedule::Israel;
}

Integer TableDay(int entry, const HolidayOptions& options) {
    return InIsrael(options) && entry == kIsraelSimchatTorah.entry ? kIsraelSimchatTorah.day
                                                                   : HolidayDay(entry);
}

std::string_view TableRow(int entry, const HolidayOptions& options) {
    return InIsrael(options) && entry == kIsraelSimchatTorah.entry ? kIsraelSimchatTorah.row
                                                                   : HolidayDef(entry);
}

// Deficient and Deficient-Leap years give Kislev 29 days.
bool KislevHas29Days(const Engine& engine) {
    return engine.YearType == 1 || engine.YearType == 4;
}

void ConvertInto(const Engine& engine, int month, int day, HolidayPlacement& place) {
    engine.OffsetToGregorian(engine.DaysFromNewYear(month, day), place.year, place.month, place.day,
                             place.weekday);
}

}  // namespace

std::string HolidayShortName(const Engine& engine, int cell, const HolidayOptions& options) {
    const int weekday = (cell - 1) % 7;  // the cell's column, Sunday first
    for (const KeptHoliday& holiday : kKeptHolidays) {
        const Move* move = nullptr;
        if (IsKeptOn(holiday, engine, engine.GYear, engine.JMonth, engine.JDay, weekday, move)) {
            return std::string(holiday.shortName);
        }
    }
    for (const ShortNameRule& rule : kShortNameRules) {
        const int lastDay = InIsrael(options) ? rule.lastDayInIsrael : rule.lastDay;
        if (engine.JMonth == rule.month && engine.JDay >= rule.firstDay && engine.JDay <= lastDay &&
            (!rule.onlyWhenKislevHas29Days || KislevHas29Days(engine))) {
            return std::string(rule.name);
        }
    }
    // An added day of the whole holiday year gives way to the holidays above.
    for (const ExtraDay& day : ExtraDays(engine, engine.JYear, options)) {
        if (day.month == engine.JMonth && day.day == engine.JDay) {
            return std::string(day.shortName);
        }
    }
    return {};
}

bool FindHoliday(const Engine& engine, int listJMonth, int listJDay, int listWeekday,
                 std::string& row, const HolidayOptions& options) {
    const bool leap = Engine::IsJewishLeap(engine.JYear);
    for (const KeptHoliday& holiday : kKeptHolidays) {
        const Move* move = nullptr;
        if (IsKeptOn(holiday, engine, engine.GYear, listJMonth, listJDay, listWeekday, move)) {
            row = holiday.listPrefix.AppliesIn(leap)
                      ? std::string(holiday.listPrefix.text) + BlankSigned(listJDay)
                      : std::string(move ? move->row : HolidayDef(holiday.entry));
            return true;
        }
    }
    for (int i = 1; i <= kHolidayCount; ++i) {
        if (!KeptHolidayOf(i) && listJMonth == HolidayMonth(i) &&
            listJDay == TableDay(i, options)) {
            row = std::string(TableRow(i, options));
            return true;
        }
    }
    return false;
}

int KeptDayOfMonth(int entry, int tableDayWeekday, int gregorianYear) {
    const KeptHoliday* holiday = KeptHolidayOf(entry);
    const Move* move = holiday ? MoveOn(*holiday, tableDayWeekday, gregorianYear) : nullptr;
    return HolidayDay(entry) + (move ? move->days : 0);
}

HolidayPlacement PlaceHoliday(const Engine& engine, int entry, const HolidayOptions& options) {
    HolidayPlacement place;
    place.listed = true;
    place.row = TableRow(entry, options);
    ConvertInto(engine, HolidayMonth(entry), TableDay(entry, options), place);
    const KeptHoliday* holiday = KeptHolidayOf(entry);
    if (holiday == nullptr) {
        return place;
    }
    // The cut-off year and the move go by the table day; the moved day is printed.
    if (place.year < holiday->firstGregorianYear) {
        place.listed = false;
        return place;
    }
    if (const Move* move = MoveOn(*holiday, place.weekday, place.year)) {
        ConvertInto(engine, HolidayMonth(entry), HolidayDay(entry) + move->days, place);
        place.row = move->row;
    }
    if (holiday->yearlyRow.AppliesIn(Engine::IsJewishLeap(engine.JYear))) {
        place.row = holiday->yearlyRow.text;
    }
    return place;
}

}  // namespace qavo
