// Every month page from January 1583 to December 7000.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "engine/calendar_tables.hpp"
#include "page/month_page.hpp"
#include "tests/support/calendar_facts.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

// Whole range: each page starts on the Jewish day after the previous page's
// last day, in the column of its weekday, names it, and shows exactly its days.
TEST(PageSweep, PagesFollowOneAnotherOverTheWholeRange) {
    testing::FakePlatform platform;
    Engine engine{platform};
    ASSERT_TRUE(engine.InitEngine());
    MonthPage page;
    const char* const months[] = {"",       "Tishri", "Heshvan", "Kislev", "Tevet",
                                  "Shevat", "Adar",   "Adar II", "Nisan",  "Iyar",
                                  "Sivan",  "Tammuz", "Av",      "Elul"};
    Integer nextMonth = 0, nextDay = 0;
    for (int year = kFirstGregorianYear; year <= kLastGregorianYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            engine.GYear = static_cast<Integer>(year);
            engine.TargetGMonth = static_cast<Integer>(month);
            BuildMonthPage(engine, page);
            const int days = GMonthLen(month, Engine::IsGregorianLeap(year) ? 1 : 0);
            ASSERT_EQ(page.firstCell, testing::Weekday(year, month, 1) + 1);
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

}  // namespace
}  // namespace qavo
