#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include <sys/stat.h>

#include "sunset/city_file.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

namespace qavo {
namespace {

using testing::FakePlatform;
using testing::TempDir;

// One record as the file holds it, built byte by byte independently of the
// program's encoder.
std::string RecordBytes(const std::string& name1252, float latDeg, float latMin, float longDeg,
                        float longMin, int zone) {
    std::string bytes = name1252;
    bytes.resize(20, ' ');
    for (const float value : {latDeg, latMin, longDeg, longMin}) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            bytes += static_cast<char>(bits >> (8 * i));
        }
    }
    bytes += static_cast<char>(zone & 0xFF);
    bytes += static_cast<char>((zone >> 8) & 0xFF);
    return bytes + std::string(2, '\0');
}

std::string ManyRecords(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += RecordBytes("City " + std::to_string(i + 1), 10, 0, 20, 0, 1);
    }
    return bytes;
}

struct CityFileTest : ::testing::Test {
    TempDir dir;
    FakePlatform platform;
    CityDatabase cities;
    CityFileTest() { cities.Directory = dir.path(); }
    std::string IniPath() const { return dir / "QAVOWIN.INI"; }
    void Load(MissingCityFile missing = MissingCityFile::AskToCreate) {
        LoadCityFile(cities, platform, IniPath(), missing);
    }
    std::string Names() const {
        std::string names;
        for (int i = 0; i <= cities.LastCityIndex; ++i) {
            names += cities.CityTable[i].CityName + "|";
        }
        return names;
    }
};

TEST_F(CityFileTest, TheDefaultFileHoldsNewYorkInFortyBytes) {
    platform.answers.push_back(MessageAnswer::Yes);
    Load();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "SUNSET.DAT not found.  Make default file?");
    EXPECT_EQ(platform.messages[0].title, "Sunset Data Error");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    // 40.0, 45.0, 73.0 and 59.0 are 0x42200000, 0x42340000, 0x42920000, 0x426C0000.
    const std::string expected =
        std::string("New York            ") + std::string("\x00\x00\x20\x42\x00\x00\x34\x42", 8) +
        std::string("\x00\x00\x92\x42\x00\x00\x6C\x42", 8) + std::string("\x05\x00\x00\x00", 4);
    EXPECT_EQ(dir.Read("sunset.dat"), expected);
    EXPECT_EQ(dir.Listing(), "sunset.dat");
    EXPECT_EQ(cities.LastCityIndex, 0);
    EXPECT_EQ(cities.CurrentCity, 0);
    EXPECT_EQ(cities.CityTable[0], DefaultCity());
}

TEST_F(CityFileTest, AnsweringNoLoadsNothingAndReadsNoDefaultCity) {
    dir.Write("QAVOWIN.INI", "[OPTIONS]\r\nDEFAULT_CITY=\r\n");
    cities.LastCityIndex = 4;
    cities.CurrentCity = 3;
    Load();
    EXPECT_EQ(platform.messages.size(), 1u);  // the question, not "No Default Sunset City Found"
    EXPECT_EQ(cities.LastCityIndex, 4);
    EXPECT_EQ(cities.CurrentCity, 3);
    EXPECT_FALSE(dir.Exists("sunset.dat"));
}

TEST_F(CityFileTest, WithoutAskingTheDefaultCityIsUsedFromMemory) {
    Load(MissingCityFile::UseDefaultInMemory);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(dir.Listing(), "");
    EXPECT_EQ(Names(), "New York            |");
}

TEST_F(CityFileTest, CitiesRoundTripWithTheirWindows1252Names) {
    cities.CityTable[0] = DefaultCity();
    cities.CityTable[1] = {PadCityName("Zürich"), 47, 22, -8, -33, -1};
    cities.CityTable[2] = {PadCityName("São Paulo – Centro"), -23.5f, -33, 46, 38, 3};
    cities.CityTable[3] = {PadCityName("Łódź"), 51, 46, -19, -27, -1};
    cities.LastCityIndex = 3;
    ASSERT_TRUE(WriteCityFile(cities, platform));
    const std::string bytes = dir.Read("sunset.dat");
    ASSERT_EQ(bytes.size(), 160u);
    EXPECT_EQ(bytes.substr(40, 40), RecordBytes("Z\xFCrich", 47, 22, -8, -33, -1));
    EXPECT_EQ(bytes.substr(80, 40),
              RecordBytes("S\xE3o Paulo \x96 Centro", -23.5f, -33, 46, 38, 3));
    EXPECT_EQ(bytes.substr(120, 20),
              "?\xF3"
              "d?                ");  // no Ł or ź in the code page

    CityDatabase loaded;
    loaded.Directory = dir.path();
    LoadCityFile(loaded, platform, IniPath());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(loaded.LastCityIndex, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.CityTable[i], cities.CityTable[i]) << i;
    }
    EXPECT_EQ(loaded.CityTable[3].CityName, "?ód?                ");
}

TEST_F(CityFileTest, TheFileIsFoundWhateverTheCaseOfItsName) {
    dir.Write("SUNSET.DAT", RecordBytes("Jerusalem", 31, 47, -35, -13, -2));
    Load();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Names(), "Jerusalem           |");
    cities.CityTable[1] = DefaultCity();
    cities.LastCityIndex = 1;
    ASSERT_TRUE(WriteCityFile(cities, platform));
    EXPECT_EQ(dir.Listing(), "SUNSET.DAT");  // written back under the name it has
    EXPECT_EQ(dir.Read("SUNSET.DAT").size(), 80u);
}

struct BadSize {
    int bytes;
    int cities;
    const char* message;  // nullptr: silent
};

TEST_F(CityFileTest, FilesOfEverySizeLoadTheWholeRecords) {
    const BadSize cases[] = {
        {40, 1, nullptr},
        {78, 2, nullptr},  // the last record without its two unused bytes
        {99 * 40, 99, nullptr},
        {99 * 40 - 2, 99, nullptr},
        {45, 1, "SUNSET.DAT ends in 5 bytes that make no whole city record. They were ignored."},
        {40 * 3 + 39, 3,
         "SUNSET.DAT ends in 39 bytes that make no whole city record. They were ignored."},
        {100 * 40, 99, "SUNSET.DAT holds more than 99 cities. Only the first 99 were loaded."},
        {250 * 40 + 7, 99, "SUNSET.DAT holds more than 99 cities. Only the first 99 were loaded."},
    };
    for (const BadSize& c : cases) {
        FakePlatform fresh;
        CityDatabase loaded;
        loaded.Directory = dir.path();
        dir.Write("sunset.dat", ManyRecords(251).substr(0, c.bytes));
        LoadCityFile(loaded, fresh, IniPath());
        EXPECT_EQ(loaded.LastCityIndex, c.cities - 1) << c.bytes;
        EXPECT_EQ(loaded.CityTable[c.cities - 1].CityName,
                  PadCityName("City " + std::to_string(c.cities)));
        EXPECT_EQ(loaded.CityTable[c.cities - 1].Zone, 1);
        EXPECT_EQ(loaded.CityTable[c.cities].CityName, std::string(20, ' '));
        if (c.message == nullptr) {
            EXPECT_TRUE(fresh.messages.empty()) << c.bytes;
        } else {
            ASSERT_EQ(fresh.messages.size(), 1u) << c.bytes;
            EXPECT_EQ(fresh.messages[0].text, c.message);
            EXPECT_EQ(fresh.messages[0].title, "Sunset Data Error");
        }
    }
}

TEST_F(CityFileTest, AFileWithoutAWholeRecordGivesNewYork) {
    for (const int size : {0, 17}) {
        FakePlatform fresh;
        dir.Write("sunset.dat", std::string(size, 'x'));
        LoadCityFile(cities, fresh, IniPath());
        ASSERT_EQ(fresh.messages.size(), 1u);
        EXPECT_EQ(fresh.messages[0].text,
                  "SUNSET.DAT holds no city. New York is used until the cities are saved in "
                  "Sunset Setup.");
        EXPECT_EQ(Names(), "New York            |");
    }
}

TEST_F(CityFileTest, NumbersOutOfRangeAreSetToZeroAndReported) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    dir.Write(
        "sunset.dat",
        RecordBytes("Good", 179, 59, -179, -59, -12) + RecordBytes("NaN", nan, 10, 20, 30, 2) +
            RecordBytes("Far", 40, 45, 1e10f, 59, 5) + RecordBytes("Minutes", 40, 60, 73, -inf, 5) +
            RecordBytes("Zone", 40, 45, 73, 59, 13) + RecordBytes("Also good", 0, 0, 0, 0, 12) +
            RecordBytes("Zone", 40, 45, 73, 59, -32768));
    Load();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "SUNSET.DAT: records 2, 3, 4, 5, 7 hold a latitude, longitude or zone out of range; "
              "those values were set to 0. Correct them in Sunset Setup.");
    EXPECT_EQ(cities.LastCityIndex, 6);  // every city keeps its place
    EXPECT_EQ(cities.CityTable[0], (CityRecord{PadCityName("Good"), 179, 59, -179, -59, -12}));
    EXPECT_EQ(cities.CityTable[1], (CityRecord{PadCityName("NaN"), 0, 10, 20, 30, 2}));
    EXPECT_EQ(cities.CityTable[2], (CityRecord{PadCityName("Far"), 40, 45, 0, 59, 5}));
    EXPECT_EQ(cities.CityTable[3], (CityRecord{PadCityName("Minutes"), 40, 0, 73, 0, 5}));
    EXPECT_EQ(cities.CityTable[4], (CityRecord{PadCityName("Zone"), 40, 45, 73, 59, 0}));
    EXPECT_EQ(cities.CityTable[5], (CityRecord{PadCityName("Also good"), 0, 0, 0, 0, 12}));
    for (int i = 0; i <= cities.LastCityIndex; ++i) {
        EXPECT_TRUE(IsValidCityRecord(cities.CityTable[i])) << i;
    }

    FakePlatform one;
    dir.Write("sunset.dat",
              RecordBytes("Good", 1, 2, 3, 4, 5) + RecordBytes("Bad", 1, 2, 3, 4, 99));
    LoadCityFile(cities, one, IniPath());
    ASSERT_EQ(one.messages.size(), 1u);
    EXPECT_EQ(one.messages[0].text,
              "SUNSET.DAT: record 2 holds a latitude, longitude or zone out of range; those values "
              "were set to 0. Correct them in Sunset Setup.");
}

TEST_F(CityFileTest, AnUnreadableFileOrFolderKeepsTheCitiesInMemory) {
    cities.CityTable[0] = DefaultCity();
    cities.CityTable[1] = DefaultCity();
    cities.LastCityIndex = 1;
    std::filesystem::create_directory(dir / "sunset.dat");  // not a file
    Load();
    std::filesystem::remove(dir / "sunset.dat");
    ASSERT_EQ(::mkfifo((dir / "Sunset.dat").c_str(), 0600), 0);  // nor is a pipe, unopened
    Load();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text,
              "SUNSET.DAT cannot be read: it is not a file. The cities in memory are kept.");
    EXPECT_EQ(platform.messages[1].text, platform.messages[0].text);
    EXPECT_EQ(cities.LastCityIndex, 1);

    FakePlatform other;
    dir.Write("plain-file", "x");
    cities.Directory = dir / "plain-file";  // a folder that cannot be listed
    LoadCityFile(cities, other, IniPath());
    ASSERT_EQ(other.messages.size(), 1u);
    EXPECT_EQ(other.messages[0].text.rfind("SUNSET.DAT cannot be read: the folder ", 0), 0u)
        << other.messages[0].text;
    EXPECT_EQ(cities.LastCityIndex, 1);
}

TEST_F(CityFileTest, AFailedWriteIsReportedAndChangesNothing) {
    cities.CityTable[0] = DefaultCity();
    cities.LastCityIndex = 0;
    cities.Directory = dir / "no-such-folder";
    EXPECT_FALSE(WriteCityFile(cities, platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "SUNSET.DAT could not be written: No such file or directory. The cities in memory "
              "are kept.");
    EXPECT_EQ(cities.CityTable[0], DefaultCity());

    EXPECT_FALSE(WriteDefaultCityFile(cities, platform, IniPath()));
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(cities.LastCityIndex, 0);

    // Asked for on a full disk, the default city is used from memory.
    cities.Directory = dir.path();
    cities.CityTable[0] = CityRecord{};
    const int status = testing::RunWithFileSizeLimit(0, testing::Interruption::DiskFull, [&] {
        FakePlatform fresh;
        fresh.answers.push_back(MessageAnswer::Yes);
        LoadCityFile(cities, fresh, IniPath());
        return fresh.messages.size() == 2 &&
               fresh.messages[1].text.starts_with(
                   "SUNSET.DAT could not be written: File too large") &&
               cities.CityTable[0] == DefaultCity() && cities.LastCityIndex == 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dir.Listing(), "");

    cities.LastCityIndex = 99;  // a hundredth city could not be read back
    EXPECT_FALSE(WriteCityFile(cities, platform));
    EXPECT_EQ(platform.messages.back().text,
              "SUNSET.DAT holds 1 to 99 cities; the cities were not saved.");
}

TEST_F(CityFileTest, WriteDefaultCityFileReplacesTheCitiesWithNewYork) {
    dir.Write("sunset.dat", ManyRecords(5));
    Load();
    ASSERT_EQ(cities.LastCityIndex, 4);
    EXPECT_TRUE(WriteDefaultCityFile(cities, platform, IniPath()));
    EXPECT_EQ(Names(), "New York            |");
    EXPECT_EQ(dir.Read("sunset.dat").size(), 40u);
}

}  // namespace
}  // namespace qavo
