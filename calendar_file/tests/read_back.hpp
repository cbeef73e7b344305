#pragma once
// Calendar files read back with libical, each event checked against the
// line of the report it came from.

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <chrono>
#include <ctime>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calendar_file/calendar_file.hpp"
#include "holidays/tests/report_lines.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo::testing {

constexpr std::time_t kNewYear2024 = 1704067200;  // 2024-01-01 00:00:00 UTC

struct Event {
    GregorianDate start, end;
    std::string summary, description, uid;
    bool transparent = false;
};

inline GregorianDate DateOf(const icaltimetype& time) {
    EXPECT_TRUE(time.is_date);
    return {static_cast<Integer>(time.year), static_cast<Integer>(time.month),
            static_cast<Integer>(time.day)};
}

inline std::vector<Event> Parse(const std::string& text) {
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

inline GregorianDate NextDay(const GregorianDate& date) {
    using namespace std::chrono;
    const year_month_day next{sys_days{year{date.year} / date.month / date.day} + days{1}};
    return {static_cast<Integer>(int(next.year())), static_cast<Integer>(unsigned(next.month())),
            static_cast<Integer>(unsigned(next.day()))};
}

// The date at the end of a holiday line ("Tue, Sep 30, 2008") or of an
// anniversary line ("Sun, April     20, 2008").
inline GregorianDate DateAtTheEnd(std::string_view line, bool longMonth) {
    const testing::ShortDate d = testing::ReadDate(line, longMonth);
    return {Integer(d.year), Integer(d.month), Integer(d.day)};
}

inline std::string Trimmed(std::string_view text) {
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

}  // namespace qavo::testing
