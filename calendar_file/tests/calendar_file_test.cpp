// Calendar files read back with libical and checked against the reports'
// own lines, over the whole range.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <chrono>
#include <set>

#include "calendar_file/calendar_file.hpp"
#include "holidays/conversion_report.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"
#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

constexpr std::time_t kNewYear2024 = 1704067200;  // 2024-01-01 00:00:00 UTC

struct Event {
    GregorianDate start, end;
    std::string summary, description, uid;
    bool transparent = false;
};

GregorianDate DateOf(const icaltimetype& time) {
    EXPECT_TRUE(time.is_date);
    return {static_cast<Integer>(time.year), static_cast<Integer>(time.month),
            static_cast<Integer>(time.day)};
}

std::vector<Event> Parse(const std::string& text) {
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    EXPECT_NE(calendar, nullptr);
    std::vector<Event> events;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         e != nullptr; e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        icalproperty* transp = icalcomponent_get_first_property(e, ICAL_TRANSP_PROPERTY);
        events.push_back(
            {DateOf(icalcomponent_get_dtstart(e)), DateOf(icalcomponent_get_dtend(e)),
             icalcomponent_get_summary(e), icalcomponent_get_description(e),
             icalcomponent_get_uid(e),
             transp != nullptr && icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT});
    }
    icalcomponent_free(calendar);
    return events;
}

GregorianDate NextDay(const GregorianDate& date) {
    using namespace std::chrono;
    const year_month_day next{sys_days{year{date.year} / date.month / date.day} + days{1}};
    return {static_cast<Integer>(int(next.year())), static_cast<Integer>(unsigned(next.month())),
            static_cast<Integer>(unsigned(next.day()))};
}

// The date at the end of a holiday line ("Tue, Sep 30, 2008") or of an
// anniversary line ("Sun, April     20, 2008").
GregorianDate DateAtTheEnd(std::string_view line, bool longMonth) {
    const testing::ShortDate d = testing::ReadDate(line, longMonth);
    return {Integer(d.year), Integer(d.month), Integer(d.day)};
}

std::string Trimmed(std::string_view text) {
    return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

struct CalendarFileTest : ::testing::Test {
    testing::FakePlatform platform;
    Engine engine{platform};
    std::set<std::string> uids;  // of every event of a test

    // Each event against the report line at `lines[first + i]`.
    void ExpectEventsMatchLines(const ListedReport& report, std::size_t first, bool holidays) {
        const std::vector<Event> events = Parse(CalendarFileText(report.days, kNewYear2024));
        bool wellFormed = false;
        const std::vector<std::string> lines = testing::SplitLines(report.text, wellFormed);
        ASSERT_EQ(events.size() + first, lines.size());
        for (std::size_t i = 0; i < events.size(); ++i) {
            const Event& e = events[i];
            const std::string& line = lines[first + i];
            if (holidays) {
                EXPECT_EQ(e.start, DateAtTheEnd(line, false)) << line;
                EXPECT_TRUE(line.starts_with(e.summary + ' ') && e.summary.back() != ' ') << line;
            } else {
                EXPECT_EQ(e.start, DateAtTheEnd(line, true)) << line;
            }
            EXPECT_EQ(e.end, NextDay(e.start));
            EXPECT_EQ(e.description, Trimmed(line));
            EXPECT_TRUE(e.transparent);
            EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
        }
    }
};

TEST_F(CalendarFileTest, EveryGregorianYearsHolidaysComeBackFromTheFile) {
    for (int g = kFirstGregorianYear; g <= kLastGregorianYear; ++g) {
        engine.GYear = g;
        const std::optional<ListedReport> report = GregorianYearCommandListing(engine);
        ASSERT_TRUE(report) << g;
        ExpectEventsMatchLines(*report, 6, true);  // after the six lines of the header
    }
}

TEST_F(CalendarFileTest, AJewishYearsHolidays) {
    engine.ResultJYear = 5786;
    TakeJewishYearFromPrompt(engine);
    const std::optional<ListedReport> report = JewishYearCommandListing(engine);
    ASSERT_TRUE(report);
    ExpectEventsMatchLines(*report, 6, true);
    EXPECT_EQ(report->days.back().name, "Erev RoshHash");
}

TEST_F(CalendarFileTest, AnniversariesToTheCalendarsEndUnderAUtf8Heading) {
    const std::string heading = "Jahrzeit von Zoë Müller, geb. Weiß; Großvater\\Großmutter: לזכר";
    engine.ResultJYear = kFirstJewishYear;
    TakeJewishYearFromPrompt(engine);
    engine.JDay = 30;
    engine.AnnivMode = true;
    engine.SuccYears = MaxSuccessiveYears(kFirstJewishYear);
    const std::optional<ListedReport> report = ConvertFromJewishListing(engine, 1, heading);
    ASSERT_TRUE(report);  // 30 Heshvan 5343, in every year to 10761
    ASSERT_EQ(report->days.size(), 10761u - 5343u + 1u);
    ExpectEventsMatchLines(*report, 3, false);  // after heading, Jewish date, empty line
    EXPECT_EQ(Parse(CalendarFileText(report->days, kNewYear2024)).back().summary, heading);

    // Without a heading, the Jewish date names the events.
    engine.SuccYears = 2;
    const std::vector<Event> plain =
        Parse(CalendarFileText(ConvertFromJewishListing(engine, 1, "")->days, kNewYear2024));
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(plain[1].summary, "Heshvan 30, 5343");
    // A plain conversion lists no days.
    engine.AnnivMode = false;
    EXPECT_TRUE(ConvertFromJewishListing(engine, 1, "")->days.empty());
}

TEST_F(CalendarFileTest, IdentifiersStayAcrossExportsAndTheStampIsTheExportTime) {
    engine.GYear = 2026;
    const std::vector<ListedDay> days = GregorianYearCommandListing(engine)->days;
    const std::string first = CalendarFileText(days, kNewYear2024);
    const std::string later = CalendarFileText(days, kNewYear2024 + 86400 + 3661);
    EXPECT_NE(first.find("\r\nDTSTAMP:20240101T000000Z\r\n"), std::string::npos);
    EXPECT_NE(later.find("\r\nDTSTAMP:20240102T010101Z\r\n"), std::string::npos);
    const std::vector<Event> a = Parse(first), b = Parse(later);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].uid, b[i].uid);
    }
    EXPECT_NE(CalendarEventUid({2026, 4, 2}, "Passover"), CalendarEventUid({2026, 4, 2}, "Purim"));
}

// Names of every length across the folds: each line ends in CRLF alone, holds
// at most 75 octets and never splits a character; the names read back whole.
// Control characters, which the format forbids, are left out.
TEST_F(CalendarFileTest, LinesFoldCleanlyAndHoldNoControlCharacters) {
    std::vector<ListedDay> days;
    for (std::size_t length = 60; length <= 300; ++length) {
        days.push_back({{2026, 1, 1}, std::string(length, 'a'), std::string(length, 'b')});
    }
    for (std::string accented(53, 'a'); accented.size() < 73;) {
        accented += "\xC3\xA9";  // é
        days.push_back({{2026, 1, 1}, accented, accented});
    }
    days.push_back({{2026, 1, 2},
                    "a\x01"
                    "b\x1B[31mc\x7F\td\r\ne",
                    "x\x1F"});
    const std::string text = CalendarFileText(days, kNewYear2024);
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string_view line(text.data() + start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
        const std::size_t first = line.starts_with(' ') ? 1 : 0;
        EXPECT_TRUE(line.size() == first ||
                    (static_cast<unsigned char>(line[first]) & 0xC0) != 0x80)
            << line;
    }
    const std::vector<Event> events = Parse(text);
    ASSERT_EQ(events.size(), days.size());
    for (std::size_t i = 0; i + 1 < days.size(); ++i) {
        EXPECT_EQ(events[i].summary, days[i].name);
        EXPECT_EQ(events[i].description, days[i].line);
    }
    EXPECT_EQ(events.back().summary, "ab[31mc\tde");
    EXPECT_EQ(events.back().description, "x");
}

}  // namespace
}  // namespace qavo
