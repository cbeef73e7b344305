#pragma once
// The engine works in 16-bit signed quantities, as the stored files and the
// reports assume; every value has a small fixed range given where it is declared.

#include <cstdint>

namespace qavo {

using Integer = std::int16_t;
static_assert(sizeof(Integer) == 2);

// A Gregorian date as three separate numbers, never packed.
struct GregorianDate {
    Integer year = 0;   // 1583 to 7000 in use
    Integer month = 0;  // 1 to 12
    Integer day = 0;    // 1 to 31
    friend bool operator==(const GregorianDate&, const GregorianDate&) = default;
};

// A molad, or an interval between moladot reduced modulo one week, in civil
// time counted from midnight.
struct MoladTime {
    Integer Day = 0;     // [0, 6], 0 = Sunday
    Integer Hour = 0;    // [0, 23]
    Integer Minute = 0;  // [0, 59]
    Integer Part = 0;    // [0, 17], eighteenths of a minute
    friend bool operator==(const MoladTime&, const MoladTime&) = default;
};

// Weekdays are 0 to 6 with 0 = Sunday throughout the engine.
inline constexpr int kSaturday = 6;

// The years the program accepts from its users.
inline constexpr int kFirstGregorianYear = 1583;
inline constexpr int kLastGregorianYear = 7000;
inline constexpr int kFirstJewishYear = 5343;
inline constexpr int kLastJewishYear = 10760;
// The engine itself reaches one year further (a date in late 7000 lies in
// 10761), and lists that walk on day by day may run a few years beyond that.
inline constexpr int kLastEngineJewishYear = 10761;
inline constexpr int kLastWalkableJewishYear = 10999;
// Jewish year Y begins in the autumn of Gregorian year Y - 3761.
inline constexpr int kJewishYearOffset = 3761;

}  // namespace qavo
