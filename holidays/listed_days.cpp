#include "holidays/listed_days.hpp"

#include "engine/plain_text.hpp"
#include "holidays/holiday_table.hpp"

namespace qavo {

namespace {
constexpr std::size_t kJewishDateWidth = 8;  // "Tish  1,", " Nis 15,"
}  // namespace

std::string HolidayName(int entry) {
    const std::string_view row = HolidayDef(entry);
    const std::string_view name = row.substr(0, row.size() - kJewishDateWidth);
    return std::string(WithoutTrailingBlanks(name));
}

std::optional<std::string> TextOf(std::optional<ListedReport> report) {
    if (!report) {
        return std::nullopt;
    }
    return std::move(report->text);
}

}  // namespace qavo
