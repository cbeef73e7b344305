#include "ui/dialogs/box_steps.hpp"

#include "engine/number_text.hpp"

namespace qavo::ui {

namespace {
long NumberOf(std::string_view box) {
    return ReadLeadingNumber(box).value;
}
}  // namespace

std::string DayUpText(std::string_view box, int monthLength) {
    const long day = NumberOf(box);
    return day >= monthLength ? BlankSigned(1) : BlankSigned(day + 1);
}

std::string JewishDayDownText(std::string_view box, int monthLength) {
    const long day = NumberOf(box);
    return day <= 1 ? BlankSigned(monthLength) : BlankSigned(day - 1);
}

std::string GregorianDayDownText(std::string_view box, int monthLength) {
    const std::string lower = BlankSigned(NumberOf(box) - 1);
    return NumberOf(lower) == 0 ? BlankSigned(monthLength) : lower;
}

std::optional<Integer> SteppedYear(std::string_view box, int delta, int lowest, int highest) {
    const LeadingNumber year = ReadLeadingNumber(box);
    const long stepped = static_cast<long>(year.value) + delta;
    if (!year.fits || year.value < lowest || year.value > highest || stepped < lowest ||
        stepped > highest) {
        return std::nullopt;
    }
    return static_cast<Integer>(stepped);
}

std::string SuccessiveYearsDownText(std::string_view box) {
    const std::string lower = BlankSigned(NumberOf(box) - 1);
    return NumberOf(lower) == 0 ? BlankSigned(1) : lower;
}

std::string SuccessiveYearsUpText(std::string_view box) {
    return BlankSigned(NumberOf(box) + 1);
}

}  // namespace qavo::ui
