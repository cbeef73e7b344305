// The command line: each command's arguments, exit status and one text; the
// report texts themselves are checked in the logic's tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/tests/run_cli.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo::cli {
namespace {

TEST(Cli, EachCommandPrintsItsText) {
    // Today is 3 October 2024, 1 Tishri 5785 (run_cli.hpp).
    const struct {
        std::vector<std::string> words;
        std::string out;
    } cases[] = {
        {{"g2j"}, "5785 1 1 1 4\n"},
        {{"g2j", "--from", "2024-10-02", "--to", "2024-10-03"},
         "2024-10-02 5784 13 29 13 3\n2024-10-03 5785 1 1 1 4\n"},
        {{"g2j", "7000-12-31"}, "10761 3 15 3 3\n"},
        {{"year", "10761"}, "10761 7000-10-18 6 3 7\n"},
        // 5776 closed a cycle: a Monday new year, a full leap year of 385 days.
        {{"year", "5776"}, "5776 2015-09-14 1 6 19\n"},
        {{"convert-greg", "2008-04-20", "--anniv", "2", "--heading", "Passover"},
         "Passover\r\nNisan 15, 5768\r\n\r\nSun, April     20, 2008\r\nThu, April     09, "
         "2009\r\n"},
        // A Jewish month is a name of the year's list or its position there.
        {{"convert-jewish", "5768", "8", "15", "--anniv", "0"},  // a leap year
         "Nisan 15, 5768\r\n\r\nSun, April     20, 2008\r\n"},
        {{"convert-jewish", "5768", "aDaR iI", "14"},
         "Adar II 14, 5768\r\n\r\nFri, March     21, 2008\r\n"},
        // Shabbat Shuva of 5785 began on Thursday 3 October 2024.
        {{"readings", "2024-10-01"},
         "Torah reading: Ha'azinu, Deut 32:1-52\r\nProphets: II Sam 22:1-51\r\n"
         " Replaced by: Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva\r\n\r\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.words);
        EXPECT_EQ(r.status, 0) << c.words[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.words[0];
    }
    EXPECT_EQ(RunCli({"readings"}).out, RunCli({"readings", "2024-10-05"}).out);
}

// The reports' texts are the logic's: here each command reaches its report.
// The month page's grid and cells are the command line's own.
TEST(Cli, TheLongerTextsBeginWithTheirFirstLine) {
    const struct {
        std::vector<std::string> words;
        std::vector<std::string> parts;  // the first one begins the text
        long lines;                      // 0: not counted
    } cases[] = {
        {{"greg-year", "2008"}, {"  The Gregorian year 2008 begins in 5768\r\n"}, 0},
        {{"jewish-info", "5769"}, {"  The Jewish year 5769 begins on Tue, Sep 30, 2008.\r\n"}, 0},
        {{"jewish-holidays", "10760"}, {"  The Jewish year 10760 begins on"}, 0},
        {{"convert-jewish", "10760", "Nisan", "15", "--anniv", "2"}, {"Nisan 15, 10760\r\n"}, 0},
        // 1 October 2024 was a Tuesday, 28 Elul; 3 October is today, Rosh Hashanah.
        {{"month", "2024", "10"},
         {"October 2024   Jewish year 5784\n\n"
          "Sun         Mon         Tue         Wed         Thu         Fri         Sat\n",
          "\n                        1           2           3 *         4           5\n"
          "                        Elul 28     Elul 29     Tishri 1    Tishri 2    Tishri 3\n"
          "                                                Rosh Hash\n"},
         23},
        {{"month", "2024", "4", "--cells"},
         {"1\t\t\n2\t 1\tAdar II 22 | \n", "\n24\t 23\tNisan 15 | Passover\n", "\n42\t\t\n"},
         42},
        // Israel kept the first day of Succoth on 17 October 2024, the second
        // day of the diaspora is a plain one, and Simchat Torah has no day of its own.
        {{"month", "2024", "10", "--cells", "--schedule", "Israel"},
         {"1\t\t\n", "\n19\t 17\tTishri 15 | Succoth\n20\t 18\tTishri 16 | \n",
          "\n26\t 24\tTishri 22 | Sh'mini Atz\n27\t 25\tTishri 23 | \n"},
         42},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.words);
        EXPECT_EQ(r.status, 0) << c.words[0] << ": " << r.err;
        EXPECT_TRUE(r.out.starts_with(c.parts[0])) << r.out;
        for (const std::string& part : c.parts) {
            EXPECT_NE(r.out.find(part), std::string::npos) << part;
        }
        if (c.lines > 0) {
            EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.lines) << c.words[0];
        }
    }
}

// Command lines separated by ";", their words by blanks ("_" stands for a
// blank inside a word).
std::vector<std::vector<std::string>> CommandLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream all(text);
    for (std::string line; std::getline(all, line, ';');) {
        std::istringstream words(line);
        lines.emplace_back();
        for (std::string word; words >> word; lines.back().push_back(word)) {
            std::replace(word.begin(), word.end(), '_', ' ');
        }
    }
    return lines;
}

TEST(Cli, BadInputPrintsOneLineAndExitsWithTwo) {
    // The empty command line first. Heshvan 5772 has 29 days, 5785 is a common
    // year, 5000 days pass 30,000 characters, and without data files New York
    // is the only city.
    const auto bad = CommandLines(
        "; nonsense; g2j 2023-02-29; g2j 1582-12-31; g2j 7001-01-01; "
        "g2j 2024-2-29; g2j 2024-02-2x; g2j 2024-01-01 2024-01-02; g2j --from 2024-01-02; "
        "g2j --from 2024-01-02 --to 2024-01-01; g2j --to; g2j --bogus; year 5342; "
        "year 10762; year 57x0; readings 2024-12-28 2024-12-29; greg-year 1582; "
        "greg-year 7001; jewish-info 10761; jewish-holidays 5768 5769; "
        "convert-greg 2008-01-01 --heading x; convert-greg 2008-01-01 --anniv 1x; "
        "convert-greg 2008-01-01 --anniv 99999; convert-greg 7000-12-31 --anniv 2; "
        "convert-jewish 5772 Heshvan 30; convert-jewish 5785 Adar_II 1; "
        "convert-jewish 5785 13 1; convert-jewish 5785 0 1; "
        "convert-jewish 5785 Nisan 0; convert-jewish 5785 Nisan; "
        "convert-jewish 10760 Nisan 15 --anniv 3; month 2024; month 1582 12; "
        "month 2024 13; month 2024 4 --grid; sunset; sunset 2024-13-01; "
        "sunset 2024-12-21 --city 1; sunset 2024-12-21 --city Paris; "
        "sunset-list 2024-10-01 0; sunset-list 2024-10-01 40000; "
        "sunset-list 2024-10-01 5000; sunset-list 7000-12-30 3; readings-list 2024-10-01 -3; "
        "sunset 2024-12-21 --data-dir /nonexistent-qavo-folder; ics; ics sunset-list; "
        "ics --bogus greg-year 2026; ics greg-year; ics greg-year 2026 --anniv 2; "
        "ics jewish-year 10761; ics anniversaries 5768 Nisan; "
        "ics anniversaries 2008-04-20 --anniv x; ics greg-year 2026 --output; "
        "greg-year 2024 --schedule mars; greg-year 2024 --holidays some; "
        "readings-list 2024-10-01 3 --schedule mars; readings 2024-10-05 --holidays all; "
        "convert-greg 2008-04-20 --anniv 3 --anniv 5");
    testing::TempDir noDataFiles;
    for (const auto& words : bad) {
        const CliResult r = RunCli(words, noDataFiles.path());
        const std::string command = words.empty() ? "" : words[0] + " " + words.back();
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_TRUE(r.out.empty()) << command;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << command << ": " << r.err;
        EXPECT_TRUE(r.messages.empty()) << command;  // the error line says it all
    }
    EXPECT_EQ(RunCli({}).err, "qavo-cli: no command given (see --help)\n");
    EXPECT_EQ(RunCli(bad.back()).err, "qavo-cli: --anniv is given twice\n");
    // What the user typed comes back with its control characters escaped.
    EXPECT_EQ(RunCli({"g2j", "\x1B[2J\n\xC2\x9B"}).err,
              "qavo-cli: not a date in the form YYYY-MM-DD: \\x1B[2J\\x0A\\x9B\n");
    const CliResult refused = RunCli({"convert-jewish", "10760", "Nisan", "15", "--anniv", "3"});
    EXPECT_NE(refused.err.find(": Enter at most 2 successive years"),
              std::string::npos);  // as given
}

// A failed write of the output exits with 1 after one line naming what failed.
TEST(Cli, AnOutputThatCannotBeWrittenIsToldAndExitsWithOne) {
    testing::FakePlatform platform({2024, 10, 3});
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"greg-year", "2008"}, std::vector<std::string>{"--help"}}) {
        std::ofstream full("/dev/full");
        std::ostringstream err;
        EXPECT_EQ(cli::Run(words, full, err, platform), 1) << words[0];
        EXPECT_EQ(err.str(),
                  "qavo-cli: standard output could not be written: No space left on device\n");
    }
    const struct {
        std::string file, reason;
    } outputs[] = {
        {"/dev/null", "it is a device, pipe or other special file"},
        {"/nonexistent-qavo-folder/a.ics", "No such file or directory"},
    };
    for (const auto& o : outputs) {
        const CliResult r = RunCli({"ics", "greg-year", "2026", "--output", o.file});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "qavo-cli: " + o.file + " could not be written: " + o.reason + "\n");
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

// Whatever goes wrong inside, the tool ends with one line, never an abort.
TEST(Cli, AnUnexpectedFailureIsOneLineAndStatusTwo) {
    struct UnreadableFolder : testing::FakePlatform {
        std::string ProgramDirectory() override {
            throw std::filesystem::filesystem_error(
                "cannot read", std::make_error_code(std::errc::permission_denied));
        }
    } platform;
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run({"greg-year", "2008"}, out, err, platform), 2);
    EXPECT_EQ(err.str(), "qavo-cli: filesystem error: cannot read: Permission denied\n");
}

// Simchat Torah 5785: 24 October 2024 in Israel, 25 October in the diaspora;
// Rosh Chodesh Heshvan began on 1 November.
TEST(Cli, TheSettingsFileChoosesTheScheduleAndTheOptionOverridesIt) {
    testing::TempDir dir;
    dir.Write("QAVOWIN.INI", "[OPTIONS]\r\nSchedule=Israel\r\nHolidays=ALL\r\n");
    const std::vector<std::string> list = {"sunset-list", "2024-10-24", "9"};
    const std::string israel = RunCli(list, dir.path()).out;
    EXPECT_NE(israel.find("\r\nSh'mini Atz   Tish 22,\r\n"), std::string::npos) << israel;
    EXPECT_NE(israel.find("\r\nRosh Chodesh  Tish 30,\r\n"), std::string::npos) << israel;
    EXPECT_EQ(israel.find("Simchat Torah"), std::string::npos);
    std::vector<std::string> diaspora = list;
    diaspora.insert(diaspora.end(), {"--schedule", "diaspora", "--holidays", "major"});
    const std::string major = RunCli(diaspora, dir.path()).out;
    EXPECT_NE(major.find("\r\nSimchat Torah Tish 23,\r\n"), std::string::npos);
    EXPECT_EQ(major.find("Rosh Chodesh"), std::string::npos);
    // 27 April 2019: Aharei Mot in Israel, the eighth day of Passover in the diaspora.
    EXPECT_NE(RunCli({"readings-list", "2019-04-27", "1"}, dir.path()).out.find("Aharei Mot"),
              std::string::npos);
    EXPECT_TRUE(RunCli({"readings", "2019-04-27", "--schedule", "diaspora"}, dir.path())
                    .out.starts_with("Torah reading: Pesach 8,"));
}

TEST(Cli, HelpListsTheCommandsOnStandardOutput) {
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty());
    for (const char* usage : {"g2j [YYYY-MM-DD]", "J (5343..10761)", "J (5343..10760)",
                              "ics LIST [--output FILE]", "readings-list YYYY-MM-DD N"}) {
        EXPECT_NE(r.out.find(usage), std::string::npos) << usage;
    }
}

}  // namespace
}  // namespace qavo::cli
