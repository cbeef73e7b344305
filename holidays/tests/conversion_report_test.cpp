#include "holidays/conversion_report.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::JoinLines;

class ConversionReportTest : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};

    std::optional<std::string> FromGregorian(Integer year, Integer month, Integer day,
                                             int years = 0, std::string_view heading = "") {
        testing::SetTarget(engine, {year, month, day});
        engine.AnnivMode = years > 0;
        engine.SuccYears = years > 0 ? years : 1;
        return ConvertFromGregorianReport(engine, heading);
    }

    // The Jewish date as the prompts deliver it: the year, then the month's
    // position in that year's list (from 1) and the day.
    std::optional<std::string> FromJewish(int jYear, int listMonth, int day, int years = 0,
                                          std::string_view heading = "") {
        engine.ResultJYear = jYear;
        engine.JYear = jYear;
        engine.GYear = jYear - 3761;
        EXPECT_TRUE(PrepareJewishDatePrompt(engine));
        engine.JDay = day;
        engine.AnnivMode = years > 0;
        engine.SuccYears = years > 0 ? years : 1;
        return ConvertFromJewishReport(engine, listMonth - 1, heading);
    }
};

// The month as the prompt lists it: Nisan is 7th in a common year (8th in a leap year).
TEST_F(ConversionReportTest, OneDateEachWay) {
    EXPECT_EQ(FromGregorian(2008, 9, 1),
              JoinLines({"Elul 1, 5768", "", "Mon, September 01, 2008"}));
    EXPECT_EQ(engine.ResultJYear, 5769);  // tried first, before the year before
    EXPECT_EQ(FromJewish(5769, 7, 15),
              JoinLines({"Nisan 15, 5769", "", "Thu, April     09, 2009"}));
}

TEST_F(ConversionReportTest, AnniversariesOfPassover) {
    const std::string expected =
        JoinLines({"Passover", "Nisan 15, 5768", "", "Sun, April     20, 2008",
                   "Thu, April     09, 2009", "Tue, March     30, 2010"});
    EXPECT_EQ(FromJewish(5768, 8, 15, 3, "Passover"), expected);
    EXPECT_EQ(std::tuple(engine.TargetGMonth, engine.TargetGDay), std::tuple(4, 20));  // the first
    EXPECT_EQ(FromGregorian(2008, 4, 20, 3, "Passover"), expected);
    // One date only, unless anniversaries of at least two years are asked for.
    const std::string one = JoinLines({"Nisan 15, 5768", "", "Sun, April     20, 2008"});
    for (auto [anniversaries, years] : {std::pair{true, 0}, {true, 1}, {true, -5}, {false, 5}}) {
        engine.AnnivMode = anniversaries;
        engine.SuccYears = years;
        EXPECT_EQ(ConversionReport(engine, ""), one) << years;
    }
}

// The first line names the date, each further line is one year's date.
TEST_F(ConversionReportTest, AnniversariesOfDaysSomeYearsLack) {
    struct JewishDate {
        int jYear, listMonth, day;
    };
    const struct {
        JewishDate date;
        std::vector<std::string> lines;
    } cases[] = {
        // Heshvan 5772 has 29 days: its 30th is 1 Kislev.
        {{5770, 2, 30},
         {"Heshvan 30, 5770", "Tue, November  17, 2009", "Sun, November  07, 2010",
          "Sun, November  27, 2011"}},
        // Adar of a common year, then Adar I of a leap year.
        {{5783, 6, 14},
         {"Adar 14, 5783", "Tue, March     07, 2023", "Fri, February  23, 2024",
          "Fri, March     14, 2025"}},
        // Adar II read as Adar in the common years after.
        {{5784, 7, 14},
         {"Adar II 14, 5784", "Sun, March     24, 2024", "Fri, March     14, 2025",
          "Tue, March     03, 2026"}},
        // 30 Adar I, then a common Adar of 29 days: 1 Nisan.
        {{5784, 6, 30}, {"Adar 30, 5784", "Sun, March     10, 2024", "Sun, March     30, 2025"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = c.lines;
        lines.insert(lines.begin() + 1, "");
        const int years = static_cast<int>(c.lines.size()) - 1;
        EXPECT_EQ(FromJewish(c.date.jYear, c.date.listMonth, c.date.day, years), JoinLines(lines))
            << lines[0];
    }
}

TEST_F(ConversionReportTest, DaysThePromptRefusesAreRefused) {
    EXPECT_FALSE(FromJewish(5772, 2, 30).has_value());  // Heshvan 5772 has 29 days
    EXPECT_FALSE(FromJewish(5769, 13, 1).has_value());  // a common year has 12 months
    EXPECT_FALSE(FromJewish(5769, 0, 1).has_value());
    EXPECT_FALSE(FromJewish(5769, 1, 0).has_value());
    engine.JYear = 10762;
    EXPECT_FALSE(PrepareJewishDatePrompt(engine));
}

// Anniversaries stop at 10761, the last year the calendar reaches: a longer
// list is refused, by the heading dialog first and by the report itself.
TEST_F(ConversionReportTest, AnniversariesPastTheEndOfTheRange) {
    EXPECT_EQ(MaxSuccessiveYears(10760), 2);
    EXPECT_EQ(MaxSuccessiveYears(5343), 5419);
    const std::optional<std::string> last = FromJewish(10760, 7, 15, 2);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(std::count(last->begin(), last->end(), '\n'), 4);

    const std::string refusal =
        "Enter at most 2 successive years: the calendar ends with the Jewish year 10761.";
    EXPECT_EQ(SuccessiveYearsRefusal(" 3", 10760), refusal);
    EXPECT_EQ(SuccessiveYearsRefusal("40000", 10760), refusal);  // beyond 16 bits
    EXPECT_NE(SuccessiveYearsRefusal("5420", 5343), std::nullopt);
    for (const char* fits : {" 2", " 0", "-7"}) {
        EXPECT_EQ(SuccessiveYearsRefusal(fits, 10760), std::nullopt) << fits;
    }
    EXPECT_EQ(SuccessiveYearsRefusal("5419", 5343), std::nullopt);
    EXPECT_FALSE(FromJewish(10760, 7, 15, 3).has_value());
    // From a Gregorian date the first Jewish year decides: 31 December 7000 lies in 10761.
    EXPECT_TRUE(FromGregorian(7000, 12, 31, 1).has_value());
    EXPECT_FALSE(FromGregorian(7000, 12, 31, 2).has_value());
    EXPECT_TRUE(FromGregorian(7000, 1, 1, 2).has_value());  // 10760
}

}  // namespace
}  // namespace qavo
