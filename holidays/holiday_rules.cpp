#include "holidays/holiday_rules.hpp"

#include <array>

#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "engine/jewish_months.hpp"

namespace qavo {

namespace {

using namespace jmonth;

// Holiday table entries that the rules single out.
constexpr int kPurimEntry = 8;
constexpr int kYomHashoahEntry = 10;
constexpr int kYomHaatzmautEntry = 11;
constexpr int kTishaBAvEntry = 14;

// Month-page columns, 1 = Sunday.
constexpr int kSundayColumn = 1;
constexpr int kThursdayColumn = 5;
constexpr int kFridayColumn = 6;
constexpr int kSaturdayColumn = 7;

// Engine weekdays, 0 = Sunday.
constexpr int kSunday = 0;
constexpr int kThursday = 4;
constexpr int kFriday = 5;

bool IsYomHaatzmautYear(int gregorianYear) {
    return gregorianYear >= kFirstYomHaatzmautYear;
}
bool IsYomHashoahYear(int gregorianYear) {
    return gregorianYear >= kFirstYomHashoahYear;
}

// The names of the month page, one for each line of the lookup below.
struct ShortNameRule {
    Integer month;
    Integer firstDay;
    Integer lastDay;
    enum class Condition {
        None,
        KislevOf29Days,
        CommonYear,
        LeapYear,
        YomHashoahYear,
        YomHaatzmautThursday,
        YomHaatzmautWeekday,
        NotSaturday,
        Sunday,
    } condition;
    std::string_view name;
};
using C = ShortNameRule::Condition;
constexpr std::array<ShortNameRule, 19> kShortNameRules = {{
    {kTishri, 1, 1, C::None, "Rosh Hash"},
    {kTishri, 10, 10, C::None, "Yom Kippur"},
    {kTishri, 15, 16, C::None, "Succoth"},
    {kTishri, 22, 22, C::None, "Sh'mini Atz"},
    {kTishri, 23, 23, C::None, "Simchat Tor"},
    {kKislev, 25, 30, C::None, "Hanukkah"},
    {kTevet, 1, 2, C::None, "Hanukkah"},
    {kTevet, 3, 3, C::KislevOf29Days, "Hanukkah"},
    {kShevat, 15, 15, C::None, "Tu B'Shevat"},
    {kAdar, 14, 14, C::CommonYear, "Purim"},
    {kAdarII, 14, 14, C::LeapYear, "Purim"},
    {kNisan, 15, 22, C::None, "Passover"},
    {kNisan, 27, 27, C::YomHashoahYear, "Y'Hashoah"},
    {kIyar, 3, 4, C::YomHaatzmautThursday, "Y'Haatzmaut"},
    {kIyar, 5, 5, C::YomHaatzmautWeekday, "Y'Haatzmaut"},
    {kIyar, 18, 18, C::None, "Lag B'Omer"},
    {kSivan, 6, 7, C::None, "Shavuot"},
    {kAv, 9, 9, C::NotSaturday, "Tisha B'Av"},
    {kAv, 10, 10, C::Sunday, "Tisha B'Av"},
}};

bool Holds(C condition, const Engine& engine, int column) {
    switch (condition) {
        case C::None:
            return true;
        case C::KislevOf29Days:
            return engine.YearType == 1 || engine.YearType == 4;
        case C::CommonYear:
            return !Engine::IsJewishLeap(engine.JYear);
        case C::LeapYear:
            return Engine::IsJewishLeap(engine.JYear);
        case C::YomHashoahYear:
            return IsYomHashoahYear(engine.GYear);
        case C::YomHaatzmautThursday:
            return IsYomHaatzmautYear(engine.GYear) && column == kThursdayColumn;
        case C::YomHaatzmautWeekday:
            return IsYomHaatzmautYear(engine.GYear) && column != kFridayColumn &&
                   column != kSaturdayColumn;
        case C::NotSaturday:
            return column != kSaturdayColumn;
        case C::Sunday:
            return column == kSundayColumn;
    }
    return false;
}

// The rows of the yearly lists for a shifted or relabelled holiday.
constexpr std::string_view kYomHaatzmautOn4Row = "Yom Haatzmaut Iyar  4,";
constexpr std::string_view kYomHaatzmautOn3Row = "Yom Haatzmaut Iyar  3,";
constexpr std::string_view kTishaBAvOn10Row = "Tisha B'Av      Av 10,";
constexpr std::string_view kPurimAdarIIRow = "Purim      Adar II 14,";

// The row prefixes of the successive-days list, followed by the day number.
constexpr std::string_view kYomHaatzmautPrefix = "Yom Haatzmaut  Iyar ";
constexpr std::string_view kTishaBAvPrefix = "Tisha B''Av  Av ";
constexpr std::string_view kPurimPrefix = "Purim       Adar ";

void ConvertInto(const Engine& engine, int month, int day, HolidayPlacement& place) {
    engine.OffsetToGregorian(engine.DaysFromNewYear(month, day), place.year, place.month, place.day,
                             place.weekday);
}

}  // namespace

std::string HolidayShortName(const Engine& engine, int cell) {
    const int column = (cell - 1) % 7 + 1;
    for (const ShortNameRule& rule : kShortNameRules) {
        if (engine.JMonth == rule.month && engine.JDay >= rule.firstDay &&
            engine.JDay <= rule.lastDay && Holds(rule.condition, engine, column)) {
            return std::string(rule.name);
        }
    }
    return {};
}

bool FindHoliday(const Engine& engine, int listJMonth, int listJDay, int listWeekday,
                 std::string& row) {
    if (IsYomHaatzmautYear(engine.GYear) && listJMonth == kIyar &&
        (((listJDay == 3 || listJDay == 4) && listWeekday == kThursday) ||
         (listJDay == 5 && listWeekday != kFriday && listWeekday != kSaturday))) {
        row = std::string(kYomHaatzmautPrefix) + BlankSigned(listJDay);
        return true;
    }
    if (listJMonth == kAv && ((listJDay == 9 && listWeekday != kSaturday) ||
                              (listJDay == 10 && listWeekday == kSunday))) {
        row = std::string(kTishaBAvPrefix) + BlankSigned(listJDay);
        return true;
    }
    if (listJMonth == kAdar && listJDay == 14 && !Engine::IsJewishLeap(engine.JYear)) {
        row = std::string(kPurimPrefix) + BlankSigned(listJDay);
        return true;
    }
    for (int i = 1; i <= kHolidayCount; ++i) {
        if (i == kYomHaatzmautEntry || i == kTishaBAvEntry) {
            continue;  // found only by the shift tests above
        }
        if (i == kYomHashoahEntry && !IsYomHashoahYear(engine.GYear)) {
            continue;
        }
        if (listJMonth == HolidayMonth(i) && listJDay == HolidayDay(i)) {
            row = std::string(HolidayDef(i));
            return true;
        }
    }
    return false;
}

HolidayPlacement PlaceHoliday(const Engine& engine, int entry) {
    HolidayPlacement place;
    place.listed = true;
    place.row = HolidayDef(entry);
    ConvertInto(engine, HolidayMonth(entry), HolidayDay(entry), place);
    switch (entry) {
        case kYomHaatzmautEntry:
            // Kept on the Thursday before when 5 Iyar falls on Friday or Saturday.
            if (!IsYomHaatzmautYear(place.year)) {
                place.listed = false;
            } else if (place.weekday == kFriday) {
                ConvertInto(engine, kIyar, 4, place);
                place.row = kYomHaatzmautOn4Row;
            } else if (place.weekday == kSaturday) {
                ConvertInto(engine, kIyar, 3, place);
                place.row = kYomHaatzmautOn3Row;
            }
            break;
        case kTishaBAvEntry:
            // A fast never kept on the Sabbath moves to Sunday.
            if (place.weekday == kSaturday) {
                ConvertInto(engine, kAv, 10, place);
                place.row = kTishaBAvOn10Row;
            }
            break;
        case kPurimEntry:
            if (Engine::IsJewishLeap(engine.JYear)) {
                place.row = kPurimAdarIIRow;
            }
            break;
        case kYomHashoahEntry:
            place.listed = IsYomHashoahYear(place.year);
            break;
        default:
            break;
    }
    return place;
}

}  // namespace qavo
