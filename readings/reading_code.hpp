#pragma once
// The number code of one entry of the reading schedule: C*10000 + A*100 + B.
// A is the reading, B (when present) a second reading or the replacement of A,
// C (when not 0) one further reading. Which table each part points into
// depends on the plane the code belongs to.

#include <cstdint>

#include "readings/reading_texts.hpp"

namespace qavo {

enum class Plane { Torah = 1, Haftarah = 2 };

// C of a Torah code names TorahReading C + 67 (Rosh Hodesh, Hanukkah 6,
// Shekalim, Parah, Hahodesh); C of a Haftarah code names HaftarahReading
// C + 75 (the Rosh Hodesh additions).
constexpr int FurtherReadingOffset(Plane plane) {
    return plane == Plane::Torah ? 67 : 75;
}

struct ReadingCode {
    int a = 0;
    int b = 0;  // 0 when the code has no second part
    int c = 0;  // 0 when there is no further reading
    bool hasB = false;
    friend bool operator==(const ReadingCode&, const ReadingCode&) = default;
};

// Splits a non-negative code: 52 is A alone, 5152 is A = 51 and B = 52,
// 30043 is C = 3 with A = 43 alone.
constexpr ReadingCode DecodeReading(std::int32_t code) {
    ReadingCode parts;
    int rest = code;
    if (code > 9999) {
        parts.c = code / 10000;
        rest = code % 10000;
    }
    if (rest >= 100) {
        parts.a = rest / 100;
        parts.b = rest % 100;
        parts.hasB = true;
    } else {
        parts.a = rest;
    }
    return parts;
}

// True when every part of the code names an entry of its plane's table, so
// that looking it up can never leave the table.
constexpr bool IsReadingCode(std::int32_t code, Plane plane) {
    if (code < 0) {
        return false;
    }
    const ReadingCode parts = DecodeReading(code);
    const auto inTable = [](int n) { return n >= 1 && n <= kReadingCount; };
    return inTable(parts.a) && (!parts.hasB || inTable(parts.b)) &&
           (parts.c == 0 || inTable(parts.c + FurtherReadingOffset(plane)));
}

}  // namespace qavo
