#include <gtest/gtest.h>

#include <tuple>

#include "startup/init_calendar.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

TEST(InitCalendar, ReadsTheSettingsAndTheCitiesFromTheProgramDirectory) {
    testing::TempDir dir;
    dir.Write("qavowin.ini",
              "[Options]\r\nDayLightSetting=daylight\r\nDEFAULT_CITY=1\r\nSchedule="
              "israel\r\nHolidays=All\r\n");
    dir.Write("Sunset.dat", EncodeCityRecord(DefaultCity()) +
                                EncodeCityRecord(testing::City("Jerusalem", 31, 47, -35, -13, -2)));
    testing::FakePlatform platform({1999, 9, 11}, dir.path());
    Calendar calendar(platform);
    ASSERT_EQ(InitCalendar(calendar), StartupResult::Ready);
    const Engine& engine = calendar.engine;
    const CityDatabase& cities = calendar.cities;
    EXPECT_EQ(std::tuple(engine.JYear, engine.IniPath, engine.SuccDayCount),
              std::tuple(5760, dir / "qavowin.ini", 30));
    EXPECT_EQ(
        std::tuple(cities.Directory, cities.DaylightMode, cities.LastCityIndex, cities.CurrentCity),
        std::tuple(dir.path(), "daylight", 1, 1));
    EXPECT_EQ(calendar.holidayOptions.schedule, Schedule::Israel);
    EXPECT_EQ(calendar.holidayOptions.holidays, HolidaySet::All);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(platform.busy);
    EXPECT_EQ(dir.Listing(), "Sunset.dat qavowin.ini");
}

TEST(InitCalendar, AsksForTheCityFileWithTheNormalPointer) {
    testing::TempDir dir;
    testing::FakePlatform platform({2024, 2, 29}, dir.path());
    platform.answers.push_back(MessageAnswer::Yes);
    Calendar calendar(platform);
    ASSERT_EQ(InitCalendar(calendar), StartupResult::Ready);
    EXPECT_EQ(calendar.engine.IniPath, dir / "QAVOWIN.INI");
    EXPECT_EQ(calendar.cities.DaylightMode, "Standard");
    // The readings turn the pointer off at their end, start-up once more.
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"busy on", "busy on", "busy off",
                                                        "busy off", "message:Sunset Data Error"}));
    EXPECT_EQ(dir.Listing(), "sunset.dat");
    EXPECT_EQ(calendar.cities.CityTable[0], DefaultCity());
}

TEST(InitCalendar, StopsOnARefusedReadingScheduleWithThePointerRestored) {
    testing::TempDir dir;
    testing::FakePlatform platform({2025, 3, 1}, dir.path());
    ScheduleTexts texts = ProgramScheduleTexts();
    texts.index.back() = 'x';
    Calendar calendar(platform);
    EXPECT_EQ(InitCalendar(calendar, texts), StartupResult::ReadingScheduleRefused);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Initialization Error");
    EXPECT_FALSE(platform.busy);
    EXPECT_EQ(dir.Listing(), "");  // start-up stopped before the city file
}

}  // namespace
}  // namespace qavo
