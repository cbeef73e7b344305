#include "holidays/gregorian_year_report.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::JoinLines;

class GregorianYearReportTest : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};

    std::string ReportOf(int gYear) {
        engine.GYear = gYear;
        const std::optional<std::string> text = GregorianYearCommandReport(engine);
        EXPECT_TRUE(text.has_value()) << gYear;
        return text.value_or("");
    }
};

TEST_F(GregorianYearReportTest, Year2008IsExact) {
    const std::string expected = JoinLines({
        "  The Gregorian year 2008 begins in 5768",
        "  and ends in 5769.",
        "  It is a leap year.",
        "                  ",
        "               H O L I D A Y S ",
        "==============================================",
        "Tu B'Shevat   Shev 15, 5768  Tue, Jan 22, 2008",
        "Purim      Adar II 14, 5768  Fri, Mar 21, 2008",
        "Passover       Nis 15, 5768  Sun, Apr 20, 2008",
        "Yom Hashoah    Nis 27, 5768  Fri, May 02, 2008",
        "Yom Haatzmaut Iyar  3, 5768  Thu, May 08, 2008",
        "Lag B'Omer    Iyar 18, 5768  Fri, May 23, 2008",
        "Shavuot        Siv  6, 5768  Mon, Jun 09, 2008",
        "Tisha B'Av      Av  9, 5768  Sun, Aug 10, 2008",
        "Rosh Hashanah Tish  1, 5769  Tue, Sep 30, 2008",
        "Yom Kippur    Tish 10, 5769  Thu, Oct 09, 2008",
        "Succoth       Tish 15, 5769  Tue, Oct 14, 2008",
        "Sh'mini Atz   Tish 22, 5769  Tue, Oct 21, 2008",
        "Simchat Torah Tish 23, 5769  Wed, Oct 22, 2008",
        "Hanukkah       Kis 25, 5769  Mon, Dec 22, 2008",
    });
    engine.ResultJYear = 1;
    EXPECT_EQ(ReportOf(2008), expected);
    EXPECT_EQ(std::tuple(engine.GYear, engine.JYear, engine.ResultJYear, engine.NewYearGMonth,
                         engine.NewYearGDay),
              std::tuple(2008, 5769, 5768, 9, 30));
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
}

TEST_F(GregorianYearReportTest, HeadersAtTheEndsOfTheRangeAndOfACommonCenturyYear) {
    EXPECT_TRUE(ReportOf(1583).starts_with("  The Gregorian year 1583 begins in 5343\r\n"));
    EXPECT_NE(ReportOf(1900).find("\r\n  It is not a leap year.\r\n"), std::string::npos);
    EXPECT_NE(ReportOf(7000).find("\r\n  and ends in 10761.\r\n"), std::string::npos);
    // The builder alone insists on the Jewish year that began before G.
    engine.GYear = 2008;
    engine.JYear = 5769;
    EXPECT_FALSE(GregorianYearReport(engine).has_value());
    EXPECT_EQ(YearBelowRangeMessage(), "Can not be less than  1583");
}

}  // namespace
}  // namespace qavo
