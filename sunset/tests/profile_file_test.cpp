#include <gtest/gtest.h>

#include "sunset/profile_file.hpp"

namespace qavo {
namespace {

constexpr const char* kFile =
    "; settings of the calendar\r\n"
    "[Window]\r\n"
    "DEFAULT_CITY=7\r\n"
    "\r\n"
    " [ options ] \r\n"
    "this line is not a key\r\n"
    "; DayLightSetting=Commented\r\n"
    "  DAYLIGHTSETTING  =   daylight  \r\n"
    "DayLightSetting=Second\r\n"
    "DEFAULT_CITY=\r\n"
    "\r\n"
    "[Other]\r\n"
    "Key = x = y\r\n";

TEST(ProfileFile, FindsKeysWithoutRegardToCase) {
    EXPECT_EQ(FindProfileValue(kFile, "OPTIONS", "DayLightSetting"), "daylight");
    EXPECT_EQ(FindProfileValue(kFile, "Options", "default_city"), "");
    EXPECT_EQ(FindProfileValue(kFile, "window", "DEFAULT_CITY"), "7");
    EXPECT_EQ(FindProfileValue(kFile, "other", "KEY"), "x = y");
    EXPECT_EQ(FindProfileValue(kFile, "OPTIONS", "Key"), std::nullopt);
    EXPECT_EQ(FindProfileValue(kFile, "Missing", "DEFAULT_CITY"), std::nullopt);
    EXPECT_EQ(
        FindProfileValue("\xEF\xBB\xBF[OPTIONS]\nDEFAULT_CITY= 3  \n", "OPTIONS", "DEFAULT_CITY"),
        "3");
    EXPECT_EQ(FindProfileValue("", "OPTIONS", "DEFAULT_CITY"), std::nullopt);
    EXPECT_EQ(FindProfileValue("[OPTIONS]", "OPTIONS", "DEFAULT_CITY"), std::nullopt);
}

struct WriteCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
    const char* readBack;  // the value as read from the new text
};

TEST(ProfileFile, WritingAKeyKeepsEveryOtherLine) {
    const WriteCase cases[] = {
        // The key's own line is replaced, under the name it is written with.
        {kFile, "OPTIONS", "DaylightSetting", "Standard",
         "; settings of the calendar\r\n[Window]\r\nDEFAULT_CITY=7\r\n\r\n [ options ] \r\n"
         "this line is not a key\r\n; DayLightSetting=Commented\r\nDaylightSetting=Standard\r\n"
         "DayLightSetting=Second\r\nDEFAULT_CITY=\r\n\r\n[Other]\r\nKey = x = y\r\n",
         "Standard"},
        // A new key goes after the section's last line that is not blank.
        {"[OPTIONS]\r\nA=1\r\n\r\n[Next]\r\nB=2", "options", "DEFAULT_CITY", " 3  ",
         "[OPTIONS]\r\nA=1\r\nDEFAULT_CITY= 3  \r\n\r\n[Next]\r\nB=2", "3"},
        {"[Next]\nB=2\n[OPTIONS]", "OPTIONS", "K", "v", "[Next]\nB=2\n[OPTIONS]\nK=v", "v"},
        // A new section goes at the end, in the file's own line ends.
        {"", "OPTIONS", "DaylightSetting", "Daylight", "[OPTIONS]\r\nDaylightSetting=Daylight\r\n",
         "Daylight"},
        {"[Next]\nB=2", "OPTIONS", "K", "v", "[Next]\nB=2\n[OPTIONS]\nK=v\n", "v"},
        {"\xEF\xBB\xBF[OPTIONS]\r\nK=old\r\n", "OPTIONS", "k", "new",
         "\xEF\xBB\xBF[OPTIONS]\r\nk=new\r\n", "new"},
        // A last line ending in a lone carriage return has no line end: the
        // new key must not run on from it (found by the settings fuzzer).
        {"[OPTIONS]\nA\r", "OPTIONS", "K", "v", "[OPTIONS]\nA\r\nK=v", "v"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(WithProfileValue(c.before, c.section, c.key, c.value), c.after) << c.before;
        EXPECT_EQ(FindProfileValue(c.after, c.section, c.key), c.readBack) << c.after;
    }
}

}  // namespace
}  // namespace qavo
