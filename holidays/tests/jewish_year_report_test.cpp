#include "holidays/jewish_year_report.hpp"

#include <gtest/gtest.h>

#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::JoinLines;

class JewishYearReportTest : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};

    std::string InfoOf(int jYear) {
        const std::optional<std::string> text = JewishYearButtonReport(engine, jYear);
        EXPECT_TRUE(text.has_value()) << jYear;
        return text.value_or("");
    }
    std::string HolidaysOf(int jYear) {
        engine.ResultJYear = jYear;
        TakeJewishYearFromPrompt(engine);
        const std::optional<std::string> text = JewishYearCommandReport(engine);
        EXPECT_TRUE(text.has_value()) << jYear;
        return text.value_or("");
    }
};

TEST_F(JewishYearReportTest, InformationOf5769IsExact) {
    const std::string expected = JoinLines({
        "  The Jewish year 5769 begins on Tue, Sep 30, 2008.",
        "  It is year 12 of the 19 year cycle ",
        "  therefore it is not a leap year.",
        "  The type of year is: Normal         ",
        "",
        "  Month  Length     First-of-Month",
        "  ==================================",
        "  Tishri    30     Tue, Sep 30, 2008",
        "  Heshvan   29     Thu, Oct 30, 2008",
        "  Kislev    30     Fri, Nov 28, 2008",
        "  Tevet     29     Sun, Dec 28, 2008",
        "  Shevat    30     Mon, Jan 26, 2009",
        "  Adar      29     Wed, Feb 25, 2009",
        "  Nisan     30     Thu, Mar 26, 2009",
        "  Iyar      29     Sat, Apr 25, 2009",
        "  Sivan     30     Sun, May 24, 2009",
        "  Tammuz    29     Tue, Jun 23, 2009",
        "  Av        30     Wed, Jul 22, 2009",
        "  Elul      29     Fri, Aug 21, 2009",
    });
    EXPECT_EQ(InfoOf(5769), expected);
    EXPECT_EQ(engine.GYear, 2009);  // of 1 Elul
    EXPECT_EQ(engine.JYear, 5769);
    EXPECT_EQ(engine.JMonth, 13);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
}

TEST_F(JewishYearReportTest, InformationOfALeapYear) {
    const std::string expected = JoinLines({
        "  The Jewish year 5768 begins on Thu, Sep 13, 2007.",
        "  It is year 11 of the 19 year cycle ",
        "  therefore it is a leap year.",
        "  The type of year is: Deficient-Leap ",
        "",
        "  Month  Length     First-of-Month",
        "  ==================================",
        "  Tishri    30     Thu, Sep 13, 2007",
        "  Heshvan   29     Sat, Oct 13, 2007",
        "  Kislev    29     Sun, Nov 11, 2007",
        "  Tevet     29     Mon, Dec 10, 2007",
        "  Shevat    30     Tue, Jan 08, 2008",
        "  Adar      30     Thu, Feb 07, 2008",
        "  Adar II   29     Sat, Mar 08, 2008",
        "  Nisan     30     Sun, Apr 06, 2008",
        "  Iyar      29     Tue, May 06, 2008",
        "  Sivan     30     Wed, Jun 04, 2008",
        "  Tammuz    29     Fri, Jul 04, 2008",
        "  Av        30     Sat, Aug 02, 2008",
        "  Elul      29     Mon, Sep 01, 2008",
    });
    EXPECT_EQ(InfoOf(5768), expected);
    EXPECT_EQ(engine.GYear, 2008);
}

TEST_F(JewishYearReportTest, NineteenthYearOfTheCycle) {
    EXPECT_NE(InfoOf(5776).find("\r\n  It is year 19 of the 19 year cycle \r\n"),
              std::string::npos);
    EXPECT_EQ(engine.CyclePos, 19);
    EXPECT_NE(HolidaysOf(5776).find("\r\n  It is year 19 of the 19 year cycle\r\n"),
              std::string::npos);
    EXPECT_EQ(engine.CyclePos, 19);
}

TEST_F(JewishYearReportTest, HolidaysOf5769AreExact) {
    const std::string expected = JoinLines({
        "  The Jewish year 5769 begins on Tue, Sep 30, 2008.",
        "  It is year 12 of the 19 year cycle",
        "  therefore it is not a leap year.",
        "  The type of year is: Normal         ",
        "          H O L I D A Y S ",
        "========================================",
        "Rosh Hashanah Tish  1, Tue, Sep 30, 2008",
        "Yom Kippur    Tish 10, Thu, Oct 09, 2008",
        "Succoth       Tish 15, Tue, Oct 14, 2008",
        "Sh'mini Atz   Tish 22, Tue, Oct 21, 2008",
        "Simchat Torah Tish 23, Wed, Oct 22, 2008",
        "Hanukkah       Kis 25, Mon, Dec 22, 2008",
        "Tu B'Shevat   Shev 15, Mon, Feb 09, 2009",
        "Purim         Adar 14, Tue, Mar 10, 2009",
        "Passover       Nis 15, Thu, Apr 09, 2009",
        "Yom Hashoah    Nis 27, Tue, Apr 21, 2009",
        "Yom Haatzmaut Iyar  5, Wed, Apr 29, 2009",
        "Lag B'Omer    Iyar 18, Tue, May 12, 2009",
        "Shavuot        Siv  6, Fri, May 29, 2009",
        "Tisha B'Av      Av  9, Thu, Jul 30, 2009",
        "Erev RoshHash Elul 29, Fri, Sep 18, 2009",
    });
    EXPECT_EQ(HolidaysOf(5769), expected);
    EXPECT_EQ(engine.GYear, 2009);  // of 29 Elul
    EXPECT_EQ(engine.JYear, 5769);
}

TEST_F(JewishYearReportTest, HolidaysBeforeTheCutOffs) {
    EXPECT_NE(HolidaysOf(5768).find("Purim      Adar II 14, Fri, Mar 21, 2008\r\n"),
              std::string::npos);
    const std::string before1949 = HolidaysOf(5708);
    EXPECT_EQ(before1949.find("Yom Haatzmaut"), std::string::npos);
    EXPECT_EQ(before1949.find("Yom Hashoah"), std::string::npos);
    const std::string of1949 = HolidaysOf(5709);
    EXPECT_NE(of1949.find("Yom Haatzmaut"), std::string::npos);
    EXPECT_EQ(of1949.find("Yom Hashoah"), std::string::npos);
    EXPECT_EQ(HolidaysOf(5710).find("Yom Hashoah"), std::string::npos);
    EXPECT_NE(HolidaysOf(5711).find("Yom Hashoah"), std::string::npos);
}

TEST_F(JewishYearReportTest, YearsOutsideTheRangeAreRefused) {
    EXPECT_NE(InfoOf(5343).find("  The Jewish year 5343 begins on"), std::string::npos);
    EXPECT_NE(InfoOf(10761).find("  The Jewish year 10761 begins on"), std::string::npos);
    engine.JYear = 6000;
    for (int jYear : {5342, 10762, 0, -32768, 32767}) {
        EXPECT_FALSE(JewishYearButtonReport(engine, jYear).has_value()) << jYear;
        EXPECT_EQ(engine.JYear, 6000);
    }
    // The holiday list needs GYear to match the year the prompt gave.
    engine.JYear = 5769;
    engine.GYear = 2009;
    EXPECT_FALSE(JewishYearCommandReport(engine).has_value());
    engine.ResultJYear = 5342;
    TakeJewishYearFromPrompt(engine);
    EXPECT_EQ(engine.GYear, 5342 - 3761);
    EXPECT_FALSE(JewishYearCommandReport(engine).has_value());
}

}  // namespace
}  // namespace qavo
