#pragma once
// The reading schedule: for each of the fourteen shapes of a Jewish year, the
// reading codes of every Sabbath, built once at start-up from the program's
// own nested-list texts and read-only afterwards.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/platform.hpp"
#include "engine/types.hpp"
#include "holidays/holiday_options.hpp"
#include "readings/reading_code.hpp"

namespace qavo {

inline constexpr int kYearPatternCount = 15;
inline constexpr int kImpossiblePattern = 15;  // a weekday and length that never meet
inline constexpr int kSabbathSlots = 56;       // Sabbaths, the next year's first, fillers

// [weekday of 1 Tishri, 0 = Sunday][year type - 1] -> year pattern 1 to 15.
using ScheduleIndexTable = std::array<std::array<Integer, 6>, 7>;
// [plane - 1][year pattern - 1][Sabbath number - 1] -> reading code.
using ReadingCodeTable =
    std::array<std::array<std::array<std::int32_t, kSabbathSlots>, kYearPatternCount>, 2>;

struct ReadingSchedule {
    ScheduleIndexTable ScheduleIndex{};
    ReadingCodeTable Codes{};
    ReadingCodeTable IsraelCodes{};  // derived from Codes by InitReadings

    // The pattern of a year; kImpossiblePattern for a combination that
    // cannot occur, including values out of range.
    int YearPattern(int newYearWeekday, int yearType) const;
    // Throws std::out_of_range for a pattern or Sabbath number outside the table.
    std::int32_t Code(Plane plane, int yearPattern, int sabbathNumber,
                      Schedule schedule = Schedule::Diaspora) const;
};

// Why a schedule text was refused, and where: `position` counts characters
// from 1.
struct ParseFailure {
    std::size_t position = 0;
    std::string reason;
};

// Both parsers fill the table only when the whole text is sound: every list
// complete, every value a number that names a pattern or a reading. Otherwise
// the table is left as it was and the failure says why.
std::optional<ParseFailure> ParseScheduleIndex(std::string_view text, ScheduleIndexTable& index);
std::optional<ParseFailure> ParseReadingSchedule(std::string_view text, ReadingCodeTable& codes);

// The two texts to parse, joined from their pieces.
struct ScheduleTexts {
    std::string index;
    std::string schedule;
};
ScheduleTexts ProgramScheduleTexts();

// Builds the schedule, the diaspora's and Israel's, under the busy pointer and restores the normal
// pointer at its end. A text that cannot be parsed is reported in a message box and gives false;
// the program must not start without its schedule.
[[nodiscard]] bool InitReadings(ReadingSchedule& schedule, Platform& platform,
                                const ScheduleTexts& texts = ProgramScheduleTexts());

}  // namespace qavo
