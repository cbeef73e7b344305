#include <gtest/gtest.h>

#include "engine/number_text.hpp"

namespace qavo {
namespace {

TEST(NumberText, BlankSignedAndTwoDigit) {
    EXPECT_EQ(BlankSigned(2008), " 2008");
    EXPECT_EQ(BlankSigned(7), " 7");
    EXPECT_EQ(BlankSigned(0), " 0");
    EXPECT_EQ(BlankSigned(-12), "-12");
    EXPECT_EQ(TwoDigit(5), "05");
    EXPECT_EQ(TwoDigit(0), "00");
    EXPECT_EQ(TwoDigit(12), "12");
    EXPECT_EQ(TwoDigit(123), "123");
}

struct ReadCase {
    const char* text;
    Integer value;
    bool fits;
};

TEST(NumberText, ReadLeadingNumber) {
    const ReadCase cases[] = {
        {"", 0, true},
        {"2024", 2024, true},
        {"  2024", 2024, true},
        {"+12", 12, true},
        {"-12", -12, true},
        {"12abc", 12, true},
        {"abc", 0, true},
        {"-", 0, true},
        {"1583 ", 1583, true},
        {"2.5", 2, true},  // half to even
        {"3.5", 4, true},
        {"2.51", 3, true},
        {"-2.5", -2, true},
        {"7.49", 7, true},
        {"32767", 32767, true},
        {"-32768", -32768, true},
        {"32768", 32767, false},
        {"99999", 32767, false},
        {"-99999", -32768, false},
        {"32767.5", 32767, false},  // rounds to 32768
        {"99999999999999999999999", 32767, false},
        {"1e5", 1, true},
    };
    for (const auto& c : cases) {
        const LeadingNumber n = ReadLeadingNumber(c.text);
        EXPECT_EQ(n.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(n.fits, c.fits) << '"' << c.text << '"';
    }
}

TEST(NumberText, ReadLeadingValueKeepsTheFraction) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},          {"abc", 0},      {"-", 0},           {".", 0},  {" 40.5", 40.5},
        {"-23.5", -23.5}, {"+.25x", 0.25}, {"-.5", -0.5},      {"7.", 7}, {"1.5.9", 1.5},
        {"12abc", 12},    {"1e5", 1},      {"\t-0.75", -0.75},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadLeadingValue(text), value) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace qavo
