#include "readings/sabbath_readings.hpp"

#include <stdexcept>

#include "engine/calendar_tables.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/name_tables.hpp"
#include "engine/plain_text.hpp"

namespace qavo {

namespace {

std::string Line(std::string_view label, std::string_view paddedReading) {
    std::string line(label);
    line += WithoutBlanks(paddedReading);
    line += NL;
    return line;
}

}  // namespace

std::string SabbathReadings(const ReadingSchedule& schedule, int newYearWeekday, int yearType,
                            int readingDay, const HolidayOptions& options) {
    constexpr int kLongestYearType = 6;
    const bool knownType = yearType >= 1 && yearType <= kLongestYearType;
    const int length = JewishYearLength(knownType ? yearType : kLongestYearType);
    if (readingDay < 0 || readingDay >= length) {
        throw std::out_of_range("the reading day lies outside the year");
    }
    const int pattern = schedule.YearPattern(newYearWeekday, yearType);
    const int sabbath = SabbathNumber(newYearWeekday, readingDay);
    const ReadingCode torah =
        DecodeReading(schedule.Code(Plane::Torah, pattern, sabbath, options.schedule));
    const ReadingCode prophets =
        DecodeReading(schedule.Code(Plane::Haftarah, pattern, sabbath, options.schedule));

    std::string text = Line("Torah reading: ", TorahReading(torah.a));
    if (torah.hasB) {
        text += Line(" and: ", TorahReading(torah.b));
    }
    if (torah.c != 0) {
        text += Line(" Also: ", TorahReading(torah.c + FurtherReadingOffset(Plane::Torah)));
    }
    text += Line("Prophets: ", HaftarahReading(prophets.a));
    if (prophets.hasB) {
        text += Line(" Replaced by: ", HaftarahReading(prophets.b));
    }
    if (prophets.c != 0) {
        text +=
            Line(" Also: ", HaftarahReading(prophets.c + FurtherReadingOffset(Plane::Haftarah)));
    }
    text += NL;
    return text;
}

std::string PageSabbathReadings(const ReadingSchedule& schedule, const Engine& engine, int row,
                                int firstJYear, int firstJMonth, int firstJDay,
                                const HolidayOptions& options) {
    if (row < 1 || row > 6) {
        throw std::out_of_range("a month page has rows 1 to 6");
    }
    // A copy, so that the year information of the shown page stays as it is.
    Engine probe = engine;
    const auto describeYear = [&probe](int year) {
        probe.JYear = static_cast<Integer>(year);
        probe.ComputeYearType(year);
    };
    int year = firstJYear;
    describeYear(year);
    auto month = static_cast<Integer>(firstJMonth);
    auto day = static_cast<Integer>(firstJDay);
    // Any day of a week finds that week's Sabbath: step to the same weekday
    // as the 1st, in the row asked for.
    for (int step = 0; step < 7 * (row - 1); ++step) {
        const Integer before = month;
        probe.NextJewishDay(month, day);
        if (before == jmonth::kElul && month == jmonth::kTishri) {
            describeYear(++year);
        }
    }
    return SabbathReadings(schedule, probe.NewYearWeekday, probe.YearType,
                           probe.DaysFromNewYear(month, day), options);
}

}  // namespace qavo
