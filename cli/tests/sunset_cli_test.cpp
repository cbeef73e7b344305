#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/tests/run_cli.hpp"
#include "sunset/city_file.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo::cli {
namespace {

using Result = CliResult;

// Runs with the data files of `dir`; the platform's own directory holds none.
Result RunIn(const testing::TempDir& dir, std::vector<std::string> words) {
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
    const Result r = RunIn(dir, {"sunset", "2024-12-21"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Sunset Time in New York is 4:29pm Standard Time.\n");
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(dir.Listing(), "");
}

TEST_F(SunsetCliTest, TheDefaultCityAndTheDaylightSettingComeFromTheDataFolder) {
    WriteTwoCities("[OPTIONS]\r\nDayLightSetting=Daylight\r\nDEFAULT_CITY= 1  \r\n");
    // Jerusalem: 4:36.79 pm standard time by the same computation.
    EXPECT_EQ(RunIn(dir, {"sunset", "2024-12-21"}).out,
              "Sunset Time in Jerusalem is 5:37pm Daylight Time.\n");
    EXPECT_EQ(RunIn(dir, {"sunset", "2024-12-21", "--city", "0"}).out,
              "Sunset Time in New York is 5:29pm Daylight Time.\n");
    EXPECT_EQ(RunIn(dir, {"sunset", "--city", "new YORK", "2024-12-21"}).out,
              "Sunset Time in New York is 5:29pm Daylight Time.\n");
    const std::string before = dir.Listing();
    EXPECT_EQ(before, "QAVOWIN.INI sunset.dat");
}

TEST_F(SunsetCliTest, ABadDataFileIsReportedAndTheToolGoesOn) {
    WriteTwoCities("[OPTIONS]\r\nDEFAULT_CITY=9\r\n");
    dir.Write("sunset.dat", dir.Read("sunset.dat") + "xyz");
    const Result r = RunIn(dir, {"sunset", "2024-12-21"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Sunset Time in New York is 4:29pm Standard Time.\n");  // the first city
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].title, "Sunset Data Error");
}

TEST_F(SunsetCliTest, PrintsBothListTexts) {
    const Result sunsets = RunIn(dir, {"sunset-list", "2024-10-01", "4"});
    EXPECT_EQ(sunsets.status, 0);
    EXPECT_TRUE(
        sunsets.out.starts_with("Holidays begin the evening before the indicated days.\r\n"
                                "Sunset is Standard Time in New York.\r\n"));
    EXPECT_TRUE(sunsets.out.ends_with("October   04, 2024 Fri, Tishri  02, 5785,  5:29pm \r\n"));
    EXPECT_EQ(std::count(sunsets.out.begin(), sunsets.out.end(), '\n'), 4 + 4 + 2);

    const Result readings = RunIn(dir, {"readings-list", "2024-10-06", "7"});
    EXPECT_EQ(readings.status, 0);
    EXPECT_TRUE(readings.out.starts_with("Sabbath Torah and Haftarah readings\r\n"));
    EXPECT_NE(readings.out.find("\r\nOctober   12, 2024 Sat, Tishri  10, 5785\r\nTorah reading: "),
              std::string::npos);
}

TEST_F(SunsetCliTest, BadInputPrintsOneLineAndExitsWithTwo) {
    WriteTwoCities("");
    const std::vector<std::vector<std::string>> bad = {
        {"sunset"},
        {"sunset", "2024-13-01"},
        {"sunset", "2024-12-21", "--city", "2"},
        {"sunset", "2024-12-21", "--city", "Paris"},
        {"sunset-list", "2024-10-01"},
        {"sunset-list", "2024-10-01", "0"},
        {"sunset-list", "2024-10-01", "40000"},
        {"sunset-list", "2024-10-01", "5000"},  // beyond 30,000 characters
        {"readings-list", "2024-10-01", "-3"},
    };
    for (const auto& words : bad) {
        const Result r = RunIn(dir, words);
        EXPECT_EQ(r.status, 2) << words.back();
        EXPECT_TRUE(r.out.empty()) << words.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.messages.empty()) << words.back();  // the error line says it all
    }
    testing::FakePlatform platform;
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run({"sunset", "2024-12-21", "--data-dir", dir / "missing"}, out, err, platform),
              2);
    EXPECT_EQ(err.str(), "qavo-cli: --data-dir: " + (dir / "missing") + " is not a folder\n");
}

}  // namespace
}  // namespace qavo::cli
