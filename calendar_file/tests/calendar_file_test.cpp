// Calendar files read back with libical and checked against the reports'
// own lines; calendar_file_sweep_test.cpp does it for every Gregorian year.
#include "calendar_file/tests/read_back.hpp"
#include "holidays/conversion_report.hpp"
#include "holidays/gregorian_year_report.hpp"
#include "holidays/jewish_year_report.hpp"

namespace qavo::testing {
namespace {

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
}  // namespace qavo::testing
