#pragma once
// Calendar files (iCalendar): the days of a holiday or anniversary list as
// all-day events that any calendar program can import.

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/listed_days.hpp"
#include "safe_file/file_result.hpp"

namespace qavo {

// The identifier of the event of one day: the same in every export, and
// different for two days or two names.
std::string CalendarEventUid(const GregorianDate& date, std::string_view summary);

// The whole file, lines ended by CRLF and folded at 75 octets: one all-day
// event per day, shown as free time, summary the day's name, description its
// report line, both trimmed of blank padding and of control characters;
// stamped with `exportTime` in UTC.
std::string CalendarFileText(const std::vector<ListedDay>& days, std::time_t exportTime);

// Writes that file whole or not at all.
FileResult WriteCalendarFile(const std::string& path, const std::vector<ListedDay>& days,
                             std::time_t exportTime);

}  // namespace qavo
