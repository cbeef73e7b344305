#include "ui/dialogs/box_steps.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace qavo::ui {
namespace {

struct DayStep {
    const char* box;
    int length;
    const char* up;
    const char* jewishDown;
    const char* gregorianDown;
};

TEST(BoxSteps, DaysStepWithinTheMonthAndWrap) {
    const DayStep cases[] = {
        {" 15", 30, " 16", " 14", " 14"},
        {" 28", 28, " 1", " 27", " 27"},  // up from the last day of February
        {" 1", 31, " 2", " 31", " 31"},   // down from the 1st of January
        {" 0", 29, " 1", " 29", "-1"},
        // Beyond 16 bits the number is held at the nearest 16-bit value and
        // never wraps around.
        {"99999", 31, " 1", " 32766", " 32766"},
        {"-99999", 31, "-32767", " 31", "-32769"},
    };
    for (const DayStep& c : cases) {
        SCOPED_TRACE(c.box);
        EXPECT_EQ(DayUpText(c.box, c.length), c.up);
        EXPECT_EQ(JewishDayDownText(c.box, c.length), c.jewishDown);
        EXPECT_EQ(GregorianDayDownText(c.box, c.length), c.gregorianDown);
    }
}

TEST(BoxSteps, YearsStepOnlyWithinTheirBounds) {
    constexpr int lo = std::numeric_limits<Integer>::min();
    constexpr int hi = std::numeric_limits<Integer>::max();
    EXPECT_EQ(SteppedYear("2008", -1, lo, hi), 2007);
    EXPECT_EQ(SteppedYear("99999", -1, lo, hi), std::nullopt);
    EXPECT_EQ(SteppedYear("32767", +1, lo, hi), std::nullopt);
    EXPECT_EQ(SteppedYear("32766", +1, lo, hi), 32767);
    EXPECT_EQ(SteppedYear("-29006", -1, -29007, hi), -29007);
    EXPECT_EQ(SteppedYear("-29007", -1, -29007, hi), std::nullopt);
    EXPECT_EQ(SteppedYear("-29008", +1, -29007, hi), std::nullopt);
    EXPECT_EQ(SteppedYear("7001", -1, lo, 7000), std::nullopt);
}

TEST(BoxSteps, SuccessiveYearsStayAtOneGoingDown) {
    EXPECT_EQ(SuccessiveYearsDownText(" 5"), " 4");
    EXPECT_EQ(SuccessiveYearsDownText(" 1"), " 1");
    EXPECT_EQ(SuccessiveYearsDownText(" 0"), "-1");
    EXPECT_EQ(SuccessiveYearsUpText(" 1"), " 2");
    EXPECT_EQ(SuccessiveYearsUpText("99999"), " 32768");
}

}  // namespace
}  // namespace qavo::ui
