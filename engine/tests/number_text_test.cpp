#include <gtest/gtest.h>

#include "engine/number_text.hpp"

namespace qavo {
namespace {

TEST(NumberText, BlankSignedAndTwoDigit) {
    EXPECT_EQ(BlankSigned(2008), " 2008");
    EXPECT_EQ(BlankSigned(0), " 0");
    EXPECT_EQ(BlankSigned(-12), "-12");
    EXPECT_EQ(TwoDigit(5), "05");
    EXPECT_EQ(TwoDigit(0), "00");
    EXPECT_EQ(TwoDigit(123), "123");
}

// The leading number, rounded half to even, and whether it fits 16 bits.
TEST(NumberText, ReadLeadingNumber) {
    const struct {
        const char* text;
        Integer value;
        bool fits;
    } cases[] = {
        {"", 0, true},
        {"  2024", 2024, true},
        {"+12", 12, true},
        {"-12", -12, true},
        {"12abc", 12, true},
        {"abc", 0, true},
        {"-", 0, true},
        {"2.5", 2, true},
        {"3.5", 4, true},
        {"2.51", 3, true},
        {"-2.5", -2, true},
        {"1e5", 1, true},
        {"32767", 32767, true},
        {"-32768", -32768, true},
        {"32768", 32767, false},
        {"-99999", -32768, false},
        {"32767.5", 32767, false},
        {"-99999999999999999999", -32768, false},
    };
    for (const auto& c : cases) {
        const LeadingNumber n = ReadLeadingNumber(c.text);
        EXPECT_EQ(n.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(n.fits, c.fits) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace qavo
