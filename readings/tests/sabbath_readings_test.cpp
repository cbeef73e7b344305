#include <gtest/gtest.h>

#include "engine/calendar_tables.hpp"
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
    // A year beginning on a Saturday opens with Rosh Hashanah.
    for (int type : {1, 3, 4, 6}) {
        EXPECT_EQ(SabbathReadings(schedule, 6, type, 0),
                  "Torah reading: Rosh Hashanah, Gen 21:1-34, Num 29:1-6\r\n"
                  "Prophets: Rosh Hashanah, I Sam 1:1-2:10\r\n"
                  "\r\n");
    }
    // A plain Sabbath: three lines. Monday, 353 days: Sabbath 4 is Bereshit.
    EXPECT_EQ(SabbathReadings(schedule, 1, 1, 26),
              "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
    // Two portions read together, with the Haftarah of the second.
    EXPECT_EQ(SabbathReadings(schedule, 1, 1, 348),
              "Torah reading: Nizzavim, Deut 29:9-30:20\r\n"
              " and: Va-Yelekh, Deut 31:1-30\r\n"
              "Prophets: Isa 61:10-63:9\r\n"
              "\r\n");
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

TEST_F(SabbathReadingsTest, AnImpossibleYearShapeGivesTheFirstReadings) {
    for (auto [weekday, type] : {std::pair{0, 1}, {3, 2}, {5, 6}, {1, 2}, {6, 5}}) {
        EXPECT_EQ(SabbathReadings(schedule, weekday, type, 100),
                  "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
    }
}

TEST_F(SabbathReadingsTest, ADayOutsideTheYearIsRefused) {
    EXPECT_THROW(SabbathReadings(schedule, 1, 1, -8), std::out_of_range);
    EXPECT_THROW(SabbathReadings(schedule, 6, 6, 385), std::out_of_range);
}

// For every year shape: each day gives its week's Saturday's text, every
// Sabbath has a text that names real readings, and the days after the last
// Sabbath give the Sabbath that opens the next year.
TEST_F(SabbathReadingsTest, EveryYearPatternCoversEveryDay) {
    struct Shape {
        int weekday, type, sabbaths;
    };
    const Shape shapes[] = {{1, 1, 50}, {6, 1, 51}, {2, 2, 50}, {4, 2, 51}, {1, 3, 50},
                            {4, 3, 51}, {6, 3, 51}, {1, 4, 54}, {4, 4, 55}, {6, 4, 55},
                            {2, 5, 55}, {1, 6, 55}, {4, 6, 55}, {6, 6, 55}};
    for (const Shape& s : shapes) {
        const int length = JewishYearLength(s.type);
        const int nextWeekday = (s.weekday + length) % 7;
        int sabbaths = 0;
        for (int day = 0; day < length; ++day) {
            const int toSaturday = (6 - (s.weekday + day) % 7);
            const std::string text = SabbathReadings(schedule, s.weekday, s.type, day);
            ASSERT_EQ(text.rfind("Torah reading: ", 0), 0u);
            EXPECT_NE(text.find("\r\nProphets: "), std::string::npos);
            EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
            EXPECT_EQ(text.find("??"), std::string::npos)
                << s.weekday << ' ' << s.type << ' ' << day;
            EXPECT_EQ(text.find(": \r\n"), std::string::npos);  // no blank reading
            if (day + toSaturday < length) {
                EXPECT_EQ(text, SabbathReadings(schedule, s.weekday, s.type, day + toSaturday));
                sabbaths += toSaturday == 0 ? 1 : 0;
            } else {
                // The week of the next new year: its first Sabbath, as the
                // next year's own information gives it. Every shape that
                // begins on that weekday opens alike.
                for (int type = 1; type <= 6; ++type) {
                    if (schedule.YearPattern(nextWeekday, type) == kImpossiblePattern) {
                        continue;
                    }
                    EXPECT_EQ(text, SabbathReadings(schedule, nextWeekday, type,
                                                    day + toSaturday - length))
                        << s.weekday << ' ' << s.type << " to " << type;
                }
                EXPECT_EQ(SabbathNumber(s.weekday, day), s.sabbaths + 1);
            }
        }
        EXPECT_EQ(sabbaths, s.sabbaths) << s.weekday << ' ' << s.type;
    }
}

}  // namespace
}  // namespace qavo
