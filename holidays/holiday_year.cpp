#include "holidays/holiday_year.hpp"

#include <algorithm>
#include <array>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_months.hpp"
#include "engine/name_tables.hpp"
#include "holidays/holiday_table.hpp"

namespace qavo {

namespace {

using namespace jmonth;

constexpr int kYomHaatzmautEntry = 11;
constexpr int kFirstYomYerushalayimYear = 1968;

// A day kept on (month, day), moved by `days` when that day falls on `weekday`.
struct Rule {
    Integer month;
    Integer day;
    std::string_view name;
    std::string_view shortName;
    int weekday = -1;  // 0 = Sunday; -1: never moved
    int days = 0;
};

// In the order of importance for a day that two share.
constexpr std::array<Rule, 12> kFixedRules = {{
    {kTishri, 2, "Rosh Hashanah", "Rosh Hash"},
    {kTishri, 3, "Tzom Gedaliah", "Tz Gedaliah", kSaturday, 1},
    {kTishri, 9, "Erev YomKipur", "Ev YomKipur"},
    {kTishri, 14, "Erev Succoth", "Ev Succoth"},
    {kTishri, 21, "Hoshana Rabba", "Hoshana Rab"},
    {kTevet, 10, "Asara B'Tevet", "Asara Tevet"},
    {kNisan, 14, "Erev Pesach", "Erev Pesach"},
    {kNisan, 14, "Taanit Bechor", "Fast Bechor", kSaturday, -2},
    {kIyar, 14, "Pesach Sheni", "Pes. Sheni"},
    {kSivan, 5, "Erev Shavuot", "Ev Shavuot"},
    {kTammuz, 17, "Tzom Tammuz", "Tzom Tammuz", kSaturday, 1},
    {kAv, 15, "Tu B'Av", "Tu B'Av"},
}};

// The yearly rows hold 13 characters of a name, the page's cells 11.
constexpr bool NamesFit() {
    for (const Rule& rule : kFixedRules) {
        if (rule.name.size() > 13 || rule.shortName.size() > 11) {
            return false;
        }
    }
    return true;
}
static_assert(NamesFit());

class YearDays {
  public:
    YearDays(const Engine& engine, int jYear) : probe_(engine) {
        probe_.JYear = static_cast<Integer>(jYear);
        probe_.ComputeYearType(jYear);
        leap_ = Engine::IsJewishLeap(jYear);
    }
    bool Leap() const { return leap_; }
    int Length(int month) const { return JMonthLen(month, probe_.YearType); }
    int WeekdayOf(int month, int day) const {
        return (probe_.NewYearWeekday + probe_.DaysFromNewYear(month, day)) % 7;
    }
    // The Gregorian year of a day from Nisan on, the year after that of 1 Tishri.
    int SpringGregorianYear() const { return probe_.JYear - kJewishYearOffset + 1; }
    // The Adar of Purim: Adar II in a leap year.
    int PurimMonth() const { return leap_ ? kAdarII : kAdar; }
    int MonthBefore(int month) const { return month == kNisan && !leap_ ? kAdar : month - 1; }

  private:
    Engine probe_;
    bool leap_ = false;
};

void Add(std::vector<ExtraDay>& days, const YearDays& year, const Rule& rule) {
    const bool moved = rule.weekday >= 0 && year.WeekdayOf(rule.month, rule.day) == rule.weekday;
    days.push_back({rule.month, static_cast<Integer>(rule.day + (moved ? rule.days : 0)), rule.name,
                    rule.shortName});
}

void AddRange(std::vector<ExtraDay>& days, int month, int first, int last, std::string_view name,
              std::string_view shortName) {
    for (int day = first; day <= last; ++day) {
        days.push_back({static_cast<Integer>(month), static_cast<Integer>(day), name, shortName});
    }
}

// Rosh Chodesh: the 1st of every month but Tishri, and the 30th of the
// month before when it has one.
void AddNewMoons(std::vector<ExtraDay>& days, const YearDays& year) {
    for (int month = kHeshvan; month <= kElul; ++month) {
        if (month == kAdarII && !year.Leap()) {
            continue;
        }
        const int before = year.MonthBefore(month);
        if (year.Length(before) == 30) {
            days.push_back({static_cast<Integer>(before), 30, "Rosh Chodesh", "Rosh Chodsh"});
        }
        days.push_back({static_cast<Integer>(month), 1, "Rosh Chodesh", "Rosh Chodsh"});
    }
}

// Purim's neighbours: the fast before it (on the Thursday when the 13th is
// a Sabbath), Shushan Purim after it, and Purim Katan in Adar I of a leap year.
void AddPurimDays(std::vector<ExtraDay>& days, const YearDays& year) {
    const auto adar = static_cast<Integer>(year.PurimMonth());
    Add(days, year, {adar, 13, "Taanit Esther", "Fast Esther", kSaturday, -2});
    // Its feast leaves the Sabbath for the Sunday.
    Add(days, year, {adar, 15, "Shushan Purim", "Shushan Pur", kSaturday, 1});
    if (year.Leap()) {
        Add(days, year, {kAdar, 14, "Purim Katan", "Purim Katan"});
    }
}

// The memorial day before Yom Haatzmaut moves with it; Yom Yerushalayim.
void AddModernDays(std::vector<ExtraDay>& days, const YearDays& year) {
    const int gYear = year.SpringGregorianYear();
    if (gYear >= kFirstYomHaatzmautYear) {
        const int independence = KeptDayOfMonth(
            kYomHaatzmautEntry, year.WeekdayOf(kIyar, HolidayDay(kYomHaatzmautEntry)), gYear);
        days.push_back(
            {kIyar, static_cast<Integer>(independence - 1), "Yom HaZikaron", "Y'Hazikaron"});
    }
    if (gYear >= kFirstYomYerushalayimYear) {
        days.push_back({kIyar, 28, "Yom Yerushlym", "Y'Yerushlym"});
    }
}

}  // namespace

std::vector<ExtraDay> ExtraDays(const Engine& engine, int jYear, const HolidayOptions& options) {
    std::vector<ExtraDay> days;
    if (options.holidays != HolidaySet::All) {
        return days;
    }
    const YearDays year(engine, jYear);
    for (const Rule& rule : kFixedRules) {
        Add(days, year, rule);
    }
    // The intermediate days follow the festival days of the schedule.
    const int firstIntermediate = options.schedule == Schedule::Israel ? 16 : 17;
    AddRange(days, kTishri, firstIntermediate, 20, "Chol HaMoed", "Chol HaMoed");
    AddRange(days, kNisan, firstIntermediate, 20, "Chol HaMoed", "Chol HaMoed");
    AddNewMoons(days, year);
    AddPurimDays(days, year);
    AddModernDays(days, year);
    std::stable_sort(days.begin(), days.end(), [](const ExtraDay& a, const ExtraDay& b) {
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    });
    return days;
}

std::string ExtraDayRow(const ExtraDay& day) {
    // Adar I is "Adar", as in the months table of a leap year.
    static constexpr std::array<std::string_view, 13> kMonthAbbr = {
        "Tish", "Hesh", "Kis", "Tev", "Shev", "Adar", "Adar II",
        "Nis",  "Iyar", "Siv", "Tam", "Av",   "Elul"};
    const std::string_view month = kMonthAbbr.at(day.month - 1);
    // The name and the month fill 18 columns; a long name in Adar II widens
    // the row rather than lose a letter.
    constexpr std::size_t kNameAndMonthWidth = 18;
    std::string row(day.name);
    row.append(std::max<std::size_t>(
                   1, kNameAndMonthWidth - std::min(kNameAndMonthWidth, row.size() + month.size())),
               ' ');
    row += month;
    const std::string number = std::to_string(day.day);
    row.append(3 - number.size(), ' ');
    row += number;
    row += ',';
    return row;
}

std::vector<PlacedExtraDay> PlaceExtraDays(const Engine& engine, const HolidayOptions& options) {
    std::vector<PlacedExtraDay> placed;
    for (const ExtraDay& day : ExtraDays(engine, engine.JYear, options)) {
        PlacedExtraDay extra{{}, ExtraDayRow(day), std::string(day.name)};
        HolidayPlacement& place = extra.place;
        place.listed = true;
        engine.OffsetToGregorian(engine.DaysFromNewYear(day.month, day.day), place.year,
                                 place.month, place.day, place.weekday);
        placed.push_back(std::move(extra));
    }
    return placed;
}

void SortListedDays(ListedReport& report, const std::string& heading) {
    const auto serial = [](const GregorianDate& d) { return (d.year * 13 + d.month) * 32 + d.day; };
    std::stable_sort(
        report.days.begin(), report.days.end(),
        [&](const ListedDay& a, const ListedDay& b) { return serial(a.date) < serial(b.date); });
    report.text = heading;
    for (const ListedDay& day : report.days) {
        report.text += day.line;
        report.text += NL;
    }
}

}  // namespace qavo
