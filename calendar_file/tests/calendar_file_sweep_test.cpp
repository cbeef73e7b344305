// Every Gregorian year's holidays, 1583 to 7000, written as a calendar file
// and read back.
#include "calendar_file/tests/read_back.hpp"
#include "holidays/gregorian_year_report.hpp"

namespace qavo::testing {
namespace {

TEST_F(CalendarFileTest, EveryGregorianYearsHolidaysComeBackFromTheFile) {
    for (int g = kFirstGregorianYear; g <= kLastGregorianYear; ++g) {
        engine.GYear = g;
        const std::optional<ListedReport> report = GregorianYearCommandListing(engine);
        ASSERT_TRUE(report) << g;
        ExpectEventsMatchLines(*report, 6, true);  // after the six lines of the header
    }
}

}  // namespace
}  // namespace qavo::testing
