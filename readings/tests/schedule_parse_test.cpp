#include <gtest/gtest.h>

#include <memory>

#include "readings/sabbath_readings.hpp"
#include "startup/init_calendar.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

// The fourteen year shapes: weekday of 1 Tishri and year type.
struct Shape {
    int weekday, type;
};
constexpr Shape kShapes[14] = {{1, 1}, {6, 1}, {2, 2}, {4, 2}, {1, 3}, {4, 3}, {6, 3},
                               {1, 4}, {4, 4}, {6, 4}, {2, 5}, {1, 6}, {4, 6}, {6, 6}};
constexpr int kLengthOfType[7] = {0, 353, 354, 355, 383, 384, 385};

ReadingSchedule ProgramSchedule() {
    testing::FakePlatform platform;
    ReadingSchedule schedule;
    EXPECT_TRUE(InitReadings(schedule, platform));
    return schedule;
}

// Each list holds the year's Sabbaths, then the Sabbath that opens the next
// year, then fillers that no day reaches; every day reads its week's Saturday.
TEST(ReadingSchedule, EveryPatternCoversEveryDayOfItsYear) {
    const ReadingSchedule schedule = ProgramSchedule();
    for (int p = 1; p <= 14; ++p) {
        const auto [weekday, type] = kShapes[p - 1];
        const int length = kLengthOfType[type];
        const int nextWeekday = (weekday + length) % 7;
        int sabbaths = 0;
        for (int day = 0; day < length; ++day) {
            const int toSaturday = 6 - (weekday + day) % 7;
            sabbaths += toSaturday == 0 ? 1 : 0;
            const std::string text = SabbathReadings(schedule, weekday, type, day);
            EXPECT_EQ(text.find("??"), std::string::npos) << p << ' ' << day;  // no filler
            EXPECT_EQ(text.find(": \r\n"), std::string::npos) << p << ' ' << day;
            if (day + toSaturday < length) {
                EXPECT_EQ(text, SabbathReadings(schedule, weekday, type, day + toSaturday));
            }
        }
        for (int q = 1; q <= 14; ++q) {  // every pattern of a weekday opens alike
            for (Plane plane : {Plane::Torah, Plane::Haftarah}) {
                if (kShapes[q - 1].weekday == nextWeekday) {
                    EXPECT_EQ(schedule.Code(plane, p, sabbaths + 1), schedule.Code(plane, q, 1));
                }
            }
        }
        const int openingTorah = nextWeekday == 6 ? 59 : nextWeekday == 4 ? 53 : 52;
        EXPECT_EQ(schedule.Code(Plane::Torah, p, sabbaths + 1), openingTorah) << p;
        for (int k = 1; k <= kSabbathSlots; ++k) {
            for (Plane plane : {Plane::Torah, Plane::Haftarah}) {
                EXPECT_EQ(schedule.Code(plane, p, k) == 75, k > sabbaths + 1) << p << ' ' << k;
                EXPECT_EQ(schedule.Code(plane, kImpossiblePattern, k), 1);
            }
        }
    }
    EXPECT_THROW(schedule.Code(Plane::Torah, 1, 57), std::out_of_range);
    EXPECT_THROW(schedule.Code(Plane::Torah, 16, 1), std::out_of_range);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(ScheduleIndex, IgnoresBlanks) {
    const std::string text = ProgramScheduleTexts().index;
    std::string spaced = " ";
    for (char c : text) {
        spaced += std::string(1, c) + " ";
    }
    ScheduleIndexTable plain{}, fromSpaced{};
    EXPECT_FALSE(ParseScheduleIndex(text, plain) || ParseScheduleIndex(spaced, fromSpaced));
    EXPECT_EQ(plain, fromSpaced);
}

TEST(ScheduleIndex, RefusesATextThatDoesNotFitAndKeepsTheTable) {
    const std::string good = ProgramScheduleTexts().index;
    const std::string row = "(15,15,15,15,15,15)";
    const std::string broken[] = {
        Replaced(good, "(1,15,5,8,15,12)", "(1,15,5,8,15,12,15)"),  // a seventh column
        Replaced(good, "(1,15,5,8,15,12)", "(1,15,5,8,15)"),        // a row short
        good.substr(0, good.size() - 1) + row + ")",                // an eighth row
        Replaced(good, row, ""),                                    // six rows
        Replaced(good, "(2,15,7,10,15,14))", "(2,15,7,10,15,14)"),  // cut short
        good + ")",                                                 // unbalanced
        good + "7",                                                 // trailing garbage
        Replaced(good, "(15,4,6,9,15,13)", "(15,4,6,9,15,1x)"),     // not a number
        Replaced(good, "(15,4,6,9,15,13)", "(15,4,6,9,15,16)"),     // no such pattern
        Replaced(good, "(15,4,6,9,15,13)", "(15,4,,9,15,13)"),      // empty gives 0
        Replaced(good, "(15,4,6,9,15,13)", "(15,4,6,9,15,70000)"),  // beyond 16 bits
        Replaced(good, "(15,4,6,9,15,13)", "((15,4,6,9,15,13))"),   // nested too deep
        Replaced(good, ")(", "),("),                                // a value between rows
        "",
    };
    for (const std::string& text : broken) {
        ScheduleIndexTable index{}, untouched{};
        index[3][3] = untouched[3][3] = 99;
        const auto failure = ParseScheduleIndex(text, index);
        ASSERT_TRUE(failure.has_value()) << text;
        EXPECT_FALSE(failure->reason.empty());
        EXPECT_GE(failure->position, 1u);
        EXPECT_LE(failure->position, text.size() + 1);
        EXPECT_EQ(index, untouched) << text;
    }
}

TEST(ReadingSchedule, RefusesATextThatDoesNotFitAndKeepsTheTable) {
    const std::string good = ProgramScheduleTexts().schedule;
    std::string ones = "(1";
    for (int k = 2; k <= kSabbathSlots; ++k) {
        ones += ",1";
    }
    ones += ")";
    const std::size_t firstClose = good.find(')');
    const std::string broken[] = {
        good.substr(0, firstClose) + ",52" + good.substr(firstClose),  // 57 entries
        Replaced(good, ",75)", ")"),                                   // 55 entries
        Replaced(good, ones + ")", ones + ones + ")"),                 // 16 lists
        Replaced(good, ones + ")", ")"),                               // 14 lists
        good.substr(0, good.size() - 1) + "(" + ones + "))",           // a third plane
        good.substr(0, good.size() - 1),                               // cut short
        good + ")",                                                    // unbalanced
        good + "1",                                                    // trailing garbage
        Replaced(good, "52223", "5x223"),                              // not a number
        Replaced(good, "52223", "5 2223"),                             // a blank inside
        Replaced(good, "52223", "99999999999"),                        // beyond 32 bits
        Replaced(good, "52223", "81"),                                 // no such reading
        Replaced(good, "51076", "61076"),  // C 6 has no Haftarah addition
        Replaced(good, "52223", "-52"),
        Replaced(good, "52223", ""),  // empty gives 0, no reading
        Replaced(good, "(52,53,55", "((52,53,55"),
        "",
    };
    for (const std::string& text : broken) {
        auto codes = std::make_unique<ReadingCodeTable>();
        auto untouched = std::make_unique<ReadingCodeTable>();
        (*codes)[1][2][3] = (*untouched)[1][2][3] = 4;
        const auto failure = ParseReadingSchedule(text, *codes);
        ASSERT_TRUE(failure.has_value()) << text.substr(0, 80);
        EXPECT_FALSE(failure->reason.empty());
        EXPECT_LE(failure->position, text.size() + 1);
        EXPECT_EQ(*codes, *untouched);
    }
    // C 6 names Torah 73: allowed in the Torah plane.
    auto codes = std::make_unique<ReadingCodeTable>();
    EXPECT_FALSE(ParseReadingSchedule(Replaced(good, "52223", "62223"), *codes).has_value());
}

TEST(ReadingSchedule, RoundsAFractionHalfToEven) {
    std::string text = ProgramScheduleTexts().schedule;
    text =
        Replaced(Replaced(text, "(52,53,55,1,2,", "(52,53,55,1.5,2.5,"), ",4,5,", ",+4.4999,4.51,");
    auto codes = std::make_unique<ReadingCodeTable>();
    ASSERT_FALSE(ParseReadingSchedule(text, *codes).has_value());
    const auto& list = (*codes)[0][0];
    EXPECT_EQ(std::vector<int>(list.begin() + 3, list.begin() + 8),
              (std::vector<int>{2, 2, 3, 4, 5}));
}

TEST(InitReadings, BuildsUnderTheBusyPointerAndReportsARefusedText) {
    testing::FakePlatform platform;
    ReadingSchedule schedule;
    ASSERT_TRUE(InitReadings(schedule, platform));
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));

    testing::FakePlatform refusing;
    ScheduleTexts texts = ProgramScheduleTexts();
    texts.schedule.pop_back();
    EXPECT_FALSE(InitReadings(schedule, refusing, texts));
    EXPECT_EQ(refusing.calls,
              (std::vector<std::string>{"busy on", "busy off", "message:Initialization Error"}));
    ASSERT_EQ(refusing.messages.size(), 1u);
    EXPECT_EQ(refusing.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(refusing.messages[0].text,
              "The reading schedule is damaged (character " +
                  std::to_string(texts.schedule.size() + 1) +
                  ": the text does not end after its 2nd plane). The program cannot start.");

    testing::FakePlatform refusingIndex;
    texts = ProgramScheduleTexts();
    texts.index = Replaced(texts.index, "(15,4,6,9,15,13)", "(15,4,6,9,15,x)");
    EXPECT_FALSE(InitReadings(schedule, refusingIndex, texts));
    ASSERT_EQ(refusingIndex.messages.size(), 1u);
    EXPECT_TRUE(refusingIndex.messages[0].text.starts_with(
        "The reading schedule index is damaged (character 88: \"x\" is not a number"));

    // Start-up stops on a refused schedule, with the pointer restored.
    testing::FakePlatform startup({2025, 3, 1});
    Calendar broken(startup);
    EXPECT_EQ(InitCalendar(broken, texts), StartupResult::ReadingScheduleRefused);
    EXPECT_EQ(startup.messages.size(), 1u);
    EXPECT_FALSE(startup.busy);
}

}  // namespace
}  // namespace qavo
