// qavo-cli ics: the calendar files of the holiday and anniversary lists.
#include <gtest/gtest.h>

#include "cli/tests/run_cli.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo::cli {
namespace {

long Count(const std::string& text, const std::string& what) {
    long count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// Drops the DTSTAMP lines, which carry the time of the run.
std::string WithoutStamps(std::string text) {
    for (std::size_t at = text.find("DTSTAMP:"); at != std::string::npos;
         at = text.find("DTSTAMP:", at)) {
        text.erase(at, text.find("\r\n", at) + 2 - at);
    }
    return text;
}

TEST(CalendarCli, EachListGivesOneEventPerListedDay) {
    const struct {
        std::vector<std::string> words;
        long events;
        std::string summary;  // escaped as the file writes it
        long summaries;
    } cases[] = {
        {{"greg-year", "2026"}, 14, "Passover", 1},
        {{"jewish-year", "5786"}, 15, "Erev RoshHash", 1},
        {{"anniversaries", "2008-04-20", "--anniv", "3", "--heading", "Seder"}, 3, "Seder", 3},
        {{"anniversaries", "5768", "Nisan", "15", "--anniv", "2"}, 2, "Nisan 15\\, 5768", 2},
        {{"anniversaries", "5768", "Nisan", "15", "--heading", "Seder"}, 1, "Seder", 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = c.words;
        words.insert(words.begin(), "ics");
        const CliResult r = RunCli(words);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.out.starts_with("BEGIN:VCALENDAR\r\n")) << r.out;
        EXPECT_EQ(Count(r.out, "\r\nBEGIN:VEVENT\r\n"), c.events) << c.words[1];
        EXPECT_EQ(Count(r.out, "\r\nSUMMARY:" + c.summary + "\r\n"), c.summaries);
    }
}

TEST(CalendarCli, OutputWritesTheSameFileAndARefusedListWritesNothing) {
    testing::TempDir dir;
    const CliResult shown = RunCli({"ics", "greg-year", "2026"});
    const CliResult written = RunCli({"ics", "--output", dir / "a.ics", "greg-year", "2026"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(written.out.empty());
    EXPECT_EQ(WithoutStamps(dir.Read("a.ics")), WithoutStamps(shown.out));

    const std::string kept = dir.Read("a.ics");
    for (const std::vector<std::string>& refused : {
             std::vector<std::string>{"greg-year", "7001"},
             {"anniversaries", "10760", "Nisan", "15", "--anniv", "3"},
         }) {
        for (const std::string file : {"a.ics", "b.ics"}) {
            std::vector<std::string> words = refused;
            words.insert(words.begin(), {"ics", "--output", dir / file});
            EXPECT_EQ(RunCli(words).status, 2) << refused[1];
        }
    }
    EXPECT_EQ(dir.Listing(), "a.ics");
    EXPECT_EQ(dir.Read("a.ics"), kept);
}

}  // namespace
}  // namespace qavo::cli
