#include <gtest/gtest.h>

#include "engine/calendar_tables.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "page/month_page.hpp"
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
    int VisibleCells() const {
        int count = 0;
        for (int n = 1; n <= kPageCells; ++n) {
            count += page.cells[n].visible ? 1 : 0;
        }
        return count;
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

TEST_F(PageFixture, MonthStartingOnSundayFillsFourRowsOfFebruary2009) {
    Show(2009, 2);
    EXPECT_EQ(page.firstCell, 1);
    EXPECT_EQ(page.lastCell, 28);
    EXPECT_EQ(PageRows(page), 5);
    for (int n = 1; n <= kPageCells; ++n) {
        EXPECT_EQ(page.cells[n].visible, n <= 28) << n;
    }
    EXPECT_EQ(page.cells[1].dayText, " 1");
    EXPECT_EQ(page.cells[28].dayText, " 28");
    // 1 February 2009 was 7 Shevat 5769; Tu B'Shevat fell on 9 February.
    EXPECT_EQ(page.cells[1].jewishText, "Shevat 7\n");
    EXPECT_EQ(page.cells[9].jewishText, "Shevat 15\nTu B'Shevat");
    EXPECT_EQ(page.jewishYearCaption, " 5769");
    EXPECT_EQ(page.yearText, "2009");
    EXPECT_EQ(page.monthIndex, 1);
    EXPECT_EQ(page.PageFirstJMonth, 5);
    EXPECT_EQ(page.PageFirstJDay, 7);
}

TEST_F(PageFixture, MonthStartingOnSaturdayUsesTheSixthRow) {
    Show(2008, 3);  // 1 March 2008 was a Saturday
    EXPECT_EQ(page.firstCell, 7);
    EXPECT_EQ(page.lastCell, 37);
    EXPECT_EQ(PageRows(page), 6);
    EXPECT_EQ(VisibleCells(), 31);
    EXPECT_FALSE(page.cells[6].visible);
    EXPECT_EQ(page.cells[7].dayText, " 1");
    EXPECT_EQ(page.cells[37].dayText, " 31");
    EXPECT_FALSE(page.cells[38].visible);
    // Purim 5768 (a leap year) fell on 14 Adar II, Friday 21 March 2008.
    EXPECT_EQ(page.cells[27].jewishText, "Adar II 14\nPurim");
    EXPECT_EQ(page.jewishYearCaption, " 5768");
}

TEST_F(PageFixture, FebruaryOfCommonAndLeapYears) {
    Show(2023, 2);  // a Wednesday, 28 days
    EXPECT_EQ(page.firstCell, 4);
    EXPECT_EQ(page.lastCell, 31);
    EXPECT_EQ(VisibleCells(), 28);
    Show(2024, 2);  // a Thursday, 29 days
    EXPECT_EQ(page.firstCell, 5);
    EXPECT_EQ(page.lastCell, 33);
    EXPECT_EQ(VisibleCells(), 29);
    EXPECT_EQ(page.cells[33].dayText, " 29");
    EXPECT_EQ(page.cells[33].jewishText, "Adar 20\n");  // the first Adar of 5784
    EXPECT_EQ(engine.GLeapIndex, 1);
    Show(1900, 2);  // a century year that is common
    EXPECT_EQ(VisibleCells(), 28);
}

TEST_F(PageFixture, LastRowCountsFiveUpToCell35AndSixFrom36) {
    Show(2015, 1);  // Thursday 1st, 31 days: the last day in cell 35
    EXPECT_EQ(page.lastCell, 35);
    EXPECT_EQ(PageRows(page), 5);
    Show(2016, 1);  // Friday 1st, 31 days: the last day in cell 36
    EXPECT_EQ(page.lastCell, 36);
    EXPECT_EQ(PageRows(page), 6);
}

TEST_F(PageFixture, JewishMonthChangeAndPassoverInApril2024) {
    Show(2024, 4);  // Monday 1st: 1 April is in cell 2
    EXPECT_EQ(page.firstCell, 2);
    EXPECT_EQ(page.cells[2].jewishText, "Adar II 22\n");
    EXPECT_EQ(page.cells[9].jewishText, "Adar II 29\n");
    EXPECT_EQ(page.cells[10].jewishText, "Nisan 1\n");
    EXPECT_EQ(page.cells[24].jewishText, "Nisan 15\nPassover");
    EXPECT_EQ(page.cells[24].holiday, "Passover");
    EXPECT_EQ(page.cells[24].jewishDate, "Nisan 15");
    EXPECT_EQ(page.cells[31].jewishText, "Nisan 22\nPassover");
    EXPECT_FALSE(page.cells[32].visible);  // 30 April is the last day, in cell 31
    // After the build the engine holds the day after 30 April: 23 Nisan.
    EXPECT_EQ(engine.JMonth, 8);
    EXPECT_EQ(engine.JDay, 23);
    EXPECT_EQ(engine.JYear, 5784);
    EXPECT_EQ(engine.TargetGDay, 1);
}

TEST_F(PageFixture, TodayIsMarkedAndTheMarkFollowsNavigation) {
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    EXPECT_EQ(page.MarkedCell, 24);
    EXPECT_EQ(page.cells[24].body.text, PageColour::ButtonFace);
    EXPECT_EQ(page.cells[24].body.background, PageColour::Blue);
    Show(2024, 5);
    EXPECT_TRUE(MarkedCells().empty());
    EXPECT_EQ(page.MarkedCell, 24);  // kept; its colours were restored
    Show(2025, 4);
    EXPECT_TRUE(MarkedCells().empty());
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    ShowTodayPage(engine, page);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    EXPECT_EQ(engine.GYear, 2024);
    EXPECT_EQ(engine.TargetGMonth, 4);
}

TEST_F(PageFixture, AJewishDateIsMarkedInsteadOfToday) {
    page.MarkJewishDate = true;
    page.MarkJMonth = 8;
    page.MarkJDay = 1;
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{10});  // 1 Nisan, not today
    page.MarkJewishDate = false;
    Show(2024, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
}

TEST_F(PageFixture, AJewishDateOnTheFirstMarksOnlyTheFirst) {
    // 1 May 2024 was 23 Nisan; the hidden cells before it carry that date too.
    page.MarkJewishDate = true;
    page.MarkJMonth = 8;
    page.MarkJDay = 23;
    Show(2024, 5);
    EXPECT_EQ(page.firstCell, 4);
    EXPECT_EQ(MarkedCells(), std::vector<int>{4});
}

TEST_F(PageFixture, TheBusyPointerFramesTheBuild) {
    platform.calls.clear();
    Show(2024, 4);
    ASSERT_GE(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls.front(), "busy on");
    EXPECT_EQ(platform.calls.back(), "busy off");
}

TEST_F(PageFixture, EnteredYearIsCheckedBeforeTheBuild) {
    Show(2024, 4);
    const struct {
        const char* text;
        bool accepted;
        int year;
    } cases[] = {
        {"1582", false, 0},     {"1583", true, 1583},  {"7000", true, 7000},
        {"7001", false, 0},     {"", false, 0},        {"-2008", false, 0},
        {"99999", false, 0},    {"+2008", true, 2008}, {"2008abc", true, 2008},
        {"1582.6", true, 1583}, {"7000.7", false, 0},  {"1582.5", false, 0},
    };
    for (const auto& c : cases) {
        const Integer before = engine.GYear;
        platform.messages.clear();
        EXPECT_EQ(ShowEnteredMonth(engine, page, c.text, 6), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(engine.GYear, c.year) << c.text;
            EXPECT_EQ(engine.TargetGMonth, 7);
            EXPECT_TRUE(platform.messages.empty());
        } else {
            EXPECT_EQ(engine.GYear, before) << c.text;
            ASSERT_EQ(platform.messages.size(), 1u) << c.text;
            EXPECT_EQ(platform.messages[0].text, "Year must be between 1583 and 7000");
            EXPECT_EQ(platform.messages[0].title, "Incorrect Year");
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
            EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
        }
    }
}

// Every cell of a few whole years against a conversion of its own date.
TEST_F(PageFixture, EveryCellAgreesWithItsOwnConversion) {
    Engine oracle{platform};
    for (int year : {1583, 1999, 2024, 7000}) {
        for (int month = 1; month <= 12; ++month) {
            Show(year, month);
            for (int day = 1; day <= GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
                 ++day) {
                oracle.GYear = static_cast<Integer>(year);
                oracle.TargetGMonth = static_cast<Integer>(month);
                oracle.TargetGDay = static_cast<Integer>(day);
                ASSERT_TRUE(oracle.GregorianToJewish());
                const DayCell& cell = page.cells[page.firstCell + day - 1];
                std::string name(JLeapMonthName(oracle.JMonth));
                name.erase(name.find_last_not_of(' ') + 1);
                EXPECT_EQ(cell.jewishDate, name + BlankSigned(oracle.JDay))
                    << year << '-' << month << '-' << day;
                EXPECT_EQ(cell.dayText, BlankSigned(day));
            }
        }
    }
}

// Whole range: each page starts on the Jewish day after the previous page's
// last day, in the column of its weekday, and shows exactly its days.
TEST_F(PageFixture, PagesFollowOneAnotherOverTheWholeRange) {
    Integer nextMonth = 0, nextDay = 0;
    for (int year = kFirstGregorianYear; year <= kLastGregorianYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            Show(year, month);
            const int days = GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
            ASSERT_EQ(page.firstCell, GregorianWeekday(year, month, 1) + 1);
            ASSERT_EQ(page.lastCell - page.firstCell + 1, days);
            if (nextMonth != 0) {
                ASSERT_EQ(page.PageFirstJMonth, nextMonth) << year << '-' << month;
                ASSERT_EQ(page.PageFirstJDay, nextDay) << year << '-' << month;
            }
            nextMonth = engine.JMonth;
            nextDay = engine.JDay;
        }
    }
}

}  // namespace
}  // namespace qavo
