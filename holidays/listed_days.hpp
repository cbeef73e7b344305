#pragma once
// The days a holiday list or an anniversary list names, beside its text: a
// calendar file is made of these, never of the text read back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/types.hpp"

namespace qavo {

struct ListedDay {
    GregorianDate date;
    std::string name;  // the holiday as the report spells it, or the anniversary's title
    std::string line;  // the report's line for the day, without its line end
};

struct ListedReport {
    std::string text;
    std::vector<ListedDay> days;  // empty for a report that lists no days (a conversion)
};

// The name of holiday table entry 1..15 without its blank padding: the row
// without the Jewish date of its last 8 characters ("Purim", "Sh'mini Atz").
// A shifted row keeps the name of its entry.
std::string HolidayName(int entry);

// The text alone, for the callers that show only the text.
std::optional<std::string> TextOf(std::optional<ListedReport> report);

}  // namespace qavo
