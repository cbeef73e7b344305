// The sunset commands read the data folder and never write it; the sunset and
// list texts themselves are checked in sunset/ and lists/.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "cli/tests/run_cli.hpp"
#include "sunset/city_file.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo::cli {
namespace {

struct SunsetCliTest : ::testing::Test {
    // Runs with the data files of `dir`; the tool's own directory holds none.
    CliResult Run(std::vector<std::string> words) {
        words.insert(words.end(), {"--data-dir", dir.path()});
        return RunCli(words, empty.path());
    }
    void WriteTwoCities(const char* ini) {
        dir.Write("sunset.dat",
                  EncodeCityRecord(DefaultCity()) +
                      EncodeCityRecord({PadCityName("Jerusalem"), 31, 47, -35, -13, -2, {}}));
        dir.Write("QAVOWIN.INI", ini);
    }
    testing::TempDir dir, empty;
};

TEST_F(SunsetCliTest, WithoutDataFilesNewYorkIsUsedAndNothingIsWritten) {
    const CliResult r = Run({"sunset", "2024-12-21"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Sunset Time in New York is 4:29pm Standard Time.\n");
    EXPECT_TRUE(r.messages.empty());
    const CliResult list = Run({"sunset-list", "2024-10-01", "4"});
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 4 + 4 + 2);  // two holiday rows
    EXPECT_EQ(Run({"readings-list", "2024-10-06", "7"}).out.find("October   12, 2024 Sat"), 83u);
    EXPECT_EQ(dir.Listing(), "");
}

TEST_F(SunsetCliTest, TheCityAndTheDaylightSettingComeFromTheDataFolder) {
    WriteTwoCities("[OPTIONS]\r\nDayLightSetting=Daylight\r\nDEFAULT_CITY= 1  \r\n");
    // A copy that a save of the window program may still be writing.
    dir.Write("sunset.dat.new-a1B2c3", "x");
    const timespec old[2] = {{0, 0}, {0, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "sunset.dat.new-a1B2c3").c_str(), old, 0), 0);
    const std::string cities = dir.Read("sunset.dat"), settings = dir.Read("QAVOWIN.INI");
    EXPECT_TRUE(Run({"sunset", "2024-12-21"}).out.starts_with("Sunset Time in Jerusalem is 5:"));
    EXPECT_EQ(Run({"sunset", "--city", "new YORK", "2024-12-21"}).out,
              "Sunset Time in New York is 5:29pm Daylight Time.\n");
    EXPECT_EQ(Run({"sunset", "2024-12-21", "--city", "0"}).status, 0);
    EXPECT_EQ(dir.Read("sunset.dat") + dir.Read("QAVOWIN.INI"), cities + settings);
    EXPECT_EQ(dir.Listing(), "QAVOWIN.INI sunset.dat sunset.dat.new-a1B2c3");

    // The clock for one run: the zone implies Auto; nothing is written.
    EXPECT_EQ(Run({"sunset", "2025-04-02", "--city", "0", "--daylight", "AUTO"}).out,
              "Sunset Time in New York is 7:19pm Daylight Time.\n");
    EXPECT_EQ(Run({"sunset", "2025-12-08", "--zone", "Asia/Jerusalem"}).out,
              "Sunset Time in Jerusalem is 4:32pm Standard Time.\n");
    EXPECT_EQ(Run({"sunset", "2025-12-08", "--daylight", "standard", "--zone", "Asia/Tokyo"}).out,
              "Sunset Time in Jerusalem is 4:32pm Standard Time.\n");
    EXPECT_EQ(Run({"sunset", "2025-12-08", "--daylight", "summer"}).err,
              "qavo-cli: --daylight: summer is not standard, daylight or auto\n");
    EXPECT_EQ(Run({"sunset-list", "2025-12-08", "2", "--zone", "Asia/Nowhere"}).status, 2);
    EXPECT_EQ(dir.Read("sunset.dat") + dir.Read("QAVOWIN.INI"), cities + settings);

    // A bad file is reported after the text, and the tool goes on with the first city.
    WriteTwoCities("[OPTIONS]\r\nDEFAULT_CITY=9\r\n");
    dir.Write("sunset.dat", cities + "xyz");
    const CliResult r = Run({"sunset", "2024-12-21"});
    EXPECT_EQ(r.out, "Sunset Time in New York is 4:29pm Standard Time.\n");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].title, "Sunset Data Error");
}

}  // namespace
}  // namespace qavo::cli
