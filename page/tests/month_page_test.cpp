#include "page/month_page.hpp"

#include <gtest/gtest.h>

#include "engine/calendar_tables.hpp"
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

TEST_F(PageFixture, April2024WithTheChangeToNisanAndPassover) {
    platform.calls.clear();
    Show(2024, 4);  // Monday 1st: 1 April is in cell 2
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy off"}));
    EXPECT_EQ(std::tuple(page.firstCell, page.lastCell, PageRows(page)), std::tuple(2, 31, 5));
    for (int n = 1; n <= kPageCells; ++n) {
        EXPECT_EQ(page.cells[n].visible, n >= 2 && n <= 31) << n;
    }
    EXPECT_EQ(page.cells[2].dayText, " 1");
    EXPECT_EQ(page.cells[31].dayText, " 30");
    EXPECT_EQ(page.cells[2].jewishText, "Adar II 22\n");
    EXPECT_EQ(page.cells[9].jewishText, "Adar II 29\n");
    EXPECT_EQ(page.cells[10].jewishText, "Nisan 1\n");
    EXPECT_EQ(page.cells[24].jewishText, "Nisan 15\nPassover");
    EXPECT_EQ(page.cells[24].holiday, "Passover");
    EXPECT_EQ(page.cells[24].jewishDate, "Nisan 15");
    EXPECT_EQ(page.jewishYearCaption, " 5784");
    EXPECT_EQ(page.yearText, "2024");
    EXPECT_EQ(page.monthIndex, 3);
    EXPECT_EQ(std::tuple(page.PageFirstJMonth, page.PageFirstJDay), std::tuple(7, 22));
    // The engine is left on the day after 30 April: 23 Nisan.
    EXPECT_EQ(std::tuple(engine.JYear, engine.JMonth, engine.JDay, engine.TargetGDay),
              std::tuple(5784, 8, 23, 1));
}

TEST_F(PageFixture, TheLastRowCountsFiveUpToCell35AndSixFrom36) {
    Show(2015, 1);  // Thursday 1st, 31 days
    EXPECT_EQ(std::tuple(page.lastCell, PageRows(page)), std::tuple(35, 5));
    Show(2016, 1);  // Friday 1st
    EXPECT_EQ(std::tuple(page.lastCell, PageRows(page)), std::tuple(36, 6));
}

TEST_F(PageFixture, TodayOrTheAskedJewishDateIsMarked) {
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    EXPECT_EQ(page.cells[24].body.background, PageColour::Blue);
    Show(2024, 5);
    EXPECT_TRUE(MarkedCells().empty());
    EXPECT_EQ(page.MarkedCell, 24);  // kept; its colours were restored
    Show(2025, 4);
    EXPECT_TRUE(MarkedCells().empty());
    ShowTodayPage(engine, page);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    EXPECT_EQ(std::tuple(engine.GYear, engine.TargetGMonth), std::tuple(2024, 4));

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
    const struct {
        const char* text;
        int year;  // 0: refused
    } cases[] = {{"2008abc", 2008}, {"1582.6", 1583}, {"7000.7", 0}, {"99999", 0}, {"", 0}};
    for (const auto& c : cases) {
        const Integer before = engine.GYear;
        platform.messages.clear();
        EXPECT_EQ(ShowEnteredMonth(engine, page, c.text, 6), c.year != 0) << c.text;
        EXPECT_EQ(engine.GYear, c.year != 0 ? c.year : before) << c.text;
        if (c.year != 0) {
            EXPECT_EQ(engine.TargetGMonth, 7);
            EXPECT_TRUE(platform.messages.empty());
        } else {
            ASSERT_EQ(platform.messages.size(), 1u) << c.text;
            EXPECT_EQ(platform.messages[0].text, "Year must be between 1583 and 7000");
            EXPECT_EQ(platform.messages[0].title, "Incorrect Year");
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
            EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
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

}  // namespace
}  // namespace qavo
