#include <gtest/gtest.h>

#include "readings/reading_schedule.hpp"
#include "startup/init_calendar.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

// The fourteen year shapes: weekday of 1 Tishri and length in days.
struct Shape {
    int weekday;
    int length;
};
constexpr Shape kShapes[14] = {{1, 353}, {6, 353}, {2, 354}, {4, 354}, {1, 355},
                               {4, 355}, {6, 355}, {1, 383}, {4, 383}, {6, 383},
                               {2, 384}, {1, 385}, {4, 385}, {6, 385}};

int YearTypeOfLength(int length) {
    switch (length) {
        case 353:
            return 1;
        case 354:
            return 2;
        case 355:
            return 3;
        case 383:
            return 4;
        case 384:
            return 5;
        default:
            return 6;
    }
}

int SaturdaysIn(const Shape& shape) {
    int count = 0;
    for (int d = 0; d < shape.length; ++d) {
        count += (shape.weekday + d) % 7 == 6 ? 1 : 0;
    }
    return count;
}

ReadingSchedule ProgramSchedule() {
    ReadingSchedule schedule;
    const ScheduleTexts texts = ProgramScheduleTexts();
    EXPECT_FALSE(ParseScheduleIndex(texts.index, schedule.ScheduleIndex).has_value());
    EXPECT_FALSE(ParseReadingSchedule(texts.schedule, schedule.Codes).has_value());
    return schedule;
}

TEST(ScheduleIndex, MapsEveryWeekdayAndLengthToItsPattern) {
    const ReadingSchedule schedule = ProgramSchedule();
    int patterns = 0;
    for (int w = 0; w < 7; ++w) {
        for (int type = 1; type <= 6; ++type) {
            int expected = kImpossiblePattern;
            for (int p = 0; p < 14; ++p) {
                if (kShapes[p].weekday == w && YearTypeOfLength(kShapes[p].length) == type) {
                    expected = p + 1;
                }
            }
            patterns += expected != kImpossiblePattern ? 1 : 0;
            EXPECT_EQ(schedule.YearPattern(w, type), expected) << w << ' ' << type;
        }
    }
    EXPECT_EQ(patterns, 14);
    EXPECT_EQ(schedule.YearPattern(7, 1), kImpossiblePattern);
    EXPECT_EQ(schedule.YearPattern(1, 0), kImpossiblePattern);
}

TEST(ReadingSchedule, HoldsEachYearsSabbathsThenTheNextYearsFirstThenFillers) {
    const ReadingSchedule schedule = ProgramSchedule();
    const int listed[14] = {50, 51, 50, 51, 50, 51, 51, 54, 55, 55, 55, 55, 55, 55};
    for (int p = 1; p <= 14; ++p) {
        const Shape& shape = kShapes[p - 1];
        const int sabbaths = SaturdaysIn(shape);
        EXPECT_EQ(sabbaths, listed[p - 1]) << p;
        const int nextWeekday = (shape.weekday + shape.length) % 7;
        // Every pattern of a weekday opens with the same Sabbath; the further
        // entry of the year before must be that Sabbath.
        for (int q = 1; q <= 14; ++q) {
            if (kShapes[q - 1].weekday != nextWeekday) {
                continue;
            }
            for (Plane plane : {Plane::Torah, Plane::Haftarah}) {
                EXPECT_EQ(schedule.Code(plane, p, sabbaths + 1), schedule.Code(plane, q, 1))
                    << "pattern " << p << " before pattern " << q;
            }
        }
        const int openingTorah = nextWeekday == 6 ? 59 : nextWeekday == 4 ? 53 : 52;
        EXPECT_EQ(schedule.Code(Plane::Torah, p, sabbaths + 1), openingTorah) << p;
        for (int k = 1; k <= kSabbathSlots; ++k) {
            for (Plane plane : {Plane::Torah, Plane::Haftarah}) {
                const std::int32_t code = schedule.Code(plane, p, k);
                if (k > sabbaths + 1) {
                    EXPECT_EQ(code, 75) << p << ' ' << k;
                } else {
                    EXPECT_NE(code, 75) << p << ' ' << k;
                }
            }
        }
    }
    for (int k = 1; k <= kSabbathSlots; ++k) {
        EXPECT_EQ(schedule.Code(Plane::Torah, kImpossiblePattern, k), 1);
        EXPECT_EQ(schedule.Code(Plane::Haftarah, kImpossiblePattern, k), 1);
    }
    EXPECT_THROW(schedule.Code(Plane::Torah, 1, 57), std::out_of_range);
    EXPECT_THROW(schedule.Code(Plane::Torah, 16, 1), std::out_of_range);
}

TEST(ReadingSchedule, HoldsTheMendedEntries) {
    const ReadingSchedule schedule = ProgramSchedule();
    struct Mended {
        Plane plane;
        int pattern;
        int sabbath;
        std::int32_t code;
    };
    const Mended mended[] = {
        {Plane::Torah, 4, 26, 52468},     // Hahodesh on 1 Nisan is also Rosh Hodesh
        {Plane::Haftarah, 6, 22, 31968},  // Shekalim on 1 Adar adds the Rosh Hodesh verses
        {Plane::Haftarah, 8, 31, 2872},   // Hagadol
        {Plane::Haftarah, 12, 31, 2872},  // Hagadol
        {Plane::Torah, 11, 29, 2671},     // Parah, not Zakhor
        {Plane::Haftarah, 1, 51, 5352},   // Shuva opening a Thursday year
        {Plane::Haftarah, 7, 52, 5352},  {Plane::Haftarah, 10, 56, 5352},
        {Plane::Haftarah, 13, 56, 5352},
    };
    for (const Mended& m : mended) {
        EXPECT_EQ(schedule.Code(m.plane, m.pattern, m.sabbath), m.code)
            << m.pattern << ' ' << m.sabbath;
    }
    // Neighbours of the mended entries are kept as listed.
    EXPECT_EQ(schedule.Code(Plane::Torah, 4, 25), 42223);
    EXPECT_EQ(schedule.Code(Plane::Torah, 11, 27), 2477);
    EXPECT_EQ(schedule.Code(Plane::Torah, 11, 28), 25);
    EXPECT_EQ(schedule.Code(Plane::Torah, 11, 30), 52768);
    EXPECT_EQ(schedule.Code(Plane::Haftarah, 8, 30), 27);
    EXPECT_EQ(schedule.Code(Plane::Haftarah, 6, 21), 18);
}

TEST(ScheduleIndex, IgnoresBlanks) {
    ScheduleIndexTable plain{}, spaced{};
    const std::string text = ProgramScheduleTexts().index;
    std::string withBlanks;
    for (char c : text) {
        withBlanks += c;
        withBlanks += ' ';
    }
    EXPECT_FALSE(ParseScheduleIndex(text, plain).has_value());
    EXPECT_FALSE(ParseScheduleIndex(" " + withBlanks, spaced).has_value());
    EXPECT_EQ(plain, spaced);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
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
        ScheduleIndexTable index{};
        index[3][3] = 99;
        const auto failure = ParseScheduleIndex(text, index);
        ASSERT_TRUE(failure.has_value()) << text;
        EXPECT_FALSE(failure->reason.empty());
        EXPECT_GE(failure->position, 1u);
        EXPECT_LE(failure->position, text.size() + 1);
        ScheduleIndexTable untouched{};
        untouched[3][3] = 99;
        EXPECT_EQ(index, untouched) << text;
    }
}

TEST(ScheduleParse, RefusesAtTheFirstCharacterBeyondTheTable) {
    const std::string index = ProgramScheduleTexts().index;
    const std::string schedule = ProgramScheduleTexts().schedule;
    ScheduleIndexTable table{};
    auto codes = std::make_unique<ReadingCodeTable>();
    // An eighth row at its first value, before it is stored; a closing
    // parenthesis after the last list, even when an opening one follows.
    const auto row = ParseScheduleIndex(index.substr(0, index.size() - 1) + "(15,1)", table);
    const auto close = ParseScheduleIndex(index + ")(", table);
    const auto closeCodes = ParseReadingSchedule(schedule + ")(", *codes);
    ASSERT_TRUE(row && close && closeCodes);
    EXPECT_EQ(row->position, index.size() + 3);
    EXPECT_EQ(close->position, index.size() + 1);
    EXPECT_EQ(closeCodes->position, schedule.size() + 1);
}

TEST(ReadingSchedule, RefusesATextThatDoesNotFitAndKeepsTheTable) {
    const std::string good = ProgramScheduleTexts().schedule;
    const std::string ones =
        "(1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,"
        "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1)";
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
        Replaced(good, "52223", "62223"),  // allowed C in Torah, checked below
        Replaced(good, "51076", "61076"),  // C 6 has no Haftarah addition
        Replaced(good, "52223", "-52"),
        Replaced(good, "52223", ""),  // empty gives 0, no reading
        Replaced(good, "(52,53,55", "((52,53,55"),
        "",
    };
    for (const std::string& text : broken) {
        auto codes = std::make_unique<ReadingCodeTable>();
        (*codes)[1][2][3] = 4;
        const auto failure = ParseReadingSchedule(text, *codes);
        if (text.find("62223") != std::string::npos) {
            EXPECT_FALSE(failure.has_value()) << "C 6 names Torah 73";
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << text.substr(0, 80);
        EXPECT_FALSE(failure->reason.empty());
        EXPECT_LE(failure->position, text.size() + 1);
        auto untouched = std::make_unique<ReadingCodeTable>();
        (*untouched)[1][2][3] = 4;
        EXPECT_EQ(*codes, *untouched);
    }
}

TEST(ReadingSchedule, RoundsAFractionHalfToEven) {
    const std::string good = ProgramScheduleTexts().schedule;
    ReadingCodeTable codes{};
    ASSERT_FALSE(
        ParseReadingSchedule(Replaced(Replaced(good, "(52,53,55,1,2,", "(52,53,55,1.5,2.5,"),
                                      ",4,5,", ",+4.4999,4.51,"),
                             codes)
            .has_value());
    EXPECT_EQ(codes[0][0][3], 2);
    EXPECT_EQ(codes[0][0][4], 2);
    EXPECT_EQ(codes[0][0][6], 4);
    EXPECT_EQ(codes[0][0][7], 5);
}

TEST(InitReadings, BuildsUnderTheBusyPointerAndReportsARefusedText) {
    testing::FakePlatform platform;
    ReadingSchedule schedule;
    ASSERT_TRUE(InitReadings(schedule, platform));
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
    EXPECT_EQ(schedule.Code(Plane::Torah, 1, 25), 52223);

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
    EXPECT_EQ(refusingIndex.messages[0].text,
              "The reading schedule index is damaged (character 88: \"x\" is not a number that "
              "fits the table). The program cannot start.");
}

TEST(InitCalendar, BuildsTheReadingsAtItsStepAndStopsWhenTheyAreRefused) {
    testing::FakePlatform platform({2025, 3, 1});
    Calendar calendar(platform);
    ASSERT_EQ(InitCalendar(calendar, ProgramScheduleTexts(), MissingCityFile::UseDefaultInMemory),
              StartupResult::Ready);
    // Start-up's own pointer, then the one of the readings, which ends it;
    // start-up turns it off once more after its later steps.
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"busy on", "busy on", "busy off", "busy off"}));
    EXPECT_EQ(calendar.readings.Code(Plane::Haftarah, 6, 22), 31968);

    testing::FakePlatform refusing({2025, 3, 1});
    Calendar broken(refusing);
    ScheduleTexts texts = ProgramScheduleTexts();
    texts.schedule = Replaced(texts.schedule, "52223", "5x223");
    EXPECT_EQ(InitCalendar(broken, texts), StartupResult::ReadingScheduleRefused);
    EXPECT_EQ(refusing.messages.size(), 1u);
    EXPECT_FALSE(refusing.busy);
}

}  // namespace
}  // namespace qavo
