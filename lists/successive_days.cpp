#include "lists/successive_days.hpp"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "engine/jewish_calendar.hpp"
#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "holidays/holiday_rules.hpp"
#include "holidays/holiday_year.hpp"
#include "readings/sabbath_readings.hpp"
#include "sunset/sunset_time.hpp"
#include "sunset/zone_places.hpp"

namespace qavo {

namespace {

// Characters, not bytes: a city name may hold letters beyond ASCII.
std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string Heading(const CityDatabase& cities, SuccessiveDaysMode mode) {
    std::string text;
    if (mode == SuccessiveDaysMode::SunsetTimes) {
        text.append("Holidays begin the evening before the indicated days.").append(NL);
        const std::string city(WithoutBlanks(cities.SunsetCityName));
        if (IsAutoDaylight(cities.DaylightMode)) {
            // Each day is on its own date's clock, so the heading names the zone.
            text.append("Sunset is local clock time in " + city + " (" +
                        CityZone(SunsetCity(cities), cities.ZonePlaces) +
                        "), daylight saving time included.");
        } else {
            text.append("Sunset is " + cities.DaylightMode + " Time in " + city + ".");
        }
        text.append(NL);
        text.append("Candles are lit 18 minutes earlier.").append(NL);
    } else {
        text.append("Sabbath Torah and Haftarah readings").append(NL);
    }
    return text.append(std::string(44, '=')).append(NL);
}

// One day's Jewish date, each day converted from its own year's new year.
struct ListDay {
    Integer day = 0;
    Integer month = 0;  // 13-slot numbering
    Integer weekday = 0;
};

ListDay ConvertListDay(Engine& engine) {
    ListDay day;
    if (!engine.FindJewishDate(day.day, day.month, day.weekday)) {
        throw std::out_of_range("the list ran beyond the years the calendar reaches");
    }
    engine.ResultJYear = static_cast<Integer>(engine.GYear + kJewishYearOffset);  // tried first
    engine.JMonthShown =
        static_cast<Integer>(ShownMonthOf(day.month, Engine::IsJewishLeap(engine.JYear)));
    engine.JDay = day.day;
    return day;
}

std::string DateLine(const Engine& engine, const ListDay& day) {
    return std::string(GMonthName(engine.TargetGMonth)) + " " + TwoDigit(engine.TargetGDay) + ", " +
           std::to_string(engine.GYear) + " " + std::string(DayName(day.weekday)) + ", " +
           std::string(JLeapMonthName(day.month).substr(0, 8)) + TwoDigit(day.day) + ", " +
           std::to_string(engine.JYear);
}

}  // namespace

std::optional<std::string> DayCountRefusal(const Engine& engine, const LeadingNumber& count) {
    if (count.value < 1) {
        return "Can not be less than 1.";
    }
    // Up to the calendar's last day, and no more than the 16-bit count holds.
    const int most =
        std::min<int>(DayNumberOf(kLastGregorianYear, 12, 31) -
                          DayNumberOf(engine.GYear, engine.TargetGMonth, engine.TargetGDay) + 1,
                      std::numeric_limits<Integer>::max());
    if (!count.fits || count.value > most) {
        return "Can not be more than " + std::to_string(most) + ".";
    }
    return std::nullopt;
}

bool TargetMonthAfterList(Engine& engine) {
    if (engine.GYear > kLastGregorianYear) {
        engine.GYear = kLastGregorianYear;
        engine.TargetGMonth = 12;
    }
    return engine.GYear >= kFirstGregorianYear && engine.TargetGMonth >= 1 &&
           engine.TargetGMonth <= 12;
}

std::optional<std::string> SuccessiveDaysText(Engine& engine, CityDatabase& cities,
                                              const ReadingSchedule& schedule,
                                              SuccessiveDaysMode mode,
                                              const HolidayOptions& options) {
    Platform& platform = engine.platform;
    SunsetForDay(engine, cities);  // for the city's name in the heading
    std::string text = Heading(cities, mode);
    // The heading's city name is the only text beyond ASCII; count it once.
    const std::size_t extraBytes = text.size() - CharacterCount(text);
    const BusyCursor busy(platform);
    for (int i = 0; i < engine.SuccDayCount; ++i) {
        const ListDay day = ConvertListDay(engine);
        const bool sabbath = day.weekday == kSaturday;
        if (mode == SuccessiveDaysMode::SunsetTimes || sabbath) {
            text += DateLine(engine, day);
        }
        const int readingDay = engine.DaysFromNewYear(day.month, day.day);
        SunsetForDay(engine, cities);
        if (mode == SuccessiveDaysMode::SunsetTimes) {
            text.append(", " + cities.SunsetText).append(NL);
            std::string row;
            if (FindHoliday(engine, day.month, day.day, day.weekday, row, options)) {
                text.append(row).append(NL);
            }
            for (const ExtraDay& extra : ExtraDays(engine, engine.JYear, options)) {
                if (extra.month == day.month && extra.day == day.day) {
                    text.append(ExtraDayRow(extra)).append(NL);
                }
            }
        }
        engine.NextGregorianDay(engine.GYear, engine.TargetGMonth, engine.TargetGDay);
        if (mode == SuccessiveDaysMode::Readings && sabbath) {
            text.append(NL).append(SabbathReadings(schedule, engine.NewYearWeekday, engine.YearType,
                                                   readingDay, options));
        }
        if (text.size() - extraBytes > kMaxListCharacters) {
            platform.ShowMessage("The text is too long. Try again with fewer entries.", "Too long",
                                 MessageIcon::Stop, MessageButtons::Ok);
            return std::nullopt;
        }
    }
    return text;
}

}  // namespace qavo
