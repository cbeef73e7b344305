// The reading schedule built from its texts, the readings text of a Sabbath,
// and the refusal of damaged texts.
#include <gtest/gtest.h>

#include <memory>

#include "readings/sabbath_readings.hpp"
#include "tests/support/calendar_facts.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

ReadingSchedule ProgramSchedule() {
    testing::FakePlatform platform;
    ReadingSchedule schedule;
    EXPECT_TRUE(InitReadings(schedule, platform));
    return schedule;
}

// Every part of a code on both planes; the calendar agreement checks the
// schedule's content, and a plain Sabbath is that of an impossible year shape.
TEST(SabbathReadings, WorkedExamples) {
    const ReadingSchedule schedule = ProgramSchedule();
    // Tuesday, 354 days: the Sabbath of 30 Kislev is day 30+29+29.
    EXPECT_EQ(SabbathReadings(schedule, 2, 2, 88),
              "Torah reading: Mi-Kez, Gen 41:1-44:17\r\n"
              " and: Rosh Hodesh, Num 28:9-15\r\n"
              " Also: Hanukkah 6, Num 7:42-53\r\n"
              "Prophets: I Kings 3:15-4:1\r\n"
              " Replaced by: Sab1 Hanukkah, Zech 2:14-4:7\r\n"
              " Also: RH, add Isa 66:1 & 24, Sam 20:18 & 42\r\n"
              "\r\n");
}

// Published Israel readings where the diaspora kept a second festival day on
// the Sabbath, and the weeks until the two schedules joined again.
TEST(SabbathReadings, IsraelReadsTheNextPortionAfterItsOneFestivalDay) {
    const ReadingSchedule schedule = ProgramSchedule();
    testing::FakePlatform platform;
    Engine engine{platform};
    const HolidayOptions israel{Schedule::Israel};
    const struct {
        int year, month, day;
        const char* text;
    } facts[] = {
        // 5779: the diaspora's Pesach 8.
        {2019, 4, 27, "Torah reading: Aharei Mot, Lev 16:1-18:30\r\nProphets: Ezek 22:1-19\r\n"},
        // The first two of the three weeks; the diaspora read Pinhas, then Mattot-Masei.
        {2019, 7, 27, "Torah reading: Mattot, Num 30:2-32:42\r\nProphets: Jer 1:1-2:3\r\n"},
        {2019, 8, 3, "Torah reading: Masei, Num 33:1-36:13\r\nProphets: Jer 2:4-28, 3:4\r\n"},
        // 5758, a common year: two portions on 29 Nisan, the eve of Rosh Hodesh
        // Iyar, with the second's prophetic reading; Be-Har and Be-Hukkotai apart.
        {1998, 4, 25,
         "Torah reading: Tazri'a, Lev 12:1-13:59\r\n and: Mezora, Lev 14:1-15:33\r\n"
         "Prophets: II Kings 7:3-20\r\n Replaced by: Pre-Rosh Hodesh, I Sam 20:18-42\r\n"},
        {1998, 5, 16, "Torah reading: Be-Har, Lev 25:1-26:2\r\nProphets: Jer 32:6-27\r\n"},
        // 5783: the diaspora's Shavuot 2, and Hukkat with Balak.
        {2023, 5, 27, "Torah reading: Naso, Num 4:21-7:89\r\nProphets: Judge 13:2-25\r\n"},
        {2023, 7, 1, "Torah reading: Balak, Num 22:2-25:9\r\nProphets: Micah 5:6-6:8\r\n"},
        // Sh'mini Atzeret 5781 on the Sabbath is Israel's Simchat Torah.
        {2020, 10, 10,
         "Torah reading: Ve-Zot ha-Berakhah, Deut 33:1-34:12\r\nProphets: Josh 1:1-18\r\n"},
    };
    for (const auto& fact : facts) {
        engine.GYear = static_cast<Integer>(fact.year);
        engine.TargetGMonth = static_cast<Integer>(fact.month);
        engine.TargetGDay = static_cast<Integer>(fact.day);
        ASSERT_TRUE(engine.GregorianToJewish());
        EXPECT_EQ(SabbathReadings(schedule, engine.NewYearWeekday, engine.YearType,
                                  engine.DaysFromNewYear(engine.JMonth, engine.JDay), israel),
                  std::string(fact.text) + "\r\n")
            << fact.year << '-' << fact.month << '-' << fact.day;
    }
}

TEST(SabbathReadings, AnImpossibleYearShapeGivesTheFirstReadingsAndNoDayIsOutside) {
    const ReadingSchedule schedule = ProgramSchedule();
    // Any weekday and type that no year has, out of range too, reads pattern 15.
    for (auto [weekday, type] :
         {std::pair{0, 1}, {3, 2}, {5, 6}, {1, 2}, {6, 5}, {7, 1}, {-1, 3}}) {
        EXPECT_EQ(SabbathReadings(schedule, weekday, type, 100),
                  "Torah reading: Bereshit, Gen 1:1-6:8\r\nProphets: Isa 42:5-43:11\r\n\r\n");
    }
    // A day outside the year is a caller's fault, and so is a reading outside the tables.
    EXPECT_THROW(SabbathReadings(schedule, 1, 1, -8), std::out_of_range);
    EXPECT_THROW(SabbathReadings(schedule, 6, 6, 385), std::out_of_range);
    EXPECT_THROW(TorahReading(0), std::out_of_range);
    EXPECT_THROW(HaftarahReading(81), std::out_of_range);
}

// The readings of a page's Saturday, which may lie in the next Jewish year,
// are those of the day's own year.
TEST(SabbathReadings, PageAgreesWithTheDaysOwnYearOnEveryShownSaturday) {
    const ReadingSchedule schedule = ProgramSchedule();
    testing::FakePlatform platform;
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
            const int saturday = 7 - testing::Weekday(year, month, 1);
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

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(ScheduleIndex, IgnoresBlanksAndRoundsFractionsToTheNearestAndHalvesToEven) {
    const std::string text = ProgramScheduleTexts().index;
    ScheduleIndexTable plain{}, fromFractions{};
    ASSERT_FALSE(ParseScheduleIndex(text, plain));
    EXPECT_FALSE(ParseScheduleIndex(
        Replaced(text, ")(1,15,5,8,15,12)", " ) ( 0.6, 1 4.50001 ,5.49,8.5,15.0,11.5)"),
        fromFractions));
    EXPECT_EQ(plain, fromFractions);
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
    // Refused at the first character beyond the table: an eighth row at its first
    // value, before it is stored; a closing parenthesis after the last list, even
    // when an opening one follows.
    ScheduleIndexTable index{};
    EXPECT_EQ(
        ParseScheduleIndex(good.substr(0, good.size() - 1) + "(15,1)", index).value().position,
        good.size() + 3);
    EXPECT_EQ(ParseScheduleIndex(good + ")(", index).value().position, good.size() + 1);
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
        Replaced(good, "52223", "5 2223"),                             // a blank inside
        Replaced(good, "52223", "4295019519"),                         // 2^32 + 52223
        Replaced(good, ",75)", ",-4294967221)"),                       // 75 - 2^32, at an end
        Replaced(good, "52223", "81"),                                 // no such reading
        Replaced(good, "51076", "61076"),  // C 6 has no Haftarah addition
        Replaced(good, "52223", "-52"),
        Replaced(good, "52223", ""),  // empty gives 0, no reading
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
    auto codes = std::make_unique<ReadingCodeTable>();
    // C 6 names Torah 73: allowed in the Torah plane.
    EXPECT_FALSE(ParseReadingSchedule(Replaced(good, "52223", "62223"), *codes).has_value());
}

TEST(InitReadings, BuildsUnderTheBusyPointerAndReportsARefusedText) {
    ReadingSchedule schedule;
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
}

}  // namespace
}  // namespace qavo
