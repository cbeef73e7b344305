// Checks both schedules against the calendar over six centuries of real years:
// the Sabbaths whose readings follow from the date alone (the last Sabbath of
// the year, Hanukkah, Rosh Hodesh, the special Sabbaths) must get them.
#include <gtest/gtest.h>

#include "engine/calendar_tables.hpp"
#include "readings/sabbath_readings.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo {
namespace {

// Whether one of the lines, before or from "Prophets: ", is `line`.
bool Has(const std::string& text, bool prophets, const std::string& line) {
    const std::size_t split = text.find("Prophets: ");
    const std::size_t at = text.find(line + "\r\n");
    return at != std::string::npos && (at >= split) == prophets;
}
// A Torah reading added to the portion, as its second or its further part.
bool HasAddedTorah(const std::string& text, const std::string& reading) {
    return Has(text, false, " and: " + reading) || Has(text, false, " Also: " + reading);
}

const std::string kRoshHodeshTorah = "Rosh Hodesh, Num 28:9-15";
const std::string kAddRoshHodesh = " Also: Sab RH, add Isa 66:1 & 24";
const std::string kAddPreRoshHodesh = " Also: Sab pre-RH, add I Sam 20:18 & 42";
const std::string kAddBoth = " Also: RH, add Isa 66:1 & 24, Sam 20:18 & 42";
// The Torah reading of the n-th day of Hanukkah (no Sabbath is its fifth day).
const char* const kHanukkahTorah[9] = {"",
                                       "Hanukkah 1, Num 7:1-17",
                                       "Hanukkah 2, Num 7:18-29",
                                       "Hanukkah 3, Num 7:24-35",
                                       "Hanukkah 4, Num 7:30-41",
                                       "",
                                       "Hanukkah 6, Num 7:42-53",
                                       "Hanukkah 7, Num 7:48-59",
                                       "Hanukkah 8, Num 7:54-8:4"};

struct JDate {
    int month, day;  // 13-slot month
};
// Rosh Hodesh is the 30th of a month and the 1st of every month but Tishri.
bool IsRoshHodesh(const JDate& date) {
    return date.day == 30 || (date.day == 1 && date.month != 1);
}

TEST(CalendarAgreement, TheSabbathsThatTheDateDecides) {
    testing::FakePlatform platform;
    Engine engine{platform};
    ReadingSchedule schedule;
    ASSERT_TRUE(InitReadings(schedule, platform));
    int hanukkahSabbaths = 0, roshHodeshSabbaths = 0, specialSabbaths = 0;
    // Each year twice: in the diaspora's schedule, then in Israel's.
    constexpr int kFirstYear = 5600, kYears = 601;
    for (int run = 0; run < 2 * kYears; ++run) {
        const int year = kFirstYear + run % kYears;
        const HolidayOptions options{run < kYears ? Schedule::Diaspora : Schedule::Israel};
        engine.JYear = static_cast<Integer>(year);
        engine.ComputeYearType(year);
        const int weekday = engine.NewYearWeekday, type = engine.YearType;
        std::vector<JDate> days;  // the days of the year in order
        for (Integer month = 1, day = 1; days.size() < std::size_t(JewishYearLength(type));
             engine.NextJewishDay(month, day)) {
            days.push_back({month, day});
        }
        const int length = static_cast<int>(days.size());
        const int adarOfPurim = IsLeapYearType(type) ? 7 : 6;
        const auto dayOf = [&](int month, int day) {
            int d = 0;
            while (d < length && (days[d].month != month || days[d].day != day)) ++d;
            return d;
        };
        const int firstOfAdar = dayOf(adarOfPurim, 1), firstOfNisan = dayOf(8, 1);
        const int hanukkah = dayOf(3, 25);
        int sabbaths = 0;
        for (int d = 6 - weekday; d < length; d += 7, ++sabbaths) {
            const JDate date = days[d];
            const std::string text = SabbathReadings(schedule, weekday, type, d, options);
            const std::string where = std::string(ScheduleName(options.schedule)) + " " +
                                      std::to_string(year) + " " + std::to_string(date.month) +
                                      "/" + std::to_string(date.day) + "\n" + text;
            const bool roshHodesh = IsRoshHodesh(date);
            const bool eve = d + 1 < length && IsRoshHodesh(days[d + 1]);
            // A Sabbath that keeps its own prophetic reading adds the Rosh Hodesh verses.
            bool special = false;
            const auto expectAddition = [&] {
                special = true;
                if (roshHodesh || eve) {
                    EXPECT_TRUE(
                        Has(text, true,
                            roshHodesh ? (eve ? kAddBoth : kAddRoshHodesh) : kAddPreRoshHodesh))
                        << where;
                }
            };
            if (d >= length - 7) {  // the Sabbath before Rosh Hashanah
                EXPECT_TRUE(text.starts_with("Torah reading: Nizzavim, Deut 29:9-30:20\r\n"));
                EXPECT_TRUE(text.ends_with("\r\nProphets: Isa 61:10-63:9\r\n\r\n")) << where;
            }
            if (d >= hanukkah && d < hanukkah + 8) {
                ++hanukkahSabbaths;
                EXPECT_TRUE(HasAddedTorah(text, kHanukkahTorah[d - hanukkah + 1])) << where;
                EXPECT_TRUE(Has(text, true,
                                d >= hanukkah + 7 ? " Replaced by: Sab2 Hanukkah, I Kings 7:40-50"
                                                  : " Replaced by: Sab1 Hanukkah, Zech 2:14-4:7"))
                    << where;
                expectAddition();
            }
            const struct {
                bool falls;
                const char* torah;
                const char* prophets;
            } specials[] = {
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
            for (const auto& s : specials) {
                if (s.falls) {
                    ++specialSabbaths;
                    EXPECT_TRUE(s.torah == nullptr || HasAddedTorah(text, s.torah)) << where;
                    EXPECT_TRUE(Has(text, true, std::string(" Replaced by: ") + s.prophets))
                        << where;
                    expectAddition();
                }
            }
            if (date.month == 1 && date.day >= 3 && date.day <= 9) {  // Shabbat Shuva
                EXPECT_NE(text.find("Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva\r\n"),
                          std::string::npos)
                    << where;
            }
            // Av: the first Sabbath of the month and that of its 30th keep
            // their readings of rebuke and consolation.
            if (date.month == 12 && (date.day == 1 || date.day >= 29)) {
                expectAddition();
            }
            EXPECT_EQ(HasAddedTorah(text, kRoshHodeshTorah), roshHodesh) << where;
            roshHodeshSabbaths += roshHodesh ? 1 : 0;
            if (roshHodesh && !special) {
                EXPECT_TRUE(Has(text, true, " Replaced by: Rosh Hodesh, Isa 66:1-24")) << where;
                EXPECT_EQ(Has(text, true, kAddPreRoshHodesh), eve) << where;
            }
        }
        // The year's list holds a reading for each of its Sabbaths and for the one
        // that opens the next year, then only the filler.
        const int pattern = schedule.YearPattern(weekday, type);
        for (int k = 1; k <= kSabbathSlots; ++k) {
            for (const Plane plane : {Plane::Torah, Plane::Haftarah}) {
                EXPECT_EQ(schedule.Code(plane, pattern, k, options.schedule) == 75,
                          k > sabbaths + 1)
                    << year;
            }
        }
    }
    EXPECT_GT(hanukkahSabbaths, 1400);
    EXPECT_GT(roshHodeshSabbaths, 2800);
    EXPECT_GT(specialSabbaths, 5000);
}

}  // namespace
}  // namespace qavo
