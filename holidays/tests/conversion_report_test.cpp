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

    std::optional<std::string> FromGregorian(int year, int month, int day, int years = 0,
                                             std::string_view heading = "") {
        engine.GYear = year;
        engine.TargetGMonth = month;
        engine.TargetGDay = day;
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

TEST_F(ConversionReportTest, GregorianToJewish) {
    EXPECT_EQ(FromGregorian(2008, 9, 1),
              JoinLines({"Elul 1, 5768", "", "Mon, September 01, 2008"}));
    // 5769 is tried first, then the year before; GYear is left at its new year.
    EXPECT_EQ(std::tuple(engine.GYear, engine.JYear, engine.ResultJYear, engine.NewYearGYear),
              std::tuple(2007, 5768, 5769, 2007));
    EXPECT_EQ(FromGregorian(7000, 12, 31),
              JoinLines({"Kislev 15, 10761", "", "Wed, December  31, 7000"}));
    EXPECT_EQ(platform.calls.back(), "busy off");
}

// The month as the prompt lists it: Nisan is 8th in a leap year, 7th in a common one.
TEST_F(ConversionReportTest, JewishToGregorian) {
    const struct {
        int jYear, listMonth, day;
        Integer jMonth;
        const char* first;
        const char* date;
    } cases[] = {
        {5769, 7, 15, 8, "Nisan 15, 5769", "Thu, April     09, 2009"},
        {5768, 7, 14, 7, "Adar II 14, 5768", "Fri, March     21, 2008"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FromJewish(c.jYear, c.listMonth, c.day), JoinLines({c.first, "", c.date}));
        EXPECT_EQ(engine.JMonth, c.jMonth) << c.first;
        EXPECT_EQ(engine.JMonthShown, c.listMonth) << c.first;
    }
}

TEST_F(ConversionReportTest, AnniversariesOfPassover) {
    const std::string expected =
        JoinLines({"Passover", "Nisan 15, 5768", "", "Sun, April     20, 2008",
                   "Thu, April     09, 2009", "Tue, March     30, 2010"});
    EXPECT_EQ(FromJewish(5768, 8, 15, 3, "Passover"), expected);
    EXPECT_EQ(engine.JYear, 5768);
    EXPECT_EQ(engine.GYear, 2007);
    EXPECT_EQ(engine.TargetGMonth, 4);
    EXPECT_EQ(engine.TargetGDay, 20);
    // From the Gregorian date the same list.
    EXPECT_EQ(FromGregorian(2008, 4, 20, 3, "Passover"), expected);
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

TEST_F(ConversionReportTest, NoMoreThanOneDateUnlessAnniversaries) {
    const std::string one = JoinLines({"Nisan 15, 5768", "", "Sun, April     20, 2008"});
    EXPECT_EQ(FromJewish(5768, 8, 15, 0), one);
    engine.AnnivMode = true;
    for (int years : {0, 1, -5}) {
        engine.SuccYears = years;
        engine.JYear = 5768;
        engine.GYear = 2007;
        EXPECT_EQ(ConversionReport(engine, ""), one) << years;
    }
    engine.AnnivMode = false;
    engine.SuccYears = 5;
    EXPECT_EQ(ConversionReport(engine, ""), one);
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
    const struct {
        const char* text;
        int firstJYear;
        bool refused;
    } counts[] = {{" 2", 10760, false},  {" 0", 10760, false},   {"-7", 10760, false},
                  {" 3", 10760, true},   {"40000", 10760, true},  // beyond 16 bits
                  {"5419", 5343, false}, {"5420", 5343, true},   {"99999", 5343, true}};
    for (const auto& c : counts) {
        const std::optional<std::string> refused = SuccessiveYearsRefusal(c.text, c.firstJYear);
        EXPECT_EQ(refused.has_value(), c.refused) << c.text;
        if (refused && c.firstJYear == 10760) {
            EXPECT_EQ(*refused, refusal);
        }
    }

    for (int years : {3, 32767}) {
        engine.JDay = 1;
        EXPECT_FALSE(FromJewish(10760, 7, 15, years).has_value()) << years;
        EXPECT_EQ(engine.JYear, 10760);
        EXPECT_EQ(engine.JDay, 15);
        EXPECT_NE(engine.JMonth, 8) << "not reached";
    }
    // From a Gregorian date the first Jewish year decides.
    engine.GYear = 7000;
    engine.TargetGMonth = 12;
    engine.TargetGDay = 31;
    EXPECT_EQ(JewishYearOfTargetDate(engine), 10761);
    EXPECT_EQ(engine.GYear, 7000);
    EXPECT_TRUE(FromGregorian(7000, 12, 31, 1).has_value());
    EXPECT_FALSE(FromGregorian(7000, 12, 31, 2).has_value());
    EXPECT_EQ(engine.GYear, 7000) << "nothing changed";
    EXPECT_TRUE(FromGregorian(7000, 1, 1, 2).has_value());  // 10760
}

// Every fifth day of the range converts and shows the date entered.
TEST_F(ConversionReportTest, GregorianDatesComeBackUnchanged) {
    Integer year = 1583, month = 1, day = 1;
    Engine stepper(platform);
    int count = 0;
    while (year <= 7000) {
        const std::optional<std::string> text = FromGregorian(year, month, day);
        ASSERT_TRUE(text.has_value());
        const testing::ShortDate shown = testing::ReadDate(text->substr(0, text->size() - 2), true);
        ASSERT_EQ(std::tuple(shown.year, shown.month, shown.day, shown.weekday),
                  std::tuple(year, month, day, GregorianWeekday(year, month, day)))
            << *text;
        for (int n = 0; n < 5; ++n) {
            stepper.NextGregorianDay(year, month, day);
        }
        ++count;
    }
    EXPECT_GT(count, 395000);
}

}  // namespace
}  // namespace qavo
