#include "calendar_file/calendar_file.hpp"

#include <libical/ical.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/plain_text.hpp"
#include "safe_file/safe_file.hpp"

namespace qavo {

namespace {

// A name that no real host carries, so the identifiers never clash with
// those of another program.
constexpr std::string_view kUidDomain = "@qavo.invalid";
constexpr const char* kProductId = "-//QAVO//QAVO Jewish and Gregorian Calendar//EN";

// A property text as the calendar format allows it: without blank padding,
// and without control characters other than the tab, which it forbids.
std::string CleanText(std::string_view text) {
    std::string clean;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 0x20 && byte != 0x7F) || c == '\t') {
            clean += c;
        }
    }
    return std::string(WithoutBlanks(clean));
}

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kMaxLineOctets = 75;

// The text with every line folded to at most 75 octets, never inside a UTF-8
// character, each line ended by CRLF. libical's own folding can put a fold
// between the CR and the LF of a line end, so its folds are undone first.
std::string Refolded(std::string_view text) {
    std::string unfolded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "\r\n " || text.substr(i, 3) == "\r\n\t") {
            i += 2;
        } else {
            unfolded += text[i];
        }
    }
    std::string folded;
    std::size_t start = 0;
    while (start < unfolded.size()) {
        std::size_t end = unfolded.find(kLineEnd, start);
        end = end == std::string::npos ? unfolded.size() : end;
        std::string_view line(unfolded.data() + start, end - start);
        std::size_t room = kMaxLineOctets;
        while (line.size() > room) {
            std::size_t cut = room;
            while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
                --cut;  // back to the first byte of a character
            }
            folded.append(line.substr(0, cut)).append(kLineEnd).append(" ");
            line.remove_prefix(cut);
            room = kMaxLineOctets - 1;  // after the fold's blank
        }
        folded.append(line).append(kLineEnd);
        start = end + kLineEnd.size();
    }
    return folded;
}

// FNV-1a: a fixed hash, the same on every machine and in every run.
std::uint64_t StableHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// A DATE value. libical's own date constructor refuses years after 3000,
// while its reader and writer take every four-digit year: the value is made
// from its text.
icalproperty* DateProperty(icalproperty_kind kind, const icaltimetype& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    icalproperty* property = icalproperty_new(kind);
    icalproperty_set_value(property, icalvalue_new_from_string(ICAL_DATE_VALUE, text));
    return property;
}

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

icalcomponent* NewEvent(const ListedDay& day, const icaltimetype& stamp) {
    const std::string summary = CleanText(day.name);
    icaltimetype start = icaltime_null_date();
    start.year = day.date.year;
    start.month = day.date.month;
    start.day = day.date.day;
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event,
                               icalproperty_new_uid(CalendarEventUid(day.date, summary).c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, DateProperty(ICAL_DTSTART_PROPERTY, start));
    icalcomponent_add_property(event, DateProperty(ICAL_DTEND_PROPERTY, end));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    icalcomponent_add_property(event, icalproperty_new_description(CleanText(day.line).c_str()));
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

}  // namespace

std::string CalendarEventUid(const GregorianDate& date, std::string_view summary) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%016llx", date.year, date.month, date.day,
                  static_cast<unsigned long long>(StableHash(summary)));
    return std::string(text) + std::string(kUidDomain);
}

std::string CalendarFileText(const std::vector<ListedDay>& days, std::time_t exportTime) {
    const std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(exportTime, 0, icaltimezone_get_utc_timezone());
    for (const ListedDay& day : days) {
        icalcomponent_add_component(calendar.get(), NewEvent(day, stamp));
    }
    char* raw = icalcomponent_as_ical_string_r(calendar.get());
    std::string text = Refolded(raw == nullptr ? "" : raw);
    icalmemory_free_buffer(raw);
    return text;
}

FileResult WriteCalendarFile(const std::string& path, const std::vector<ListedDay>& days,
                             std::time_t exportTime) {
    return ReplaceFileSafely(path, CalendarFileText(days, exportTime));
}

}  // namespace qavo
