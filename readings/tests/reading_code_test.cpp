#include <gtest/gtest.h>

#include "readings/reading_code.hpp"

namespace qavo {
namespace {

TEST(ReadingTexts, KeepTheirWidthAndTrimToTheListedText) {
    for (int n = 1; n <= kReadingCount; ++n) {
        EXPECT_EQ(TorahReading(n).size(), 48u) << n;
        EXPECT_EQ(HaftarahReading(n).size(), 45u) << n;
    }
    EXPECT_EQ(TorahReading(1), "Bereshit, Gen 1:1-6:8                           ");
    EXPECT_EQ(TorahReading(54).substr(0, 35), "Ve-Zot ha-Berakhah, Deut 33:1-34:12");
    EXPECT_EQ(TorahReading(79).substr(0, 24), "Hanukkah 7, Num 7:48-59 ");
    EXPECT_EQ(TorahReading(80), std::string(48, ' '));
    // The one text that fills its width exactly comes back whole.
    EXPECT_EQ(HaftarahReading(52), "Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva");
    EXPECT_EQ(HaftarahReading(75).substr(0, 3), "?? ");
    EXPECT_EQ(HaftarahReading(80).substr(0, 38), "RH, add Isa 66:1 & 24, Sam 20:18 & 42 ");
    EXPECT_THROW(TorahReading(0), std::out_of_range);
    EXPECT_THROW(HaftarahReading(81), std::out_of_range);
}

TEST(ReadingCode, SplitsIntoFurtherReadingAndOneOrTwoReadings) {
    struct Case {
        std::int32_t code;
        ReadingCode parts;
    };
    const Case cases[] = {
        {52, {52, 0, 0, false}},     // one reading
        {5152, {51, 52, 0, true}},   // two portions read together
        {1079, {10, 79, 0, true}},   // a portion with a Hanukkah reading
        {52223, {22, 23, 5, true}},  // two portions, further Hahodesh
        {30043, {43, 0, 3, false}},  // C = 3 with the single reading 43
        {40047, {47, 0, 4, false}},  // zeros inside are not a second reading
        {174, {1, 74, 0, true}},     // three digits: A = 1, B = 74
        {9999, {99, 99, 0, true}},   // the largest code without C
        {10000, {0, 0, 1, false}},   // C alone: no reading, refused below
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeReading(c.code), c.parts) << c.code;
    }
}

TEST(ReadingCode, NamesOnlyEntriesOfItsPlanesTables) {
    EXPECT_TRUE(IsReadingCode(52468, Plane::Torah));
    EXPECT_TRUE(IsReadingCode(51076, Plane::Haftarah));
    EXPECT_TRUE(IsReadingCode(92380, Plane::Torah));      // C 9 -> Torah 76
    EXPECT_FALSE(IsReadingCode(62380, Plane::Haftarah));  // C 6 -> Haftarah 81
    EXPECT_FALSE(IsReadingCode(0, Plane::Torah));
    EXPECT_FALSE(IsReadingCode(81, Plane::Torah));
    EXPECT_FALSE(IsReadingCode(5100, Plane::Torah));  // B = 0
    EXPECT_FALSE(IsReadingCode(10000, Plane::Torah));
    EXPECT_FALSE(IsReadingCode(-52, Plane::Haftarah));
    EXPECT_FALSE(IsReadingCode(1000052, Plane::Torah));  // C = 100
}

}  // namespace
}  // namespace qavo
