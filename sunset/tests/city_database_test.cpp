#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sunset/city_database.hpp"
#include "sunset/code_page.hpp"

namespace qavo {
namespace {

TEST(CityDatabase, RangesOfTheSetupDialog) {
    const float inf = std::numeric_limits<float>::infinity();
    for (const float ok : {179.f, -179.f, 0.f, 40.5f}) {
        EXPECT_TRUE(IsValidLongitude(ok)) << ok;
    }
    for (const float bad : {180.f, -180.f, 179.01f, inf, -inf, std::nanf("")}) {
        EXPECT_FALSE(IsValidLongitude(bad)) << bad;
    }
    // A latitude lies within a quarter turn of the equator.
    EXPECT_TRUE(IsValidLatitude(90) && IsValidLatitude(-90) && !IsValidLatitude(90.5f));
    EXPECT_TRUE(IsValidMinutes(59) && IsValidMinutes(-59) && !IsValidMinutes(60));
    EXPECT_TRUE(IsValidZone(12) && IsValidZone(-12) && !IsValidZone(13) && !IsValidZone(12.5));
    EXPECT_TRUE(IsValidCityRecord(DefaultCity()));
}

TEST(CityDatabase, SunsetsAreForTheCurrentCityOrElseTheFirst) {
    CityDatabase cities;
    cities.LastCityIndex = 1;
    for (const int current : {1, 0, 2, 99, -1, 150}) {
        cities.CurrentCity = static_cast<Integer>(current);
        EXPECT_EQ(&SunsetCity(cities), &cities.CityTable[current == 1]) << current;
    }
}

TEST(CityDatabase, NamesAreCutOrPaddedToTwentyCharacters) {
    EXPECT_EQ(PadCityName("New York"), "New York            ");
    EXPECT_EQ(PadCityName("Llanfairpwllgwyngyll-gogerych"), "Llanfairpwllgwyngyll");
    EXPECT_EQ(PadCityName("Zürich"), "Zürich              ");  // six characters, seven bytes
    EXPECT_EQ(PadCityName("Ærøskøbing Ærøskøbing Ærø"), "Ærøskøbing Ærøskøbin");
    EXPECT_EQ(PadCityName(""), std::string(20, ' '));
}

TEST(CodePage, EveryByteReadsBackUnchanged) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    // Bytes 0x80 to 0x9F as the code page's chart has them, its gaps as C1 controls.
    EXPECT_EQ(Windows1252ToUtf8(all.substr(0x80, 32)),
              "\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
              "\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
              "\u0153\u009D\u017E\u0178");
    EXPECT_EQ(Utf8ToWindows1252("Łódź 東京"),
              "?\xF3"
              "d? ??");
    EXPECT_EQ(Utf8ToWindows1252("bad \xC3 byte \xFF"), "bad ? byte ?");
    EXPECT_TRUE(FitsWindows1252("Montréal – “Ville”? €"));
    for (const char* name : {"Łódź", "東京", "ירושלים", "bad \xC3 byte", "\xFF"}) {
        EXPECT_FALSE(FitsWindows1252(name)) << name;
    }
}

}  // namespace
}  // namespace qavo
