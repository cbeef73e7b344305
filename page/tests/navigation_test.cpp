#include <gtest/gtest.h>

#include "page/navigation.hpp"

namespace qavo {
namespace {

TEST(Navigation, MonthsCycleWithinTheYear) {
    EXPECT_EQ(PreviousMonthIndex(0), 11);
    EXPECT_EQ(PreviousMonthIndex(5), 4);
    EXPECT_EQ(NextMonthIndex(11), 0);
    EXPECT_EQ(NextMonthIndex(0), 1);
    // Twelve steps either way come back to the start.
    int up = 3, down = 3;
    for (int i = 0; i < 12; ++i) {
        up = NextMonthIndex(up);
        down = PreviousMonthIndex(down);
    }
    EXPECT_EQ(up, 3);
    EXPECT_EQ(down, 3);
}

TEST(Navigation, YearStepsOnTheTypedText) {
    const struct {
        const char* text;
        int delta;
        const char* expected;
    } cases[] = {
        {"2008", -1, "2007"}, {"7000", 1, "7001"}, {"1583", -1, "1582"},
        {"", 1, "1"},         {"+12", 1, "13"},    {"2008abc", 1, "2009"},
        {"-3", -1, "-4"},     {"0", -1, "-1"},     {"40000", 1, "32768"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepYearText(c.text, c.delta), c.expected) << c.text;
    }
}

TEST(Navigation, JewishYearCaptionKeepsItsBlank) {
    EXPECT_EQ(StepJewishYearCaption(" 5768", -1), " 5767");
    EXPECT_EQ(StepJewishYearCaption(" 10760", 1), " 10761");
    EXPECT_EQ(StepJewishYearCaption("", -1), "-1");
}

}  // namespace
}  // namespace qavo
