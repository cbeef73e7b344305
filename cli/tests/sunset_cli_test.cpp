#include <gtest/gtest.h>

#include <algorithm>

#include "cli/tests/run_cli.hpp"
#include "sunset/city_file.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo::cli {
namespace {

// Runs with the data files of `dir`; the platform's own directory holds none.
CliResult RunIn(const testing::TempDir& dir, std::vector<std::string> words) {
    testing::TempDir empty;
    words.push_back("--data-dir");
    words.push_back(dir.path());
    return RunCli(words, empty.path());
}

struct SunsetCliTest : ::testing::Test {
    void WriteTwoCities(const char* ini) {
        dir.Write("sunset.dat",
                  EncodeCityRecord(DefaultCity()) +
                      EncodeCityRecord({PadCityName("Jerusalem"), 31, 47, -35, -13, -2}));
        dir.Write("QAVOWIN.INI", ini);
    }
    testing::TempDir dir;
};

TEST_F(SunsetCliTest, WithoutDataFilesNewYorkIsUsedAndNothingIsWritten) {
    // 4:29.05 pm by the almanac formula in double precision, three minutes off.
    const CliResult r = RunIn(dir, {"sunset", "2024-12-21"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Sunset Time in New York is 4:29pm Standard Time.\n");
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(dir.Listing(), "");
}

TEST_F(SunsetCliTest, TheDefaultCityAndTheDaylightSettingComeFromTheDataFolder) {
    WriteTwoCities("[OPTIONS]\r\nDayLightSetting=Daylight\r\nDEFAULT_CITY= 1  \r\n");
    const std::string cities = dir.Read("sunset.dat"), settings = dir.Read("QAVOWIN.INI");
    // Jerusalem: 4:36.79 pm standard time by the same computation.
    EXPECT_EQ(RunIn(dir, {"sunset", "2024-12-21"}).out,
              "Sunset Time in Jerusalem is 5:37pm Daylight Time.\n");
    EXPECT_EQ(RunIn(dir, {"sunset", "--city", "new YORK", "2024-12-21"}).out,
              "Sunset Time in New York is 5:29pm Daylight Time.\n");
    EXPECT_EQ(RunIn(dir, {"sunset", "2024-12-21", "--city", "0"}).status, 0);
    EXPECT_EQ(dir.Listing(), "QAVOWIN.INI sunset.dat");
    EXPECT_EQ(dir.Read("sunset.dat"), cities);
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), settings);
}

TEST_F(SunsetCliTest, ABadDataFileIsReportedAndTheToolGoesOn) {
    WriteTwoCities("[OPTIONS]\r\nDEFAULT_CITY=9\r\n");
    dir.Write("sunset.dat", dir.Read("sunset.dat") + "xyz");
    const CliResult r = RunIn(dir, {"sunset", "2024-12-21"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Sunset Time in New York is 4:29pm Standard Time.\n");  // the first city
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].title, "Sunset Data Error");
}

TEST_F(SunsetCliTest, PrintsBothListTexts) {
    const CliResult sunsets = RunIn(dir, {"sunset-list", "2024-10-01", "4"});
    EXPECT_TRUE(sunsets.out.ends_with("October   04, 2024 Fri, Tishri  02, 5785,  5:29pm \r\n"));
    EXPECT_EQ(std::count(sunsets.out.begin(), sunsets.out.end(), '\n'), 4 + 4 + 2);
    const CliResult readings = RunIn(dir, {"readings-list", "2024-10-06", "7"});
    EXPECT_NE(readings.out.find("\r\nOctober   12, 2024 Sat, Tishri  10, 5785\r\nTorah reading: "),
              std::string::npos);
}

}  // namespace
}  // namespace qavo::cli
