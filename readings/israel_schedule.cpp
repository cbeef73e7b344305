#include "readings/israel_schedule.hpp"

#include <algorithm>

namespace qavo {

namespace {

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

// The prophetic code of a day whose regular reading is `regular`: the day's
// replacement and additions stay with the day, and a replacement by the
// regular reading itself is none.
std::int32_t HaftarahCode(int regular, const ReadingCode& day) {
    std::int32_t code = regular;
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
    if (join == kSabbathSlots) {  // no pair to read apart: the lists stay as they are
        return;
    }
    // No Rosh Hodesh and no special Sabbath falls in these weeks, so the
    // Torah reads the portions alone; the prophetic replacement of the day
    // (the eve of Rosh Hodesh, the first of the three weeks) stays with it.
    const ReadingCode pair = decoded(diasporaTorah[join]);
    for (std::size_t k = first; k <= join; ++k) {
        int regular = 0;
        if (k + 1 < join) {  // the diaspora's next Sabbath, a week early
            torah[k] = diasporaTorah[k + 1];
            regular = decoded(diasporaProphets[k + 1]).a;
        } else {  // the pair, apart
            regular = k < join ? pair.a : pair.b;
            torah[k] = regular;
        }
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
