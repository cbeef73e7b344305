#include "page/month_page.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "engine/calendar_tables.hpp"
#include "page/navigation.hpp"
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

// The cell texts and the captions; the sweep checks every page's place and days.
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
}

// Whole range: each page starts on the Jewish day after the previous page's
// last day, in the column of its weekday, names it, and shows exactly its days.
TEST_F(PageFixture, PagesFollowOneAnotherOverTheWholeRange) {
    const char* const months[] = {"",       "Tishri", "Heshvan", "Kislev", "Tevet",
                                  "Shevat", "Adar",   "Adar II", "Nisan",  "Iyar",
                                  "Sivan",  "Tammuz", "Av",      "Elul"};
    Integer nextMonth = 0, nextDay = 0;
    for (int year = kFirstGregorianYear; year <= kLastGregorianYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            Show(year, month);
            const int days = GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
            ASSERT_EQ(page.firstCell, GregorianWeekday(year, month, 1) + 1);
            ASSERT_EQ(page.lastCell - page.firstCell + 1, days);
            ASSERT_EQ(PageRows(page), std::max(5, (page.lastCell + 6) / 7));  // at least 5
            ASSERT_TRUE(page.cells[page.lastCell].visible &&
                        !page.cells[page.lastCell + 1].visible);
            ASSERT_EQ(page.cells[page.firstCell].jewishDate,
                      months[page.PageFirstJMonth] + (" " + std::to_string(page.PageFirstJDay)));
            if (nextMonth != 0) {
                ASSERT_EQ(std::tuple(page.PageFirstJMonth, page.PageFirstJDay),
                          std::tuple(nextMonth, nextDay))
                    << year << '-' << month;
            }
            nextMonth = engine.JMonth;
            nextDay = engine.JDay;
        }
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

}  // namespace
}  // namespace qavo
