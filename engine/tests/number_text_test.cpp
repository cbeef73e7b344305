#include <gtest/gtest.h>

#include <utility>

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

// The leading number, rounded half to even, and the nearest 16-bit value
// with `fits` false when it lies beyond.
TEST(NumberText, ReadLeadingNumber) {
    const std::pair<const char*, int> fitting[] = {
        {"", 0},      {"  2024", 2024}, {"+12", 12},      {"-12", -12},       {"12abc", 12},
        {"abc", 0},   {"-", 0},         {"2.5", 2},       {"3.5", 4},         {"2.51", 3},
        {"-2.5", -2}, {"1e5", 1},       {"32767", 32767}, {"-32768", -32768},
    };
    for (auto [text, value] : fitting) {
        EXPECT_EQ(ReadLeadingNumber(text).value, value) << '"' << text << '"';
        EXPECT_TRUE(ReadLeadingNumber(text).fits) << '"' << text << '"';
    }
    const std::pair<const char*, int> beyond[] = {{"32768", 32767},
                                                  {"-99999", -32768},
                                                  {"32767.5", 32767},
                                                  {"-99999999999999999999", -32768}};
    for (auto [text, value] : beyond) {
        EXPECT_EQ(ReadLeadingNumber(text).value, value) << '"' << text << '"';
        EXPECT_FALSE(ReadLeadingNumber(text).fits) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace qavo
