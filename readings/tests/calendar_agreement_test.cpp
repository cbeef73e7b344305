// Checks the schedule against the calendar over six centuries of real years:
// the Sabbaths whose readings follow from the date alone (the last Sabbath of
// the year, Hanukkah, Rosh Hodesh, the special Sabbaths) must get them.
#include <gtest/gtest.h>

#include "engine/calendar_tables.hpp"
#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

constexpr int kFirstYear = 5600;
constexpr int kLastYear = 6200;

// The readings text split into its Torah lines and its prophetic lines.
struct Lines {
    std::string torah;
    std::string prophets;
};
Lines Split(const std::string& text) {
    const std::size_t at = text.find("Prophets: ");
    return {text.substr(0, at), text.substr(at)};
}
bool Has(const std::string& lines, const std::string& line) {
    return lines.find(line + "\r\n") != std::string::npos;
}
// A Torah reading added to the portion, as its second or its further part.
bool HasAddedTorah(const std::string& torah, const std::string& reading) {
    return Has(torah, " and: " + reading) || Has(torah, " Also: " + reading);
}

const std::string kRoshHodeshTorah = "Rosh Hodesh, Num 28:9-15";
const std::string kRoshHodeshProphets = " Replaced by: Rosh Hodesh, Isa 66:1-24";
const std::string kPreRoshHodeshProphets = " Replaced by: Pre-Rosh Hodesh, I Sam 20:18-42";
const std::string kAddRoshHodesh = " Also: Sab RH, add Isa 66:1 & 24";
const std::string kAddPreRoshHodesh = " Also: Sab pre-RH, add I Sam 20:18 & 42";
const std::string kAddBoth = " Also: RH, add Isa 66:1 & 24, Sam 20:18 & 42";

// One day of a Jewish year, 13-slot month.
struct JDate {
    int month;
    int day;
};

class CalendarAgreementTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(InitReadings(schedule, platform)); }

    void DescribeYear(int year) {
        engine.JYear = static_cast<Integer>(year);
        engine.ComputeYearType(year);
    }
    // The days of the year in order.
    std::vector<JDate> DaysOf(int year) {
        DescribeYear(year);
        std::vector<JDate> days;
        Integer month = 1, day = 1;
        for (int d = 0; d < JewishYearLength(engine.YearType); ++d) {
            days.push_back({month, day});
            engine.NextJewishDay(month, day);
        }
        return days;
    }

    testing::FakePlatform platform;
    Engine engine{platform};
    ReadingSchedule schedule;
};

// Rosh Hodesh is the 30th of a month and the 1st of every month but Tishri.
bool IsRoshHodesh(const JDate& date) {
    return date.day == 30 || (date.day == 1 && date.month != 1);
}

TEST_F(CalendarAgreementTest, TheSabbathsThatTheDateDecides) {
    int hanukkahSabbaths = 0, roshHodeshSabbaths = 0, specialSabbaths = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const std::vector<JDate> days = DaysOf(year);
        const int weekday = engine.NewYearWeekday;
        const int type = engine.YearType;
        const bool leap = IsLeapYearType(type);
        const int length = static_cast<int>(days.size());
        const int adarOfPurim = leap ? 7 : 6;
        const auto dayOf = [&](int month, int day) {
            for (int d = 0; d < length; ++d) {
                if (days[d].month == month && days[d].day == day) {
                    return d;
                }
            }
            ADD_FAILURE() << "no " << month << '/' << day;
            return 0;
        };
        const int firstOfAdar = dayOf(adarOfPurim, 1);
        const int firstOfNisan = dayOf(8, 1);
        const int hanukkah = dayOf(3, 25);
        bool firstHanukkahSabbathSeen = false;

        for (int d = 0; d < length; ++d) {
            if ((weekday + d) % 7 != 6) {
                continue;
            }
            const JDate date = days[d];
            const std::string text = SabbathReadings(schedule, weekday, type, d);
            const Lines lines = Split(text);
            const std::string where = std::to_string(year) + " " + std::to_string(date.month) +
                                      "/" + std::to_string(date.day) + "\n" + text;
            const bool roshHodesh = IsRoshHodesh(date);
            const bool eve = d + 1 < length && IsRoshHodesh(days[d + 1]);
            // Keeps its own prophetic reading and adds the Rosh Hodesh verses.
            const auto expectAddition = [&] {
                if (roshHodesh) {
                    EXPECT_TRUE(Has(lines.prophets, eve ? kAddBoth : kAddRoshHodesh)) << where;
                } else if (eve) {
                    EXPECT_TRUE(Has(lines.prophets, kAddPreRoshHodesh)) << where;
                }
            };
            bool special = false;

            if (d >= length - 7) {  // the Sabbath before Rosh Hashanah
                EXPECT_EQ(lines.torah.rfind("Torah reading: Nizzavim, Deut 29:9-30:20\r\n", 0), 0u)
                    << where;
                EXPECT_EQ(lines.prophets, "Prophets: Isa 61:10-63:9\r\n\r\n") << where;
            }
            if (d >= hanukkah && d < hanukkah + 8) {
                ++hanukkahSabbaths;
                special = true;
                const int n = d - hanukkah + 1;
                std::string reading;
                for (int k = 55; k <= 79; ++k) {
                    const std::string_view t = TorahReading(k);
                    if (t.substr(0, 11) == "Hanukkah " + std::to_string(n) + ",") {
                        reading = std::string(t.substr(0, t.find_last_not_of(' ') + 1));
                    }
                }
                ASSERT_FALSE(reading.empty()) << "day " << n;
                EXPECT_TRUE(HasAddedTorah(lines.torah, reading)) << where;
                EXPECT_TRUE(Has(lines.prophets, firstHanukkahSabbathSeen
                                                    ? " Replaced by: Sab2 Hanukkah, I Kings 7:40-50"
                                                    : " Replaced by: Sab1 Hanukkah, Zech 2:14-4:7"))
                    << where;
                firstHanukkahSabbathSeen = true;
                expectAddition();
            }
            struct SpecialSabbath {
                bool falls;
                const char* torah;
                const char* prophets;
            };
            const SpecialSabbath specials[] = {
                {d <= firstOfAdar && d > firstOfAdar - 7, "Shekalim, Ex 30:11-16",
                 "Shekalim, II Kings 12:1-17"},
                {date.month == adarOfPurim && date.day >= 7 && date.day <= 13,
                 "Zakhor, Deut 25:17-19", "Zachor, I Sam 15:2-34"},
                {d <= firstOfNisan - 7 && d > firstOfNisan - 14, "Parah, Num 19:1-22",
                 "Parah, Ezek 36:16-38"},
                {d <= firstOfNisan && d > firstOfNisan - 7, "Hahodesh, Ex 12:1-20",
                 "Hahodesh, Ezek 45:16-46"},
                {date.month == 8 && date.day >= 8 && date.day <= 14, nullptr,
                 "Hagadol, Mal 3:4-24"},
            };
            for (const SpecialSabbath& s : specials) {
                if (!s.falls) {
                    continue;
                }
                ++specialSabbaths;
                special = true;
                if (s.torah != nullptr) {
                    EXPECT_TRUE(HasAddedTorah(lines.torah, s.torah)) << where;
                }
                EXPECT_TRUE(Has(lines.prophets, std::string(" Replaced by: ") + s.prophets))
                    << where;
                expectAddition();
            }
            if (date.month == 1 && date.day >= 3 && date.day <= 9) {  // Shabbat Shuva
                EXPECT_TRUE(
                    lines.prophets.find("Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva\r\n") !=
                    std::string::npos)
                    << where;
            }
            // Av: the first Sabbath of the month and that of its 30th keep
            // their readings of rebuke and consolation.
            if (date.month == 12 && (date.day == 1 || date.day >= 29)) {
                special = true;
                expectAddition();
            }
            if (roshHodesh) {
                ++roshHodeshSabbaths;
                EXPECT_TRUE(HasAddedTorah(lines.torah, kRoshHodeshTorah)) << where;
                if (!special) {
                    EXPECT_TRUE(Has(lines.prophets, kRoshHodeshProphets)) << where;
                    EXPECT_EQ(Has(lines.prophets, kAddPreRoshHodesh), eve) << where;
                }
            } else {
                EXPECT_FALSE(HasAddedTorah(lines.torah, kRoshHodeshTorah)) << where;
            }
        }
    }
    EXPECT_GT(hanukkahSabbaths, 700);
    EXPECT_GT(roshHodeshSabbaths, 1400);
    EXPECT_GT(specialSabbaths, 2500);
}

}  // namespace
}  // namespace qavo
