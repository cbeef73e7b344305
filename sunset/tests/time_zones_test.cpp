#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "sunset/city_zones.hpp"
#include "sunset/sunset_time.hpp"
#include "sunset/tests/test_support.hpp"
#include "sunset/time_zones.hpp"
#include "sunset/zone_places.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

using testing::City;

TEST(TimeZones, TheClockChangesOnThePublishedDates) {
    constexpr int kHour = 3600;
    const struct {
        const char* zone;
        GregorianDate date;
        int offset;
        bool daylight;
    } cases[] = {
        // United States: second Sunday of March, first of November (since 2007).
        {"America/New_York", {2025, 3, 8}, -5 * kHour, false},
        {"America/New_York", {2025, 3, 9}, -4 * kHour, true},
        {"America/New_York", {2025, 11, 1}, -4 * kHour, true},
        {"America/New_York", {2025, 11, 2}, -5 * kHour, false},
        // Before 2007: first Sunday of April, last of October.
        {"America/New_York", {2006, 4, 1}, -5 * kHour, false},
        {"America/New_York", {2006, 4, 2}, -4 * kHour, true},
        {"America/New_York", {2006, 10, 29}, -5 * kHour, false},
        // Beyond the changes the zone files list (2037): the rule goes on.
        {"America/New_York", {2040, 3, 10}, -5 * kHour, false},
        {"America/New_York", {2040, 3, 11}, -4 * kHour, true},
        // Israel: the Friday before the last Sunday of March, the last Sunday of October.
        {"Asia/Jerusalem", {2025, 3, 27}, 2 * kHour, false},
        {"Asia/Jerusalem", {2025, 3, 28}, 3 * kHour, true},
        {"Asia/Jerusalem", {2025, 10, 26}, 2 * kHour, false},
        {"Asia/Jerusalem", {2040, 3, 23}, 3 * kHour, true},
        {"Europe/London", {2025, 3, 30}, kHour, true},
        {"Europe/London", {2025, 10, 26}, 0, false},
        // South Australia: half an hour off the whole hours, summer in January.
        {"Australia/Adelaide", {2025, 4, 5}, 10 * kHour + 1800, true},
        {"Australia/Adelaide", {2025, 4, 6}, 9 * kHour + 1800, false},
        {"Australia/Adelaide", {2025, 10, 5}, 10 * kHour + 1800, true},
        {"America/Phoenix", {2025, 7, 1}, -7 * kHour, false},
        {"Asia/Kolkata", {2025, 7, 1}, 5 * kHour + 1800, false},
        // Local mean time of New York's 74° 0' 23" W before standard time (1883).
        {"America/New_York", {1850, 6, 1}, -17762, false},
        {"Etc/GMT+5", {2025, 7, 1}, -5 * kHour, false},
    };
    for (const auto& c : cases) {
        const auto clock = ZoneOffsetOn(c.zone, c.date.year, c.date.month, c.date.day);
        ASSERT_TRUE(clock) << c.zone;
        EXPECT_EQ(clock->seconds, c.offset) << c.zone << ' ' << c.date.year << '-' << c.date.month;
        EXPECT_EQ(clock->daylight, c.daylight)
            << c.zone << ' ' << c.date.year << '-' << c.date.month;
    }
    EXPECT_FALSE(ZoneOffsetOn("Mars/Olympus_Mons", 2025, 1, 1));
    EXPECT_FALSE(ZoneOffsetOn("", 2025, 1, 1));
    EXPECT_EQ(FixedZoneName(-2), "Etc/GMT-2");
}

TEST(ZonePlaces, TheTableIsReadAndACityTakesTheNearestZoneOfItsOffset) {
    const auto parsed = ParseZoneTable(
        "# comment\n"
        "IN\t+2232+08822\tAsia/Kolkata\n"
        "CA\t+4734-05243\tAmerica/St_Johns\tNewfoundland, Labrador (SE)\r\n"
        "XX\t+47x4-05243\tBad/Coordinates\n"
        "XX\t+4734\tNo/Longitude\n");
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[1].comment, "Newfoundland, Labrador (SE)");
    EXPECT_NEAR(parsed[1].longitude, -(52 + 43 / 60.0), 1e-9);
    ZonePlace kolkata = parsed[0];
    kolkata.standardOffset = 5 * 3600 + 1800;
    EXPECT_EQ(CityAtPlace(kolkata),
              City("Kolkata", 22, 32, -88, -22, -5, "Asia/Kolkata"));  // whole hours, toward 0
    ZonePlace stJohns = parsed[1];
    stJohns.standardOffset = -3 * 3600 - 1800;
    EXPECT_EQ(CityAtPlace(stJohns), City("St Johns", 47, 34, 52, 43, 3, "America/St_Johns"));

    const auto places = LoadZonePlaces(2025);
    EXPECT_GT(places.size(), 250u);
    const struct {
        CityRecord city;
        const char* zone;
    } cases[] = {
        {DefaultCity(), "America/New_York"},
        {City("Phoenix", 33, 26, 112, 4, 7), "America/Phoenix"},
        {City("Denver", 39, 44, 104, 59, 7), "America/Denver"},
        {City("Jerusalem", 31, 47, -35, -13, -2), "Asia/Jerusalem"},
        {City("Sydney", -33, -52, -151, -13, -10), "Australia/Sydney"},
        {City("At sea", 0, 0, 170, 0, 12), "Etc/GMT+12"},  // no place keeps UTC-12
        // A half-hour zone's cities are stored with its whole hours: Adelaide
        // (+9:30) is taken before Dili (+9), St. John's (-3:30) before Nuuk.
        {City("Adelaide", -34, -56, -138, -36, -9), "Australia/Adelaide"},
        {City("Gander", 48, 57, 54, 36, 3), "America/St_Johns"},
        // A chosen zone wins; one the database lacks does not.
        {City("Delhi", 28, 37, -77, -13, -5, "Asia/Kolkata"), "Asia/Kolkata"},
        {City("Phoenix", 33, 26, 112, 4, 7, "Nowhere/Town"), "America/Phoenix"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CityZone(c.city, places), c.zone) << c.city.CityName;
    }
}

TEST(TimeZones, TheDayClickTellsTheClockOfTheDateInAuto) {
    testing::FakePlatform platform;
    Engine engine(platform);
    CityDatabase cities;
    cities.ZonePlaces = LoadZonePlaces(2025);
    cities.LastCityIndex = 1;
    cities.CityTable[0] = DefaultCity();
    cities.CityTable[1] = City("Jerusalem", 31, 47, -35, -13, -2);
    // Published sunsets are 7:22pm EDT and 4:36pm IST; the program tells sunset three minutes
    // early.
    const struct {
        int city;
        const char* mode;
        GregorianDate date;
        const char* line;
    } cases[] = {
        {0, "auto    ", {2025, 4, 2}, "Sunset Time in New York is 7:19pm Daylight Time."},
        {1, "AUTO", {2025, 12, 8}, "Sunset Time in Jerusalem is 4:32pm Standard Time."},
        {1, "Daylight", {2025, 12, 8}, "Sunset Time in Jerusalem is 5:32pm Daylight Time."},
        {0, "Autumn  ", {2025, 4, 2}, "Sunset Time in New York is 6:19pm Autumn   Time."},
    };
    for (const auto& c : cases) {
        cities.CurrentCity = static_cast<Integer>(c.city);
        cities.DaylightMode = c.mode;
        testing::SetTarget(engine, c.date);
        SunsetForDay(engine, cities);
        EXPECT_EQ(SunsetLine(cities), c.line);
    }
}

TEST(CityZones, AnEntryIsWrittenReadBackAndRemovedWithTheRestKept) {
    testing::TempDir dir;
    const std::string ini = dir / "QAVOWIN.INI";
    dir.Write("QAVOWIN.INI", "[OPTIONS]\r\nDEFAULT_CITY= 1  \r\n");
    ASSERT_TRUE(SaveCityZone(ini, "Delhi               ", "Asia/Kolkata"));
    ASSERT_TRUE(SaveCityZone(ini, "New York", "America/New_York"));
    CityDatabase cities;
    cities.LastCityIndex = 2;
    cities.CityTable[0] = DefaultCity();
    cities.CityTable[1] = City("delhi", 28, 37, -77, -13, -5);
    cities.CityTable[2] = City("Paris", 48, 52, -2, -21, -1, "Europe/Paris");
    ReadCityZones(cities, ini);
    EXPECT_EQ(cities.CityTable[0].TimeZone, "America/New_York");
    EXPECT_EQ(cities.CityTable[1].TimeZone, "Asia/Kolkata");  // keys match in any case
    EXPECT_EQ(cities.CityTable[2].TimeZone, "");
    ASSERT_TRUE(SaveCityZone(ini, "Delhi", ""));
    EXPECT_EQ(dir.Read("QAVOWIN.INI"),
              "[OPTIONS]\r\nDEFAULT_CITY= 1  \r\n[TIMEZONES]\r\nNew York=America/New_York\r\n");
    ASSERT_TRUE(SaveCityZone(ini, "Delhi", ""));  // nothing left to remove
    const std::string elsewhere = dir / "no/such/folder/QAVOWIN.INI";
    EXPECT_EQ(SaveCityZone(elsewhere, "Delhi", "Asia/Kolkata").error(),
              elsewhere + " could not be written: No such file or directory");
}

// The clock libc gives at local noon of a date in a zone, read from the same
// system data by other code.
ZoneOffset LibcClockAtNoon(int year, int month, int day) {
    std::tm noon{};
    noon.tm_year = year - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const std::time_t t = std::mktime(&noon);
    std::tm local{};
    ::localtime_r(&t, &local);
    return {static_cast<std::int32_t>(local.tm_gmtoff), local.tm_isdst > 0};
}

TEST(TimeZones, AutoIsTheFixedComputationOnEachDatesClock) {
    testing::FakePlatform platform;
    Engine engine(platform);
    CityDatabase cities;
    cities.ZonePlaces = LoadZonePlaces(2025);
    cities.DaylightMode = "Auto    ";
    const struct {
        CityRecord city;
        const char* zone;
    } cases[] = {
        {DefaultCity(), "America/New_York"},
        {City("Jerusalem", 31, 47, -35, -13, -2), "Asia/Jerusalem"},
        {City("London", 51, 30, 0, 7, 0), "Europe/London"},
        {City("Sydney", -33, -52, -151, -13, -10), "Australia/Sydney"},
        {City("Phoenix", 33, 26, 112, 4, 7), "America/Phoenix"},
        {City("Denver", 39, 44, 104, 59, 7), "America/Denver"},
        {City("Delhi", 28, 37, -77, -13, -5, "Asia/Kolkata"), "Asia/Kolkata"},
        {City("Adelaide", -34, -56, -138, -36, -9, "Australia/Adelaide"), "Australia/Adelaide"},
    };
    using namespace std::chrono;
    for (const auto& c : cases) {
        ::setenv("TZ", c.zone, 1);
        ::tzset();
        cities.CityTable[0] = c.city;
        int daylightDays = 0;
        for (sys_days d = sys_days{1990y / 1 / 1}; d <= sys_days{2040y / 12 / 31}; d += days{7}) {
            const year_month_day date{d};
            testing::SetTarget(engine, {static_cast<Integer>(int{date.year()}),
                                        static_cast<Integer>(unsigned{date.month()}),
                                        static_cast<Integer>(unsigned{date.day()})});
            SunsetForDay(engine, cities);
            const ZoneOffset libc =
                LibcClockAtNoon(engine.GYear, engine.TargetGMonth, engine.TargetGDay);
            CityRecord fixed = c.city;
            std::string expected;
            if (libc.seconds % 3600 == 0) {
                fixed.Zone = static_cast<Integer>(-libc.seconds / 3600);
                expected = SunsetTextFor(fixed, engine.GYear, engine.TargetGMonth,
                                         engine.TargetGDay, "Standard");
            } else {  // a half-hour zone has no Zone to stand for it
                expected = SunsetWithOffset(fixed, engine.GYear, engine.TargetGMonth,
                                            engine.TargetGDay, libc.seconds)
                               .text;
            }
            const std::string where = c.city.CityName + std::to_string(engine.GYear) + "-" +
                                      std::to_string(engine.TargetGMonth) + "-" +
                                      std::to_string(engine.TargetGDay);
            ASSERT_EQ(cities.SunsetText, expected) << where;
            ASSERT_EQ(cities.SunsetClock, libc.daylight ? "Daylight" : "Standard") << where;
            daylightDays += libc.daylight ? 1 : 0;
        }
        // Phoenix and Delhi keep standard time; the others change twice a year.
        const bool changes =
            std::string(c.zone) != "America/Phoenix" && std::string(c.zone) != "Asia/Kolkata";
        EXPECT_EQ(daylightDays > 0, changes) << c.zone;
    }
    ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
}  // namespace qavo
