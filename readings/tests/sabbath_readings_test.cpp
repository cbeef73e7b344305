#include <gtest/gtest.h>

#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

class SabbathReadingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(InitReadings(schedule, platform)); }
    testing::FakePlatform platform;
    ReadingSchedule schedule;
};

TEST_F(SabbathReadingsTest, WorkedExamples) {
    // Monday, 353 days: the Sabbath of 27 Adar is day 30+29+29+29+30+26.
    EXPECT_EQ(SabbathReadings(schedule, 1, 1, 173),
              "Torah reading: Va-Yakhel, Ex 35:1-38:20\r\n"
              " and: Pekudei, Ex 38:21-40:38\r\n"
              " Also: Hahodesh, Ex 12:1-20\r\n"
              "Prophets: I Kings 7:51-8:21\r\n"
              " Replaced by: Hahodesh, Ezek 45:16-46\r\n"
              "\r\n");
    // Tuesday, 354 days: the Sabbath of 30 Kislev is day 30+29+29.
    EXPECT_EQ(SabbathReadings(schedule, 2, 2, 88),
              "Torah reading: Mi-Kez, Gen 41:1-44:17\r\n"
              " and: Rosh Hodesh, Num 28:9-15\r\n"
              " Also: Hanukkah 6, Num 7:42-53\r\n"
              "Prophets: I Kings 3:15-4:1\r\n"
              " Replaced by: Sab1 Hanukkah, Zech 2:14-4:7\r\n"
              " Also: RH, add Isa 66:1 & 24, Sam 20:18 & 42\r\n"
              "\r\n");
    // A plain Sabbath: three lines. Monday, 353 days: Sabbath 4 is Bereshit.
    EXPECT_EQ(SabbathReadings(schedule, 1, 1, 26),
              "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
    // Saturday, 353 days: 1 Av (day 294) is a Sabbath. Mattot and Masei with
    // the Rosh Hodesh reading; Masei's prophetic reading keeps its place and
    // adds the Rosh Hodesh verses.
    EXPECT_EQ(SabbathReadings(schedule, 6, 1, 294),
              "Torah reading: Mattot, Num 30:2-32:42\r\n"
              " and: Masei, Num 33:1-36:13\r\n"
              " Also: Rosh Hodesh, Num 28:9-15\r\n"
              "Prophets: Jer 2:4-28, 3:4\r\n"
              " Also: Sab RH, add Isa 66:1 & 24\r\n"
              "\r\n");
}

TEST_F(SabbathReadingsTest, AnImpossibleYearShapeGivesTheFirstReadingsAndNoDayIsOutside) {
    for (auto [weekday, type] : {std::pair{0, 1}, {3, 2}, {5, 6}, {1, 2}, {6, 5}}) {
        EXPECT_EQ(SabbathReadings(schedule, weekday, type, 100),
                  "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
    }
    // A day outside the year is a caller's fault.
    EXPECT_THROW(SabbathReadings(schedule, 1, 1, -8), std::out_of_range);
    EXPECT_THROW(SabbathReadings(schedule, 6, 6, 385), std::out_of_range);
}

TEST(ReadingCode, SplitsIntoFurtherReadingAndOneOrTwoReadings) {
    const struct {
        std::int32_t code;
        ReadingCode parts;
    } cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeReading(c.code), c.parts) << c.code;
    }
    EXPECT_TRUE(IsReadingCode(52468, Plane::Torah));
    EXPECT_TRUE(IsReadingCode(51076, Plane::Haftarah));
    EXPECT_TRUE(IsReadingCode(92380, Plane::Torah));                // C 9 -> Torah 76
    EXPECT_FALSE(IsReadingCode(62380, Plane::Haftarah));            // C 6 -> Haftarah 81
    for (std::int32_t code : {0, 81, 5100, 10000, -52, 1000052}) {  // B = 0, C = 100
        EXPECT_FALSE(IsReadingCode(code, Plane::Torah)) << code;
    }
    EXPECT_THROW(TorahReading(0), std::out_of_range);
    EXPECT_THROW(HaftarahReading(81), std::out_of_range);
}

// The readings of a page's Saturday, which may lie in the next Jewish year,
// are those of the day's own year.
TEST_F(SabbathReadingsTest, PageAgreesWithTheDaysOwnYearOnEveryShownSaturday) {
    Engine engine{platform};
    const auto convert = [&](int year, int month, int day) {
        engine.GYear = static_cast<Integer>(year);
        engine.TargetGMonth = static_cast<Integer>(month);
        engine.TargetGDay = static_cast<Integer>(day);
        EXPECT_TRUE(engine.GregorianToJewish());
    };
    int elulPages = 0;
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            convert(year, month, 1);
            const Engine first = engine;
            elulPages += first.JMonth == 13 ? 1 : 0;
            const int saturday = 7 - GregorianWeekday(year, month, 1);
            for (int row = 1;
                 row <= 6 && IsValidGregorianDate(year, month, saturday + 7 * (row - 1)); ++row) {
                const std::string page = PageSabbathReadings(schedule, first, row, first.JYear,
                                                             first.JMonth, first.JDay);
                convert(year, month, saturday + 7 * (row - 1));
                EXPECT_EQ(page, SabbathReadings(schedule, engine.NewYearWeekday, engine.YearType,
                                                engine.DaysFromNewYear(engine.JMonth, engine.JDay)))
                    << year << '-' << month << " row " << row;
            }
        }
    }
    EXPECT_GT(elulPages, 50);
    EXPECT_THROW(PageSabbathReadings(schedule, engine, 0, 5785, 1, 1), std::out_of_range);
    EXPECT_THROW(PageSabbathReadings(schedule, engine, 7, 5785, 1, 1), std::out_of_range);
}

}  // namespace
}  // namespace qavo
