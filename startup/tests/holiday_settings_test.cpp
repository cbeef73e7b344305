#include <gtest/gtest.h>

#include "startup/holiday_settings.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/file_size_limit.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

// Both choices go into the file in one replacement: a disk that fills
// between them cannot keep the one and lose the other.
TEST(HolidaySettings, BothChoicesAreSavedTogetherOrNotAtAll) {
    testing::TempDir dir;
    const std::string ini = dir / "QAVOWIN.INI";
    HolidayOptions chosen;
    chosen.schedule = Schedule::Israel;
    chosen.holidays = HolidaySet::All;
    // Room for the file with the schedule alone (28 bytes), not with both (42).
    const int status = testing::RunWithFileSizeLimit(35, testing::Interruption::DiskFull, [&] {
        testing::FakePlatform platform;
        return SaveHolidayOptions(platform, ini, chosen);
    });
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(dir.Exists("QAVOWIN.INI"));

    testing::FakePlatform platform;
    ASSERT_TRUE(SaveHolidayOptions(platform, ini, chosen));
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\r\nSchedule=Israel\r\nHolidays=All\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace qavo
