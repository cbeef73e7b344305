#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

#include <sys/stat.h>

#include "sunset/city_file.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

using testing::City;

// One record as the file holds it, built byte by byte apart from the program's encoder.
std::string RecordBytes(const std::string& name1252, float latDeg, float latMin, float longDeg,
                        float longMin, int zone) {
    std::string bytes = name1252;
    bytes.resize(20, ' ');
    for (const float value : {latDeg, latMin, longDeg, longMin}) {
        for (int i = 0; i < 4; ++i) {
            bytes += static_cast<char>(std::bit_cast<std::uint32_t>(value) >> (8 * i));
        }
    }
    return bytes + static_cast<char>(zone & 0xFF) + static_cast<char>((zone >> 8) & 0xFF) +
           std::string(2, '\0');
}

std::string ManyRecords(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += RecordBytes("City " + std::to_string(i + 1), 10, 0, 20, 0, 1);
    }
    return bytes;
}

struct CityFileTest : ::testing::Test {
    testing::TempDir dir;
    testing::FakePlatform platform;
    CityDatabase cities;
    CityFileTest() { cities.Directory = dir.path(); }
    void Load(MissingCityFile missing = MissingCityFile::AskToCreate) {
        LoadCityFile(cities, platform, dir / "QAVOWIN.INI", missing);
    }
};

TEST_F(CityFileTest, TheDefaultFileHoldsNewYorkInFortyBytes) {
    platform.answers.push_back(MessageAnswer::Yes);
    Load();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Sunset Data Error");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(platform.TakeMessage(), "SUNSET.DAT not found.  Make default file?");
    EXPECT_EQ(dir.Read("sunset.dat"), RecordBytes("New York", 40, 45, 73, 59, 5));
    EXPECT_EQ(cities.LastCityIndex, 0);
    EXPECT_EQ(cities.CityTable[0], DefaultCity());

    // Answered No, New York is used from memory; nothing is written and no
    // default city is read.
    std::filesystem::remove(dir / "sunset.dat");
    dir.Write("QAVOWIN.INI", "[OPTIONS]\r\nDEFAULT_CITY=\r\n");
    cities.CityTable[4] = DefaultCity();
    cities.LastCityIndex = 4;
    cities.CurrentCity = 3;
    Load();
    EXPECT_EQ(platform.TakeMessage(), "SUNSET.DAT not found.  Make default file?");
    EXPECT_EQ(cities.LastCityIndex * 10 + cities.CurrentCity, 0);
    EXPECT_EQ(cities.CityTable[0], DefaultCity());
    EXPECT_EQ(cities.CityTable[4], CityRecord{});
    EXPECT_FALSE(dir.Exists("sunset.dat"));

    // The command-line tool asks nothing and writes nothing.
    std::filesystem::remove(dir / "QAVOWIN.INI");
    Load(MissingCityFile::UseDefaultInMemory);
    EXPECT_EQ(platform.TakeMessage(), "");
    EXPECT_EQ(dir.Listing(), "");
    EXPECT_EQ(cities.LastCityIndex, 0);
}

TEST_F(CityFileTest, NamesAreStoredInWindows1252AndFoundWhateverTheCaseOfTheFile) {
    cities.CityTable[0] = City("Zürich", 47, 22, -8, -33, -1);
    cities.CityTable[1] = City("São Paulo – Centro", -23.5f, -33, 46, 38, 3);
    cities.LastCityIndex = 1;
    dir.Write("SUNSET.DAT", "");
    cities.CityFileBytes = "";  // as read
    ASSERT_TRUE(WriteCityFile(cities, platform));
    EXPECT_EQ(dir.Read("SUNSET.DAT"),
              RecordBytes("Z\xFCrich", 47, 22, -8, -33, -1) +
                  RecordBytes("S\xE3o Paulo \x96 Centro", -23.5f, -33, 46, 38, 3));
    CityDatabase loaded;
    loaded.Directory = dir.path();
    LoadCityFile(loaded, platform, dir / "QAVOWIN.INI");
    EXPECT_EQ(platform.TakeMessage(), "");
    EXPECT_EQ(loaded.CityTable, cities.CityTable);
    EXPECT_EQ(loaded.LastCityIndex, 1);
    // Other writers pad names with zero bytes: control bytes read as blanks.
    dir.Write("SUNSET.DAT", RecordBytes(std::string("Haifa\0\t", 7), 32, 49, -34, -59, -2));
    LoadCityFile(loaded, platform, dir / "QAVOWIN.INI");
    EXPECT_EQ(loaded.CityTable[0].CityName, PadCityName("Haifa"));
}

TEST_F(CityFileTest, FilesOfEverySizeLoadTheWholeRecords) {
    const struct {
        int bytes;
        int cities;
        const char* message;
    } cases[] = {
        {40, 1, ""},
        {78, 2, ""},  // the last record without its two unused bytes
        {99 * 40 - 2, 99, ""},
        {45, 1, "SUNSET.DAT ends in 5 bytes that make no whole city record. They were ignored."},
        {40 * 3 + 39, 3,
         "SUNSET.DAT ends in 39 bytes that make no whole city record. They were ignored."},
        {100 * 40, 99,
         "SUNSET.DAT holds more than 99 cities. Only the first 99 were loaded, and the cities "
         "cannot be saved."},
        {250 * 40 + 7, 99,
         "SUNSET.DAT holds more than 99 cities. Only the first 99 were loaded, and the cities "
         "cannot be saved."},
        {17, 1,
         "SUNSET.DAT holds no city. New York is used until the cities are saved in Sunset Setup."},
    };
    for (const auto& c : cases) {
        dir.Write("sunset.dat", ManyRecords(251).substr(0, c.bytes));
        Load();
        EXPECT_EQ(platform.TakeMessage(), c.message) << c.bytes;
        EXPECT_EQ(cities.LastCityIndex, c.cities - 1) << c.bytes;
        EXPECT_EQ(cities.CityTable[c.cities - 1].CityName,
                  PadCityName(c.bytes < 40 ? "New York" : "City " + std::to_string(c.cities)));
        EXPECT_EQ(cities.CityTable[c.cities], CityRecord{});
    }
}

TEST_F(CityFileTest, NumbersOutOfRangeAreSetToZeroAndReported) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    dir.Write("sunset.dat", RecordBytes("Good", 90, 59, -179, -59, -12) +
                                RecordBytes("NaN", nan, 10, 20, 30, 2) +
                                RecordBytes("Far", 40, 45, 1e10f, 59, 5) +
                                RecordBytes("Min", -90.5f, 60, 73, -inf, 5) +
                                RecordBytes("Zone", 40, 45, 73, 59, -32768));
    Load();
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT: records 2, 3, 4, 5 hold a latitude, longitude or zone out of range; "
              "those values were set to 0. Correct them in Sunset Setup.");
    const std::vector<CityRecord> expected = {
        City("Good", 90, 59, -179, -59, -12), City("NaN", 0, 10, 20, 30, 2),
        City("Far", 40, 45, 0, 59, 5), City("Min", 0, 0, 73, 0, 5),
        City("Zone", 40, 45, 73, 59, 0)};
    EXPECT_EQ(std::vector(cities.CityTable.begin(), cities.CityTable.begin() + 5), expected);

    dir.Write("sunset.dat",
              RecordBytes("Good", 1, 2, 3, 4, 5) + RecordBytes("Bad", 1, 2, 3, 4, 13));
    Load();
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT: record 2 holds a latitude, longitude or zone out of range; those values "
              "were set to 0. Correct them in Sunset Setup.");
}

// A file that cannot be read keeps the cities in memory, or New York when
// there are none: the sunset times never come without a city.
TEST_F(CityFileTest, AnUnreadableFileOrFolderKeepsTheCitiesInMemoryOrNewYork) {
    cities.CityTable[1] = cities.CityTable[0] = DefaultCity();
    cities.LastCityIndex = 1;
    std::filesystem::create_directory(dir / "sunset.dat");  // not a file
    Load();
    EXPECT_EQ(platform.TakeMessage(),
              dir / "sunset.dat cannot be read: it is not a file. The cities in memory are kept.");
    std::filesystem::remove(dir / "sunset.dat");
    ASSERT_EQ(::mkfifo((dir / "Sunset.dat").c_str(), 0600), 0);  // nor is a pipe, unopened
    Load();
    EXPECT_EQ(platform.TakeMessage(),
              dir / "Sunset.dat cannot be read: it is not a file. The cities in memory are kept.");
    dir.Write("plain-file", "x");
    cities.Directory = dir / "plain-file";  // a folder that cannot be listed
    Load();
    EXPECT_EQ(platform.TakeMessage().rfind("SUNSET.DAT cannot be read: the folder ", 0), 0u);
    EXPECT_EQ(cities.LastCityIndex, 1);

    cities = CityDatabase{};  // as at start-up
    cities.Directory = dir.path();
    std::filesystem::remove(dir / "Sunset.dat");
    std::filesystem::create_symlink("sunset.dat", dir / "sunset.dat");  // a loop
    Load();
    EXPECT_EQ(platform.TakeMessage(), dir /
                                          "sunset.dat cannot be read: Too many levels of "
                                          "symbolic links. New York is used meanwhile.");
    EXPECT_EQ(cities.CityTable[0], DefaultCity());
}

// A save never deletes records it did not load, nor what another program
// wrote since the file was read.
TEST_F(CityFileTest, ASaveNeverLosesWhatIsOnDisk) {
    const std::string many = ManyRecords(150);
    dir.Write("sunset.dat", many);
    Load();
    platform.messages.clear();
    EXPECT_FALSE(WriteCityFile(cities, platform));
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT holds more than 99 cities, and a save would delete those that were not "
              "loaded. The cities were not saved.");
    EXPECT_EQ(dir.Read("sunset.dat"), many);

    const std::string changed = ManyRecords(10);
    dir.Write("sunset.dat", ManyRecords(2));
    Load();
    EXPECT_FALSE(CityFileChanged(cities));
    dir.Write("sunset.dat", changed);  // by another program
    EXPECT_TRUE(CityFileChanged(cities));
    EXPECT_FALSE(WriteCityFile(cities, platform));
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT was changed by another program since it was read. The cities were not "
              "saved.");
    EXPECT_EQ(dir.Read("sunset.dat"), changed);
    Load();  // read again, the file may be saved
    EXPECT_TRUE(WriteCityFile(cities, platform));
    EXPECT_FALSE(CityFileChanged(cities));
    EXPECT_EQ(dir.Read("sunset.dat"), changed);
}

TEST_F(CityFileTest, AFailedWriteIsReportedAndChangesNothing) {
    cities.CityTable[0] = DefaultCity();
    cities.Directory = dir / "no-such-folder";
    EXPECT_FALSE(WriteCityFile(cities, platform));
    EXPECT_EQ(platform.TakeMessage(), dir /
                                          "no-such-folder/sunset.dat could not be written: No such "
                                          "file or directory. The cities in memory are kept.");
    EXPECT_FALSE(WriteDefaultCityFile(cities, platform, dir / "QAVOWIN.INI"));
    EXPECT_EQ(cities.CityTable[0], DefaultCity());
    platform.messages.clear();

    cities.LastCityIndex = 99;  // a hundredth city could not be read back
    EXPECT_FALSE(WriteCityFile(cities, platform));
    EXPECT_EQ(platform.TakeMessage(),
              "SUNSET.DAT holds 1 to 99 cities; the cities were not saved.");
}

// A program killed while it saves leaves each data file as it was: every save
// of the cities and of the settings runs in a child process whose files may not
// grow beyond a few bytes, and is killed there.
TEST_F(CityFileTest, EverySaveKilledMidwayLeavesTheOldFilesWhole) {
    const std::string ini = dir / "QAVOWIN.INI";
    cities.CityTable[1] = City("A", 10, 0, -20, 0, -1);
    cities.LastCityIndex = 1;
    const std::string oldCities = EncodeCityRecord(DefaultCity());
    const std::string oldSettings =
        "[OPTIONS]\r\nDEFAULT_CITY= 0  \r\nDaylightSetting=Standard\r\n";
    const std::function<bool()> saves[] = {
        [&] { return WriteCityFile(cities, platform); },
        [&] { return SaveDefaultCity(cities, platform, ini, 1); },
        [&] { return SaveDaylightSetting(cities, platform, ini, true); },
    };
    for (const auto& save : saves) {
        dir.Write("sunset.dat", oldCities);
        cities.CityFileBytes = oldCities;  // as read
        dir.Write("QAVOWIN.INI", oldSettings);
        EXPECT_EQ(testing::RunWithFileSizeLimit(8, testing::Interruption::Crash, save), -SIGXFSZ);
        EXPECT_EQ(dir.Read("sunset.dat"), oldCities);
        EXPECT_EQ(dir.Read("QAVOWIN.INI"), oldSettings);
    }
}

}  // namespace
}  // namespace qavo
