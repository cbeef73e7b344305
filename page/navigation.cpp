#include "page/navigation.hpp"

#include "engine/number_text.hpp"

namespace qavo {

namespace {
constexpr int kMonths = 12;

long SteppedNumber(std::string_view text, int delta) {
    return static_cast<long>(ReadLeadingNumber(text).value) + delta;
}
}  // namespace

int PreviousMonthIndex(int index) {
    return index <= 0 ? kMonths - 1 : index - 1;
}

int NextMonthIndex(int index) {
    return index >= kMonths - 1 ? 0 : index + 1;
}

std::string StepYearText(std::string_view text, int delta) {
    return std::to_string(SteppedNumber(text, delta));
}

std::string StepJewishYearCaption(std::string_view caption, int delta) {
    return BlankSigned(SteppedNumber(caption, delta));
}

}  // namespace qavo
