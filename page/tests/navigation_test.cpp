#include "page/navigation.hpp"

#include <gtest/gtest.h>

namespace qavo {
namespace {

TEST(Navigation, MonthsCycleAndYearsStepOnTheTypedText) {
    EXPECT_EQ(PreviousMonthIndex(0), 11);
    EXPECT_EQ(PreviousMonthIndex(5), 4);
    EXPECT_EQ(NextMonthIndex(11), 0);
    EXPECT_EQ(NextMonthIndex(0), 1);
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
    EXPECT_EQ(StepJewishYearCaption(" 5768", -1), " 5767");
    EXPECT_EQ(StepJewishYearCaption(" 10760", 1), " 10761");
    EXPECT_EQ(StepJewishYearCaption("", -1), "-1");
}

}  // namespace
}  // namespace qavo
