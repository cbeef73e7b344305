#include "readings/israel_schedule.hpp"

#include <algorithm>
#include <vector>

namespace qavo {

namespace {

constexpr int kLastPortion = 54;  // readings 1 to 54 are the weekly portions
constexpr int kVeZotHaBerakhah = 54;
constexpr int kShavuot2 = 58;
constexpr int kPesach8 = 61;
constexpr int kShminiAtzeret = 64;

// The pairs Israel reads apart to join the diaspora again: Be-Har and
// Be-Hukkotai, Hukkat and Balak, Mattot and Masei. (Tazri'a with Mezora and
// Aharei Mot with Kedoshim stay together, as in the diaspora.)
bool IsJoiningPair(const ReadingCode& code) {
    return code.hasB && ((code.a == 32 && code.b == 33) || (code.a == 39 && code.b == 40) ||
                         (code.a == 42 && code.b == 43));
}

bool IsFestival(const ReadingCode& code) {
    return code.a > kLastPortion;
}

// The Torah readings a code adds for its day (Rosh Hodesh, a special
// Sabbath): its second part when that is no portion, and its further part.
std::vector<int> DayAdditions(const ReadingCode& code) {
    std::vector<int> added;
    if (IsFestival(code)) {
        return added;
    }
    if (code.hasB && code.b > kLastPortion) {
        added.push_back(code.b);
    }
    if (code.c != 0) {
        added.push_back(code.c + FurtherReadingOffset(Plane::Torah));
    }
    return added;
}

// The code of Torah readings in order: the first two are A and B, a third
// is the further reading C.
std::int32_t TorahCode(const std::vector<int>& readings) {
    std::int32_t code = readings.at(0);
    if (readings.size() > 1) {
        code = code * 100 + readings[1];
    }
    if (readings.size() > 2) {
        code += (readings[2] - FurtherReadingOffset(Plane::Torah)) * 10000;
    }
    return code;
}

// The prophetic code of a day whose regular reading is `regular`: the day's
// replacement and additions stay with the day, and a replacement by the
// regular reading itself is none.
std::int32_t HaftarahCode(int regular, const ReadingCode& day) {
    std::int32_t code = regular;
    if (IsFestival(day)) {
        return code;
    }
    if (day.hasB && day.b != regular) {
        code = code * 100 + day.b;
    }
    return code + day.c * 10000;
}

using CodeList = std::array<std::int32_t, kSabbathSlots>;

void MoveAheadAfter(int festival, CodeList& torah, CodeList& prophets) {
    const CodeList diasporaTorah = torah, diasporaProphets = prophets;
    const auto decoded = [](std::int32_t code) { return DecodeReading(code); };
    const auto start = std::find(diasporaTorah.begin(), diasporaTorah.end(), festival);
    if (start == diasporaTorah.end()) {
        return;
    }
    const auto first = static_cast<std::size_t>(start - diasporaTorah.begin());
    std::size_t join = first + 1;
    while (join < kSabbathSlots && !IsJoiningPair(decoded(diasporaTorah[join]))) {
        ++join;
    }
    if (join == kSabbathSlots) {
        return;
    }
    const ReadingCode pair = decoded(diasporaTorah[join]);
    for (std::size_t k = first; k <= join; ++k) {
        std::vector<int> portions;
        int regular = 0;
        if (k + 1 < join) {  // the diaspora's next Sabbath, a week early
            const ReadingCode next = decoded(diasporaTorah[k + 1]);
            portions.push_back(next.a);
            if (next.hasB && next.b <= kLastPortion) {
                portions.push_back(next.b);
            }
            regular = decoded(diasporaProphets[k + 1]).a;
        } else {  // the pair, apart
            regular = k < join ? pair.a : pair.b;
            portions.push_back(regular);
        }
        const std::vector<int> added = DayAdditions(decoded(diasporaTorah[k]));
        portions.insert(portions.end(), added.begin(), added.end());
        torah[k] = TorahCode(portions);
        prophets[k] = HaftarahCode(regular, decoded(diasporaProphets[k]));
    }
}

}  // namespace

ReadingCodeTable IsraelReadingCodes(const ReadingCodeTable& diaspora) {
    ReadingCodeTable israel = diaspora;
    for (int pattern = 0; pattern < kYearPatternCount; ++pattern) {
        CodeList& torah = israel[0][pattern];
        CodeList& prophets = israel[1][pattern];
        for (std::size_t k = 0; k < kSabbathSlots; ++k) {
            if (torah[k] == kShminiAtzeret) {
                torah[k] = prophets[k] = kVeZotHaBerakhah;
            }
        }
        MoveAheadAfter(kPesach8, torah, prophets);
        MoveAheadAfter(kShavuot2, torah, prophets);
    }
    return israel;
}

}  // namespace qavo
