// The texts of the yearly reports; the report sweep checks every year's dates.
#include <gtest/gtest.h>

#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

using testing::JoinLines;

class YearReports : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    Engine engine{platform};

    static std::string Text(const std::optional<std::string>& text) {
        EXPECT_TRUE(text.has_value());
        return text.value_or("");
    }
    std::string ReportOf(int gYear) {
        engine.GYear = gYear;
        return Text(GregorianYearCommandReport(engine));
    }
    std::string InfoOf(int jYear) { return Text(JewishYearButtonReport(engine, jYear)); }
    std::string HolidaysOf(int jYear) {
        engine.ResultJYear = jYear;
        TakeJewishYearFromPrompt(engine);
        return Text(JewishYearCommandReport(engine));
    }
};

TEST_F(YearReports, GregorianYear2008IsExact) {
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
        "Yom Hashoah    Nis 26, 5768  Thu, May 01, 2008",
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
    EXPECT_EQ(engine.ResultJYear, 5768);  // as the command sets it
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
}

TEST_F(YearReports, JewishInformationOf5769IsExact) {
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
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
}

TEST_F(YearReports, JewishHolidaysOf5769AreExact) {
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
}

// Israel keeps Yom Hashoah off a Friday or a Sunday and, from 2004 on, Yom
// Haatzmaut off a Monday: the published dates
// of 2024, 2025 and 1997.
TEST_F(YearReports, TheMemorialAndIndependenceDaysMoveToTheirPublishedDates) {
    const struct {
        int gYear;
        const char* lines;
    } cases[] = {
        {2024,
         "Yom Hashoah    Nis 28, 5784  Mon, May 06, 2024\r\n"
         "Yom Haatzmaut Iyar  6, 5784  Tue, May 14, 2024\r\n"},
        {2025,
         "Yom Hashoah    Nis 26, 5785  Thu, Apr 24, 2025\r\n"
         "Yom Haatzmaut Iyar  3, 5785  Thu, May 01, 2025\r\n"},
        {1997,
         "Yom Hashoah    Nis 28, 5757  Mon, May 05, 1997\r\n"
         "Yom Haatzmaut Iyar  5, 5757  Mon, May 12, 1997\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(ReportOf(c.gYear).find(c.lines), std::string::npos) << c.gYear;
    }
}

// In Israel Simchat Torah is kept with Sh'mini Atzeret: on 24 October 2024.
TEST_F(YearReports, IsraelListsSimchatTorahOnShminiAtzeret) {
    const HolidayOptions israel{Schedule::Israel};
    const char* lines =
        "Sh'mini Atz   Tish 22, Thu, Oct 24, 2024\r\n"
        "Simchat Torah Tish 22, Thu, Oct 24, 2024\r\n";
    engine.ResultJYear = 5785;
    TakeJewishYearFromPrompt(engine);
    EXPECT_NE(Text(JewishYearCommandReport(engine, israel)).find(lines), std::string::npos);
    engine.GYear = 2024;
    EXPECT_NE(Text(GregorianYearCommandReport(engine, israel))
                  .find("Simchat Torah Tish 22, 5785  Thu, Oct 24, 2024\r\n"),
              std::string::npos);
}

// The whole holiday year in the dates calendars printed: the fasts of 2021
// (whose Adar has 29 days, so Rosh Chodesh Nisan is one day)
// and 2022 leave the Sabbath (Esther's and the firstborn's to the Thursday
// before), Shushan Purim's feast goes to the Sunday, and a leap year's Adar
// II rows widen rather than lose a letter.
TEST_F(YearReports, AllHolidaysListTheirObservedDays) {
    HolidayOptions all;
    all.holidays = HolidaySet::All;
    HolidayOptions israel = all;
    israel.schedule = Schedule::Israel;
    const struct {
        int gYear;
        HolidayOptions options;
        const char* lines;
    } cases[] = {
        {2021, all,
         "Taanit Esther Adar 13, 5781  Thu, Feb 25, 2021\r\n"
         "Purim         Adar 14, 5781  Fri, Feb 26, 2021\r\n"
         "Shushan Purim Adar 16, 5781  Sun, Feb 28, 2021\r\n"
         "Rosh Chodesh   Nis  1, 5781  Sun, Mar 14, 2021\r\n"
         "Taanit Bechor  Nis 12, 5781  Thu, Mar 25, 2021\r\n"
         "Erev Pesach    Nis 14, 5781  Sat, Mar 27, 2021\r\n"},
        {2022, all, "Tzom Tammuz    Tam 18, 5782  Sun, Jul 17, 2022\r\n"},
        {2024, all,
         "Purim Katan   Adar 14, 5784  Fri, Feb 23, 2024\r\n"
         "Rosh Chodesh  Adar 30, 5784  Sun, Mar 10, 2024\r\n"
         "Rosh Chodesh Adar II  1, 5784  Mon, Mar 11, 2024\r\n"
         "Taanit Esther Adar II 11, 5784  Thu, Mar 21, 2024\r\n"
         "Purim      Adar II 14, 5784  Sun, Mar 24, 2024\r\n"},
        {2024, all,
         "Rosh Hashanah Tish  2, 5785  Fri, Oct 04, 2024\r\n"
         "Tzom Gedaliah Tish  4, 5785  Sun, Oct 06, 2024\r\n"
         "Erev YomKipur Tish  9, 5785  Fri, Oct 11, 2024\r\n"},
        {2024, israel,
         "Yom HaZikaron Iyar  5, 5784  Mon, May 13, 2024\r\n"
         "Yom Haatzmaut Iyar  6, 5784  Tue, May 14, 2024\r\n"
         "Pesach Sheni  Iyar 14, 5784  Wed, May 22, 2024\r\n"
         "Lag B'Omer    Iyar 18, 5784  Sun, May 26, 2024\r\n"
         "Yom Yerushlym Iyar 28, 5784  Wed, Jun 05, 2024\r\n"},
        {2024, israel,
         "Succoth       Tish 15, 5785  Thu, Oct 17, 2024\r\n"
         "Chol HaMoed   Tish 16, 5785  Fri, Oct 18, 2024\r\n"},
        {2024, all,
         "Succoth       Tish 15, 5785  Thu, Oct 17, 2024\r\n"
         "Chol HaMoed   Tish 17, 5785  Sat, Oct 19, 2024\r\n"},
    };
    for (const auto& c : cases) {
        engine.GYear = c.gYear;
        EXPECT_NE(Text(GregorianYearCommandReport(engine, c.options)).find(c.lines),
                  std::string::npos)
            << c.lines;
    }
    // Before it was first kept: no Yom Yerushalayim in 1967, and the Jewish
    // year's list interleaves the added days with the fifteen.
    engine.GYear = 1967;
    EXPECT_EQ(Text(GregorianYearCommandReport(engine, all)).find("Yom Yerush"), std::string::npos);
    engine.ResultJYear = 5785;
    TakeJewishYearFromPrompt(engine);
    EXPECT_NE(Text(JewishYearCommandReport(engine, all))
                  .find("========================================\r\n"
                        "Rosh Hashanah Tish  1, Thu, Oct 03, 2024\r\n"
                        "Rosh Hashanah Tish  2, Fri, Oct 04, 2024\r\n"),
              std::string::npos);
}

// 1900, a century year, is common; 5768 is a leap year of Adar and Adar II.
TEST_F(YearReports, TheLinesOfLeapYearsAndTheRefusedYearPairs) {
    EXPECT_NE(ReportOf(1900).find("\r\n  It is not a leap year.\r\n"), std::string::npos);
    const std::string info = InfoOf(5768);
    EXPECT_NE(info.find("\r\n  therefore it is a leap year.\r\n"), std::string::npos);
    EXPECT_NE(info.find("\r\n  Adar      30     Thu, Feb 07, 2008\r\n"
                        "  Adar II   29     Sat, Mar 08, 2008\r\n"),
              std::string::npos);
    EXPECT_EQ(YearBelowRangeMessage(), "Can not be less than  1583");
    // The builders insist on the Jewish year that began before G, the holiday
    // list on the GYear of the prompt (2009 holds 29 Elul 5769, not 1 Tishri).
    engine.GYear = 2008;
    engine.JYear = 5769;
    EXPECT_FALSE(GregorianYearReport(engine).has_value());
    engine.GYear = 2009;
    EXPECT_FALSE(JewishYearCommandReport(engine).has_value());
}

}  // namespace
}  // namespace qavo
