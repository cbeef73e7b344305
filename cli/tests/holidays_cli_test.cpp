#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunWords(std::vector<std::string> words) {
    testing::FakePlatform platform({2024, 10, 3});
    std::ostringstream out, err;
    const int status = Run(words, out, err, platform);
    return {status, out.str(), err.str()};
}

TEST(HolidaysCli, PrintsTheReportTexts) {
    const Result year = RunWords({"greg-year", "2008"});
    EXPECT_EQ(year.status, 0);
    EXPECT_TRUE(year.out.starts_with("  The Gregorian year 2008 begins in 5768\r\n"));
    EXPECT_TRUE(year.out.ends_with("Hanukkah       Kis 25, 5769  Mon, Dec 22, 2008\r\n"));
    EXPECT_EQ(std::count(year.out.begin(), year.out.end(), '\n'), 20);

    const Result info = RunWords({"jewish-info", "5769"});
    EXPECT_TRUE(info.out.starts_with("  The Jewish year 5769 begins on Tue, Sep 30, 2008.\r\n"));
    EXPECT_TRUE(info.out.ends_with("  Elul      29     Fri, Aug 21, 2009\r\n"));

    const Result holidays = RunWords({"jewish-holidays", "5769"});
    EXPECT_TRUE(holidays.out.ends_with("Erev RoshHash Elul 29, Fri, Sep 18, 2009\r\n"));
    EXPECT_EQ(std::count(holidays.out.begin(), holidays.out.end(), '\n'), 21);
}

TEST(HolidaysCli, ConvertsAndListsAnniversaries) {
    EXPECT_EQ(RunWords({"convert-greg", "2008-04-20"}).out,
              "Nisan 15, 5768\r\n\r\nSun, April     20, 2008\r\n");
    EXPECT_EQ(RunWords({"convert-greg", "2008-04-20", "--anniv", "2", "--heading", "Passover"}).out,
              "Passover\r\nNisan 15, 5768\r\n\r\nSun, April     20, 2008\r\n"
              "Thu, April     09, 2009\r\n");
    const std::string nisan = "Nisan 15, 5768\r\n\r\nSun, April     20, 2008\r\n";
    EXPECT_EQ(RunWords({"convert-jewish", "5768", "nisan", "15"}).out, nisan);
    EXPECT_EQ(RunWords({"convert-jewish", "5768", "8", "15"}).out, nisan);  // 8th of a leap year
    EXPECT_EQ(RunWords({"convert-jewish", "5768", "aDaR iI", "14"}).out,
              "Adar II 14, 5768\r\n\r\nFri, March     21, 2008\r\n");
    EXPECT_EQ(RunWords({"convert-jewish", "5769", "7", "15"}).out,
              "Nisan 15, 5769\r\n\r\nThu, April     09, 2009\r\n");  // 7th of a common year
    EXPECT_EQ(RunWords({"convert-jewish", "5770", "Heshvan", "30", "--anniv", "3"}).out,
              "Heshvan 30, 5770\r\n\r\nTue, November  17, 2009\r\nSun, November  07, 2010\r\n"
              "Sun, November  27, 2011\r\n");
    EXPECT_EQ(RunWords({"convert-jewish", "5768", "Nisan", "15", "--anniv", "0"}).out, nisan);
    EXPECT_EQ(RunWords({"convert-jewish", "10760", "Nisan", "15", "--anniv", "2"}).status, 0);
}

TEST(HolidaysCli, BadInputPrintsOneLineAndExitsWithTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"greg-year", "1582"},
        {"greg-year", "7001"},
        {"greg-year"},
        {"jewish-info", "5342"},
        {"jewish-info", "10761"},
        {"jewish-holidays", "10761"},
        {"jewish-holidays", "5768", "5769"},
        {"convert-greg", "2023-02-29"},
        {"convert-greg", "2008-01-01", "--heading", "x"},
        {"convert-greg", "2008-01-01", "--anniv", "1x"},
        {"convert-greg", "2008-01-01", "--anniv", "99999"},
        {"convert-greg", "7000-12-31", "--anniv", "2"},
        {"convert-jewish", "5772", "Heshvan", "30"},  // 29 days that year
        {"convert-jewish", "5785", "Adar II", "1"},   // a common year
        {"convert-jewish", "5785", "13", "1"},
        {"convert-jewish", "5785", "0", "1"},
        {"convert-jewish", "5785", "Nisan", "0"},
        {"convert-jewish", "5785", "Nisan"},
        {"convert-jewish", "10760", "Nisan", "15", "--anniv", "3"},
    };
    for (const auto& words : bad) {
        const Result r = RunWords(words);
        EXPECT_EQ(r.status, 2) << words[0] << ' ' << (words.size() > 1 ? words[1] : "");
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(RunWords({"convert-jewish", "10760", "Nisan", "15", "--anniv", "3"}).err,
              "qavo-cli: Enter at most 2 successive years: the calendar ends with the Jewish "
              "year 10761.\n");
}

}  // namespace
}  // namespace qavo::cli
