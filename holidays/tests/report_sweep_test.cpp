// Every report of the range, checked against the engine's own conversion of
// each printed date and against the weekday rule of the Gregorian calendar.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>

#include "engine/calendar_tables.hpp"
#include "engine/name_tables.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::ReadShortDate;
using testing::ShortDate;
using testing::SplitLines;

// The Jewish month (13 slots) and day that each row names. Purim's table row
// is only printed in a common year, where it lies in Adar.
std::map<std::string, std::pair<int, int>> RowDates() {
    std::map<std::string, std::pair<int, int>> rows;
    for (int i = 1; i <= kHolidayCount; ++i) {
        rows[std::string(HolidayDef(i))] = {HolidayMonth(i), HolidayDay(i)};
    }
    rows["Purim         Adar 14,"] = {6, 14};
    rows["Purim      Adar II 14,"] = {7, 14};
    rows["Yom Haatzmaut Iyar  4,"] = {9, 4};
    rows["Yom Haatzmaut Iyar  3,"] = {9, 3};
    rows["Tisha B'Av      Av 10,"] = {12, 10};
    return rows;
}

// Whether a holiday row's weekday obeys the shifts: Yom Haatzmaut on 5 Iyar
// only on Monday or Wednesday, moved to a Thursday otherwise; Tisha B'Av
// never on Saturday, on 10 Av only on Sunday.
bool WeekdayFitsRow(std::string_view row, int weekday) {
    if (row == "Yom Haatzmaut Iyar  5,") {
        return weekday == 1 || weekday == 3;
    }
    if (row == "Yom Haatzmaut Iyar  4," || row == "Yom Haatzmaut Iyar  3,") {
        return weekday == 4;
    }
    if (row == "Tisha B'Av      Av  9,") {
        return weekday != kSaturday;
    }
    if (row == "Tisha B'Av      Av 10,") {
        return weekday == 0;
    }
    return true;
}

class ReportSweep : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};
    Engine checker{platform};  // converts the printed dates back
    const std::map<std::string, std::pair<int, int>> rowDates = RowDates();

    // The Jewish date of a Gregorian date, by the engine's own conversion.
    std::tuple<int, int, int> JewishDateOf(int year, int month, int day) {
        checker.GYear = year;
        checker.TargetGMonth = month;
        checker.TargetGDay = day;
        EXPECT_TRUE(checker.GregorianToJewish());
        return {checker.JYear, checker.JMonth, checker.JDay};
    }

    // Checks one holiday line's row against its date; returns the date.
    ShortDate CheckHolidayLine(const std::string& line, int jYear, int gYear) {
        const std::string row = line.substr(0, 22);
        const ShortDate date = ReadShortDate(line);
        const auto found = rowDates.find(row);
        EXPECT_NE(found, rowDates.end()) << line;
        EXPECT_EQ(date.weekday, GregorianWeekday(date.year, date.month, date.day)) << line;
        if (gYear != 0) {
            EXPECT_EQ(date.year, gYear) << line;
        }
        // The autumn of 5343 lies in 1582, before the dates the engine converts.
        if (found != rowDates.end() && date.year >= kFirstGregorianYear) {
            const auto [month, day] = found->second;
            EXPECT_EQ(JewishDateOf(date.year, date.month, date.day),
                      std::make_tuple(jYear, month, day))
                << line;
        }
        EXPECT_TRUE(WeekdayFitsRow(row, date.weekday)) << line;
        return date;
    }

    int HanukkahsIn(int gYear) {
        int count = 0;
        for (int month : {1, 2, 11, 12}) {
            for (int day = 1; day <= GMonthLen(month, Engine::IsGregorianLeap(gYear) ? 1 : 0);
                 ++day) {
                const auto [jYear, jMonth, jDay] = JewishDateOf(gYear, month, day);
                count += jMonth == 3 && jDay == 25 ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(ReportSweep, EveryGregorianYear) {
    int withoutDecemberHanukkah = 0;
    int firstWithout = 0;
    for (int g = kFirstGregorianYear; g <= kLastGregorianYear; ++g) {
        engine.GYear = g;
        const std::optional<std::string> text = GregorianYearCommandReport(engine);
        ASSERT_TRUE(text.has_value()) << g;
        bool wellFormed = false;
        const std::vector<std::string> lines = SplitLines(*text, wellFormed);
        ASSERT_TRUE(wellFormed) << g;
        const int hanukkahs = HanukkahsIn(g);
        const int expected = 13 - (g < 1949 ? 1 : 0) - (g < 1951 ? 1 : 0) + hanukkahs;
        ASSERT_EQ(lines.size(), 6u + expected) << g;

        const int j = g + 3760;
        int previousDay = 0;
        bool decemberHanukkah = false;
        for (std::size_t n = 6; n < lines.size(); ++n) {
            const std::string& line = lines[n];
            // The Jewish year column: J up to Tisha B'Av (and a January
            // Hanukkah), J + 1 from Rosh Hashanah on.
            const bool fromNextYear = line.find(" Tish ") != std::string::npos ||
                                      (line.starts_with("Hanukkah") && n != 6);
            const int jYear = fromNextYear ? j + 1 : j;
            const std::string yearColumn = " " + std::to_string(jYear);
            EXPECT_EQ(line.substr(22, yearColumn.size()), yearColumn) << line;
            EXPECT_EQ(line.size(), 22 + yearColumn.size() + 19) << line;
            const ShortDate date = CheckHolidayLine(line, jYear, g);
            const int dayNumber = GregorianDayNumber(date.year, date.month, date.day);
            EXPECT_GT(dayNumber, previousDay) << line;
            previousDay = dayNumber;
            decemberHanukkah = decemberHanukkah || (line.starts_with("Hanukkah") && n != 6);
        }
        if (!decemberHanukkah) {
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
        int yearType = 0;
        for (int t = 1; t <= 6; ++t) {
            yearType =
                lines[3] == "  The type of year is: " + std::string(YearTypeName(t)) ? t : yearType;
        }
        ASSERT_EQ(IsLeapYearType(yearType), leap) << lines[3];

        int total = 0;
        for (std::size_t n = 7; n < lines.size(); ++n) {
            const std::string& line = lines[n];
            const int length = std::stoi(line.substr(12, 2));
            const ShortDate first = ReadShortDate(line);
            EXPECT_EQ(first.weekday, GregorianWeekday(first.year, first.month, first.day)) << line;
            const int dayNumber = GregorianDayNumber(first.year, first.month, first.day);
            if (nextNewYear) {
                EXPECT_EQ(dayNumber, *nextNewYear) << j << ' ' << line;
            }
            nextNewYear = dayNumber + length;
            total += length;
            if (n + 1 == lines.size()) {
                EXPECT_EQ(engine.GYear, first.year) << "the year of 1 Elul";
            }
        }
        EXPECT_EQ(total, JewishYearLength(yearType)) << j;

        engine.GYear = j - kJewishYearOffset;
        const std::optional<std::string> holidays = JewishYearCommandReport(engine);
        ASSERT_TRUE(holidays.has_value());
        const std::vector<std::string> holidayLines = SplitLines(*holidays, wellFormed);
        const int gYearOfIyar = j - kJewishYearOffset + 1;
        ASSERT_EQ(holidayLines.size(),
                  6u + 15 - (gYearOfIyar < 1949 ? 1 : 0) - (gYearOfIyar < 1951 ? 1 : 0))
            << j;
        int previousDay = 0;
        for (std::size_t n = 6; n < holidayLines.size(); ++n) {
            const ShortDate date = CheckHolidayLine(holidayLines[n], j, 0);
            const int dayNumber = GregorianDayNumber(date.year, date.month, date.day);
            EXPECT_GT(dayNumber, previousDay) << holidayLines[n];
            previousDay = dayNumber;
            if (n + 1 == holidayLines.size()) {
                EXPECT_EQ(engine.GYear, date.year) << "the year of 29 Elul";
            }
        }
    }
}

}  // namespace
}  // namespace qavo
