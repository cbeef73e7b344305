#include "page/month_page.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "engine/calendar_tables.hpp"
#include "page/navigation.hpp"
#include "page/page_colours.hpp"
#include "tests/support/calendar_facts.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

struct PageFixture : ::testing::Test {
    testing::FakePlatform platform{{2024, 4, 23}};
    Engine engine{platform};
    MonthPage page;

    void SetUp() override { ASSERT_TRUE(engine.InitEngine()); }
    void Show(int year, int month) {
        engine.GYear = static_cast<Integer>(year);
        engine.TargetGMonth = static_cast<Integer>(month);
        BuildMonthPage(engine, page);
    }
    std::vector<int> MarkedCells() const {
        std::vector<int> marked;
        for (int n = 0; n <= kPageCells; ++n) {
            if (page.cells[n].body == kMarkedCellBodyColours) {
                marked.push_back(n);
            }
        }
        return marked;
    }
};

// The cell texts and the captions; page_sweep_test.cpp checks every page's place and days.
TEST_F(PageFixture, April2024WithPassover) {
    platform.calls.clear();
    Show(2024, 4);  // Monday 1st: 1 April is in cell 2
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
    EXPECT_EQ(page.cells[2].dayText, " 1");
    EXPECT_EQ(page.cells[2].jewishText, "Adar II 22\n");
    EXPECT_EQ(page.cells[24].jewishText, "Nisan 15\nPassover");
    EXPECT_EQ(page.cells[24].holiday, "Passover");
    EXPECT_EQ(page.cells[24].jewishDate, "Nisan 15");
    EXPECT_EQ(page.jewishYearCaption, " 5784");
    EXPECT_EQ(page.yearText, "2024");
    EXPECT_EQ(page.monthIndex, 3);
}

// October 2024 begins in Elul 5784; its Tishri days belong to 5785, whose
// 3 Tishri is a Sabbath: Tzom Gedaliah was kept on Sunday 6 October.
TEST_F(PageFixture, APageFromElulNamesTishriByItsOwnYear) {
    page.holidayOptions.holidays = HolidaySet::All;
    Show(2024, 10);  // Tuesday 1st: 6 October is in cell 8
    EXPECT_EQ(page.cells[7].jewishText, "Tishri 3\n");
    EXPECT_EQ(page.cells[8].jewishText, "Tishri 4\nTz Gedaliah");
    EXPECT_EQ(page.jewishYearCaption, " 5784");
}

TEST_F(PageFixture, TodayOrTheAskedJewishDateIsMarked) {
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    EXPECT_EQ(page.cells[24].body.background, PageColour::Blue);
    Show(2024, 5);
    EXPECT_TRUE(MarkedCells().empty());  // its colours were restored
    Show(2025, 4);
    EXPECT_TRUE(MarkedCells().empty());
    ShowTodayPage(engine, page);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});

    page.MarkJewishDate = true;
    page.MarkJMonth = 8;
    page.MarkJDay = 1;
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{10});  // 1 Nisan, not today
    // 1 May 2024 was 23 Nisan; the hidden cells before it carry that date too.
    page.MarkJDay = 23;
    Show(2024, 5);
    EXPECT_EQ(MarkedCells(), std::vector<int>{4});
}

// What a screen reader hears of a day: the whole date in both calendars, the
// holiday, and "today" on today's cell; the Jewish year turns on 1 Tishri.
// Dates: Hanukkah 5787 began on 5 December 2026; Rosh Hashana 5785 was
// Thursday 3 October 2024.
TEST_F(PageFixture, EachDayIsNamedWithItsWholeDate) {
    const struct {
        int year, month, day;
        const char* name;
    } cases[] = {
        {2026, 12, 8, "Tuesday 8 December 2026, 28 Kislev 5787, Hanukkah"},
        {2024, 10, 2, "Wednesday 2 October 2024, 29 Elul 5784"},
        {2024, 4, 23, "Tuesday 23 April 2024, 15 Nisan 5784, Passover, today"},
        {2024, 4, 22, "Monday 22 April 2024, 14 Nisan 5784"},
    };
    for (const auto& c : cases) {
        Show(c.year, c.month);
        EXPECT_EQ(page.cells[page.firstCell + c.day - 1].spokenName, c.name);
    }
    Show(2024, 10);
    EXPECT_EQ(page.cells[page.firstCell + 2].spokenName.substr(0, 40),
              "Thursday 3 October 2024, 1 Tishri 5785, ");
}

// The range itself is the engine's; here the rounded number is checked.
TEST_F(PageFixture, TheEnteredYearIsCheckedBeforeTheBuild) {
    Show(2024, 4);
    // The year shown, 0: refused.
    const std::pair<const char*, int> cases[] = {
        {"2008abc", 2008}, {"1582.6", 1583}, {"7000.7", 0}, {"", 0}};
    for (auto [text, year] : cases) {
        const Integer before = engine.GYear;
        platform.messages.clear();
        EXPECT_EQ(ShowEnteredMonth(engine, page, text, 6), year != 0) << text;
        EXPECT_EQ(engine.GYear, year != 0 ? year : before) << text;
        if (year != 0) {
            EXPECT_EQ(engine.TargetGMonth, 7);
            EXPECT_TRUE(platform.messages.empty());
        } else {
            ASSERT_EQ(platform.messages.size(), 1u) << text;
            const testing::ShownMessage& m = platform.messages[0];
            EXPECT_EQ(std::tuple(m.text, m.title, m.icon, m.buttons),
                      std::tuple("Year must be between 1583 and 7000", "Incorrect Year",
                                 MessageIcon::Stop, MessageButtons::Ok));
        }
    }
    // A day click applies only what differs from the page.
    Show(2008, 7);
    // 67544 has no 16-bit value (2008 more than 65536).
    const std::tuple<const char*, int, bool> typed[] = {{"2008abc", 6, false},
                                                        {"2008", 7, true},
                                                        {"2009", 6, true},
                                                        {"67544", 6, true},
                                                        {"", 6, true}};
    for (auto [text, month, differs] : typed) {
        EXPECT_EQ(EnteredMonthDiffers(page, text, month), differs) << text;
    }
    engine.GYear = 5000;
    engine.TargetGMonth = 1;
    TargetShownMonth(engine, page);
    EXPECT_EQ(std::tuple(engine.GYear, engine.TargetGMonth), std::tuple(2008, 7));
}

// "A Jewish Date" and its first and last days, as hebcal gives them: 7 Tevet
// 5343 was 1 January 1583, 15 Kislev 10761 will be 31 December 7000.
TEST_F(PageFixture, AJewishDateIsTargetedAndMarkedWithinTheRange) {
    const struct {
        int jYear, jMonth, jDay;
        GregorianDate date;  // year 0: refused
    } cases[] = {
        {5769, 1, 1, {2008, 9, 30}},    {5343, 4, 7, {1583, 1, 1}}, {5343, 4, 6, {0, 0, 0}},
        {10761, 3, 15, {7000, 12, 31}}, {10761, 3, 16, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jYear * 10000 + c.jMonth * 100 + c.jDay);
        const GregorianDate before{static_cast<Integer>(c.jYear - 3761), 4, 23};
        testing::SetTarget(engine, before);
        page.MarkJMonth = page.MarkJDay = 0;
        engine.JYear = static_cast<Integer>(c.jYear);
        engine.ComputeYearType(c.jYear);
        engine.JMonth = static_cast<Integer>(c.jMonth);
        engine.JDay = static_cast<Integer>(c.jDay);
        const std::optional<std::string> refusal = TargetJewishDate(engine, page);
        const bool accepted = c.date.year != 0;
        EXPECT_EQ(refusal, accepted
                               ? std::nullopt
                               : std::optional<std::string>("Year must be between 1583 and 7000"));
        const GregorianDate target = accepted ? c.date : before;
        EXPECT_EQ(std::tuple(engine.GYear, engine.TargetGMonth, engine.TargetGDay),
                  std::tuple(target.year, target.month, target.day));
        EXPECT_EQ(std::tuple(page.MarkJMonth, page.MarkJDay),
                  accepted ? std::tuple(c.jMonth, c.jDay) : std::tuple(0, 0));
    }
}

TEST(Navigation, MonthsCycleAndYearsStepOnTheTypedText) {
    EXPECT_EQ(std::tuple(PreviousMonthIndex(0), PreviousMonthIndex(5), NextMonthIndex(11),
                         NextMonthIndex(0)),
              std::tuple(11, 4, 0, 1));
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

// The arrow keys and Page Up/Down: across month and year ends, held to the
// month's length, and never out of 1583..7000.
TEST(Navigation, TheKeyboardWalksDaysAndMonthsWithinTheRange) {
    const struct {
        GregorianDate from;
        int days, months;
        GregorianDate to;
    } cases[] = {
        {{2024, 1, 31}, 1, 0, {2024, 2, 1}},    {{2024, 3, 1}, -1, 0, {2024, 2, 29}},
        {{2023, 3, 1}, -1, 0, {2023, 2, 28}},   {{2024, 12, 28}, 7, 0, {2025, 1, 4}},
        {{2025, 1, 3}, -7, 0, {2024, 12, 27}},  {{1583, 1, 1}, -1, 0, {1583, 1, 1}},
        {{7000, 12, 31}, 1, 0, {7000, 12, 31}}, {{2024, 1, 31}, 0, 1, {2024, 2, 29}},
        {{2024, 12, 15}, 0, 1, {2025, 1, 15}},  {{2024, 1, 15}, 0, -1, {2023, 12, 15}},
        {{2100, 3, 31}, 0, -1, {2100, 2, 28}},  {{1583, 1, 10}, 0, -1, {1583, 1, 10}},
        {{7000, 12, 1}, 0, 1, {7000, 12, 1}},
    };
    for (const auto& c : cases) {
        const GregorianDate to =
            c.months != 0 ? MonthsAway(c.from, c.months) : DaysAway(c.from, c.days);
        EXPECT_EQ(std::tuple(to.year, to.month, to.day),
                  std::tuple(c.to.year, c.to.month, c.to.day))
            << c.from.year << '-' << c.from.month << '-' << c.from.day;
    }
}

}  // namespace
}  // namespace qavo

namespace qavo {
namespace {

// Published ratios: black on white 21:1, blue on white 8.59:1, yellow on
// blue 8:1, mid grey on white 3.95:1. A dark desktop face gives way to the
// light grey (on which blue reads at 4.72:1); a light one stays. The page's
// dark grey carries yellow and white text, so both must read on it.
TEST(PageColours, ContrastAsTheGuidelinesMeasureIt) {
    const struct {
        Rgb a, b;
        double ratio;
    } cases[] = {{{0, 0, 0}, {255, 255, 255}, 21.0},
                 {kBlue, {255, 255, 255}, 8.59},
                 {kYellow, kBlue, 8.0},
                 {{128, 128, 128}, {255, 255, 255}, 3.95}};
    for (const auto& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01);
        EXPECT_NEAR(ContrastRatio(c.b, c.a), c.ratio, 0.01);
    }
    const Rgb darkFace{48, 47, 46}, lightFace{239, 239, 239};
    EXPECT_EQ(std::tuple(PageButtonFace(darkFace).red, PageButtonFace(darkFace).green),
              std::tuple(192, 192));
    EXPECT_EQ(PageButtonFace(lightFace).red, 239);
    EXPECT_GE(ContrastRatio(kLightGrey, kBlue), kReadableContrast);
    EXPECT_GE(ContrastRatio(kYellow, kDarkGrey), kReadableContrast);
    EXPECT_GE(ContrastRatio(Rgb{255, 255, 255}, kDarkGrey), kReadableContrast);
}

}  // namespace
}  // namespace qavo
