#include "holidays/gregorian_year_report.hpp"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ReportOf(2008), expected);
}

TEST_F(GregorianYearReportTest, LeavesTheStateBehind) {
    engine.ResultJYear = 1;
    ReportOf(2008);
    EXPECT_EQ(engine.GYear, 2008);
    EXPECT_EQ(engine.JYear, 5769);
    EXPECT_EQ(engine.ResultJYear, 5768);
    EXPECT_EQ(engine.NewYearGMonth, 9);
    EXPECT_EQ(engine.NewYearGDay, 30);
    EXPECT_FALSE(platform.busy);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
}

TEST_F(GregorianYearReportTest, ShiftedAndConditionalLines) {
    struct Case {
        int gYear;
        const char* line;
        bool present;
    };
    const Case cases[] = {
        {2019, "Yom Haatzmaut Iyar  4, 5779  Thu, May 09, 2019\r\n", true},
        {2019, "Tisha B'Av      Av 10, 5779  Sun, Aug 11, 2019\r\n", true},
        {2009, "Purim         Adar 14, 5769  Tue, Mar 10, 2009\r\n", true},
        {2009, "Yom Haatzmaut Iyar  5, 5769  Wed, Apr 29, 2009\r\n", true},
        {1900, "  It is not a leap year.\r\n", true},
        {2000, "  It is a leap year.\r\n", true},
        {1948, "Yom Haatzmaut", false},
        {1949, "Yom Haatzmaut", true},
        {1950, "Yom Hashoah", false},
        {1951, "Yom Hashoah", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportOf(c.gYear).find(c.line) != std::string::npos, c.present)
            << c.gYear << ": " << c.line;
    }
}

TEST_F(GregorianYearReportTest, RangeEndsAreAcceptedAndOthersRefused) {
    EXPECT_NE(ReportOf(1583).find("  The Gregorian year 1583 begins in 5343\r\n"),
              std::string::npos);
    EXPECT_NE(ReportOf(7000).find("  and ends in 10761.\r\n"), std::string::npos);
    for (int gYear : {1582, 7001, -32768, 32767}) {
        engine.GYear = gYear;
        engine.JYear = 5000;
        EXPECT_FALSE(GregorianYearCommandReport(engine).has_value()) << gYear;
        EXPECT_EQ(engine.GYear, gYear);
        EXPECT_EQ(engine.JYear, 5000);
    }
    // The builder alone insists on the Jewish year that began before G.
    engine.GYear = 2008;
    engine.JYear = 5769;
    EXPECT_FALSE(GregorianYearReport(engine).has_value());
    EXPECT_EQ(YearBelowRangeMessage(), "Can not be less than  1583");
}

// From 3031 on, 25 Kislev of the year that begins in the autumn can fall in
// the January after: it belongs to the next report, at its top.
TEST_F(GregorianYearReportTest, HanukkahInJanuaryHeadsTheList) {
    const std::string report3031 = ReportOf(3031);
    EXPECT_EQ(report3031.find("3032"), std::string::npos);
    EXPECT_EQ(report3031.find("Hanukkah"), std::string::npos);

    const std::string report3032 = ReportOf(3032);
    const std::string firstLine = "Hanukkah       Kis 25, 6792  Sun, Jan 01, 3032\r\n";
    EXPECT_EQ(report3032.find(firstLine), report3032.find("=\r\n") + 3);
    EXPECT_EQ(report3032.find("Tu B'Shevat"), report3032.find(firstLine) + firstLine.size());

    // The last year before the drift keeps the one December line at the end.
    const std::string report3030 = ReportOf(3030);
    EXPECT_EQ(report3030.rfind("Hanukkah       Kis 25, 6791  "), report3030.size() - 48);
}

TEST_F(GregorianYearReportTest, NeverListsErevRoshHashanah) {
    for (int gYear = 1583; gYear <= 7000; ++gYear) {
        EXPECT_EQ(ReportOf(gYear).find("Erev RoshHash"), std::string::npos) << gYear;
    }
}

}  // namespace
}  // namespace qavo
