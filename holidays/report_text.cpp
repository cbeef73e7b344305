#include "holidays/report_text.hpp"

#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"

namespace qavo {

namespace {
std::string DateText(int weekday, std::string_view monthText, int day, int year) {
    std::string text(DayName(weekday));
    text += ", ";
    text += monthText;
    text += ' ';
    text += TwoDigit(day);
    text += ',';
    text += BlankSigned(year);
    return text;
}
}  // namespace

std::string ShortDateText(int weekday, int month, int day, int year) {
    return DateText(weekday, GMonthAbbr(month), day, year);
}

std::string LongDateText(int weekday, int month, int day, int year) {
    return DateText(weekday, GMonthName(month), day, year);
}

}  // namespace qavo
