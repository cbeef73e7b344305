// Every report of the range, checked against the engine's own conversion of
// each printed date and against the weekday rule of the Gregorian calendar.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>

#include "engine/calendar_tables.hpp"
#include "engine/name_tables.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/holiday_table.hpp"
#include "holidays/jewish_year_report.hpp"
#include "holidays/tests/report_lines.hpp"
#include "tests/support/calendar_facts.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::ReadDate;
using testing::ShortDate;
using testing::SplitLines;

// Each row's Jewish month (13 slots) and day, and the weekdays it may fall on
// (bit 0 = Sunday): Yom Haatzmaut on 5 Iyar only on Monday or Wednesday, on
// a Thursday or Tuesday when moved; Yom Hashoah on 27 Nisan only on Tuesday
// or Thursday, on a Thursday or Monday when moved; Tisha B'Av never on
// Saturday, on 10 Av only on Sunday.
struct RowRule {
    int month, day, weekdays;
};
std::map<std::string, RowRule> RowRules() {
    std::map<std::string, RowRule> rows;
    for (int i = 1; i <= kHolidayCount; ++i) {
        rows[std::string(HolidayDef(i))] = {HolidayMonth(i), HolidayDay(i), 0x7f};
    }
    rows["Purim         Adar 14,"] = {6, 14, 0x7f};  // printed only in a common year
    rows["Purim      Adar II 14,"] = {7, 14, 0x7f};
    rows["Yom Haatzmaut Iyar  5,"].weekdays = 0x0a;
    rows["Yom Haatzmaut Iyar  4,"] = {9, 4, 0x10};
    rows["Yom Haatzmaut Iyar  3,"] = {9, 3, 0x10};
    rows["Yom Haatzmaut Iyar  6,"] = {9, 6, 0x04};
    rows["Yom Hashoah    Nis 27,"].weekdays = 0x14;
    rows["Yom Hashoah    Nis 26,"] = {8, 26, 0x10};
    rows["Yom Hashoah    Nis 28,"] = {8, 28, 0x02};
    rows["Tisha B'Av      Av  9,"].weekdays = 0x3f;
    rows["Tisha B'Av      Av 10,"] = {12, 10, 0x01};
    return rows;
}

class ReportSweep : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};
    Engine checker{platform};  // converts the printed dates back
    const std::map<std::string, RowRule> rowRules = RowRules();
    const std::map<int, std::string> kYearTypes = {
        {353, "Deficient      "}, {354, "Normal         "}, {355, "Full           "},
        {383, "Deficient-Leap "}, {384, "Normal-Leap    "}, {385, "Full-Leap      "}};

    std::tuple<int, int, int> JewishDateOf(Integer year, Integer month, Integer day) {
        testing::SetTarget(checker, {year, month, day});
        EXPECT_TRUE(checker.GregorianToJewish());
        return {checker.JYear, checker.JMonth, checker.JDay};
    }

    // Checks the holiday lines from line 6 on: each row names its date, and
    // the dates ascend. Returns the last date.
    ShortDate CheckHolidayLines(const std::vector<std::string>& lines, int jYear, bool gregorian) {
        ShortDate date;
        int previousDay = 0;
        for (std::size_t n = 6; n < lines.size(); ++n) {
            const std::string& line = lines[n];
            // The Gregorian report: J + 1 from Rosh Hashanah on, and for a December Hanukkah.
            const bool nextYear = gregorian && (line.find(" Tish ") != std::string::npos ||
                                                (line.starts_with("Hanukkah") && n != 6));
            const int lineJYear = jYear + (nextYear ? 1 : 0);
            if (gregorian) {
                const std::string column = " " + std::to_string(lineJYear) + "  ";
                EXPECT_EQ(line.substr(22, column.size()), column) << line;
            }
            date = ReadDate(line);
            EXPECT_EQ(date.weekday, testing::Weekday(date.year, date.month, date.day)) << line;
            const auto rule = rowRules.find(line.substr(0, 22));
            if (rule == rowRules.end()) {
                ADD_FAILURE() << "unknown row: " << line;
                continue;
            }
            EXPECT_TRUE(rule->second.weekdays & (1 << date.weekday)) << line;
            // The autumn of 5343 lies in 1582, before the dates the engine converts.
            if (date.year >= kFirstGregorianYear) {
                EXPECT_EQ(JewishDateOf(date.year, date.month, date.day),
                          std::make_tuple(lineJYear, rule->second.month, rule->second.day))
                    << line;
            }
            const int dayNumber = GregorianDayNumber(date.year, date.month, date.day);
            EXPECT_GT(dayNumber, previousDay) << line;
            previousDay = dayNumber;
        }
        return date;
    }
};

TEST_F(ReportSweep, EveryGregorianYear) {
    int withoutDecemberHanukkah = 0, firstWithout = 0;
    for (int g = kFirstGregorianYear; g <= kLastGregorianYear; ++g) {
        engine.GYear = g;
        const std::optional<std::string> text = GregorianYearCommandReport(engine);
        ASSERT_TRUE(text.has_value()) << g;
        bool wellFormed = false;
        const std::vector<std::string> lines = SplitLines(*text, wellFormed);
        ASSERT_TRUE(wellFormed) << g;
        // 25 Kislev falls in G when it lies on or after 1 January (of J), or on
        // or before 31 December (of J + 1): as months * 100 + days, 325.
        const auto [j1, m1, d1] = JewishDateOf(g, 1, 1);
        const auto [j2, m2, d2] = JewishDateOf(g, 12, 31);
        const int hanukkahs = (m1 * 100 + d1 <= 325) + (m2 * 100 + d2 >= 325);
        ASSERT_EQ(lines.size(), 6u + 13 - (g < 1949) - (g < 1951) + hanukkahs) << g;
        const ShortDate last = CheckHolidayLines(lines, g + 3760, true);
        EXPECT_EQ(last.year, g);
        if (!lines.back().starts_with("Hanukkah")) {
            ++withoutDecemberHanukkah;
            firstWithout = firstWithout == 0 ? g : firstWithout;
        }
    }
    // The Hanukkahs that slip into the January after their report's year.
    EXPECT_EQ(withoutDecemberHanukkah, 1192);
    EXPECT_EQ(firstWithout, 3031);
}

TEST_F(ReportSweep, EveryJewishYear) {
    std::optional<int> nextNewYear;  // day number of 1 Tishri of the year to come
    for (int j = kFirstJewishYear; j <= kLastEngineJewishYear; ++j) {
        const std::optional<std::string> info = JewishYearButtonReport(engine, j);
        ASSERT_TRUE(info.has_value()) << j;
        bool wellFormed = false;
        const std::vector<std::string> lines = SplitLines(*info, wellFormed);
        ASSERT_TRUE(wellFormed);
        const bool leap = Engine::IsJewishLeap(j);
        ASSERT_EQ(lines.size(), 7u + (leap ? 13 : 12)) << j;
        const int cycle = j % 19 == 0 ? 19 : j % 19;
        EXPECT_EQ(lines[1], "  It is year " + std::to_string(cycle) + " of the 19 year cycle ");
        int total = 0;
        for (std::size_t n = 7; n < lines.size(); ++n) {
            const int length = std::stoi(lines[n].substr(12, 2));
            const ShortDate first = ReadDate(lines[n]);
            EXPECT_EQ(first.weekday, testing::Weekday(first.year, first.month, first.day))
                << lines[n];
            const int dayNumber = GregorianDayNumber(first.year, first.month, first.day);
            EXPECT_EQ(dayNumber, nextNewYear.value_or(dayNumber)) << j << ' ' << lines[n];
            nextNewYear = dayNumber + length;
            total += length;
        }
        EXPECT_EQ(engine.GYear, ReadDate(lines.back()).year) << "the year of 1 Elul";
        EXPECT_EQ(lines[3], "  The type of year is: " + kYearTypes.at(total)) << j;
        EXPECT_EQ(total > 380, leap) << j;

        engine.GYear = j - kJewishYearOffset;
        const std::optional<std::string> holidays = JewishYearCommandReport(engine);
        ASSERT_TRUE(holidays.has_value());
        const std::vector<std::string> holidayLines = SplitLines(*holidays, wellFormed);
        const int gYearOfIyar = j - kJewishYearOffset + 1;
        ASSERT_EQ(holidayLines.size(), 6u + 15 - (gYearOfIyar < 1949) - (gYearOfIyar < 1951)) << j;
        EXPECT_EQ(engine.GYear, CheckHolidayLines(holidayLines, j, false).year)
            << "the year of 29 Elul";
    }
}

}  // namespace
}  // namespace qavo
