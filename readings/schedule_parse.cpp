// The two parsers of the nested-list texts, callers of one reader. It reads
// the text character by character, counting parenthesis depth: a list's
// numbers are separated by commas and its closing parenthesis stores the last
// one. Anything that would write outside the table, leave a list short, or is
// not a number refuses the whole text.

#include <array>
#include <cstdint>
#include <limits>

#include "engine/number_text.hpp"
#include "engine/plain_text.hpp"
#include "readings/reading_schedule.hpp"

namespace qavo {

namespace {

// The value of a token: blanks around it are dropped, an empty token is 0,
// and a fraction is rounded half to even. Nothing when it is not a number or
// does not fit [min, max].
std::optional<std::int64_t> TokenValue(std::string_view token, std::int64_t min, std::int64_t max) {
    token = WithoutBlanks(token);
    if (token.empty()) {
        return 0;
    }
    const DecimalText number = ScanDecimal(token);
    if (number.length != token.size() || (number.whole.empty() && number.fraction.empty())) {
        return std::nullopt;
    }
    constexpr std::int64_t kBeyondAnyTable = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (char c : number.whole) {
        value = value * 10 + (c - '0');
        if (value > kBeyondAnyTable) {
            return std::nullopt;
        }
    }
    if (RoundsUp(number.fraction, value % 2 == 1)) {
        ++value;
    }
    if (number.negative) {
        value = -value;
    }
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

ParseFailure Refuse(std::size_t index, std::string reason) {
    return {index + 1, std::move(reason)};
}

std::string NotANumber(const std::string& token) {
    return "\"" + token + "\" is not a number that fits the table";
}

// How a nested-list text is laid out: one outer list of `counts[0]` lists,
// each of `counts[1]` items, and so on down to the lists of values.
template <std::size_t Levels>
struct ListShape {
    std::array<int, Levels> counts;
    std::array<std::string_view, Levels> nouns;  // what one item of each level is called
    bool skipBlanks;                             // blanks dropped, rather than kept in the token
    std::int64_t min;                            // the values the table's integers hold
    std::int64_t max;
    std::string_view beyondCounts;  // a value past the counts
    std::string_view unfinished;    // the text ends before its last list closes
};

template <std::size_t Levels>
using ListPosition = std::array<int, Levels>;  // 0-based, outermost level first

// Reads `text` as lists of `shape`, handing every value to `store(position,
// value)`, which gives a reason when it refuses the value.
template <std::size_t Levels, typename Store>
std::optional<ParseFailure> ReadNestedLists(std::string_view text, const ListShape<Levels>& shape,
                                            Store store) {
    // Depth is 1 outside every list, 2 in the outer list; values lie at kValueDepth.
    constexpr int kValueDepth = static_cast<int>(Levels) + 1;
    int depth = 1;
    ListPosition<Levels> at{};
    std::string token;

    const auto storeToken = [&](std::size_t i) -> std::optional<ParseFailure> {
        for (std::size_t level = 0; level < Levels; ++level) {
            if (at[level] >= shape.counts[level]) {
                return Refuse(i, std::string(shape.beyondCounts));
            }
        }
        const auto value = TokenValue(token, shape.min, shape.max);
        if (!value) {
            return Refuse(i, NotANumber(token));
        }
        if (std::optional<std::string> reason = store(at, *value)) {
            return Refuse(i, std::move(*reason));
        }
        token.clear();
        return std::nullopt;
    };
    // Closing a list at `listDepth` (3 or deeper) ends one item of the level above.
    const auto closeList = [&](std::size_t i, int listDepth) -> std::optional<ParseFailure> {
        const auto level = static_cast<std::size_t>(listDepth - 2);
        const int held = listDepth == kValueDepth ? at[level] + 1 : at[level];
        if (held != shape.counts[level]) {
            return Refuse(i, "a " + std::string(shape.nouns[level - 1]) + " of " +
                                 std::to_string(held) + " " + std::string(shape.nouns[level]) +
                                 "s instead of " + std::to_string(shape.counts[level]));
        }
        at[level] = 0;
        ++at[level - 1];
        return std::nullopt;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            if (++depth > kValueDepth) {
                return Refuse(i, "lists nested too deep");
            }
        } else if (c == ' ' && shape.skipBlanks) {
            continue;
        } else if (c == ')') {
            if (depth == kValueDepth) {
                if (auto failure = storeToken(i)) {
                    return failure;
                }
            }
            if (depth >= 3) {
                if (auto failure = closeList(i, depth)) {
                    return failure;
                }
            } else if (depth <= 1) {
                return Refuse(i, "a closing parenthesis without its opening one");
            }
            --depth;
        } else if (c == ',') {
            if (auto failure = storeToken(i)) {
                return failure;
            }
            ++at[Levels - 1];
        } else {
            token += c;
        }
    }
    if (depth != 1 || at[0] != shape.counts[0] || !token.empty()) {
        return Refuse(text.size(), std::string(shape.unfinished));
    }
    return std::nullopt;
}

}  // namespace

std::optional<ParseFailure> ParseScheduleIndex(std::string_view text, ScheduleIndexTable& index) {
    constexpr ListShape<2> kShape{{7, 6},
                                  {"row", "value"},
                                  true,
                                  std::numeric_limits<Integer>::min(),
                                  std::numeric_limits<Integer>::max(),
                                  "a value beyond the 7 rows of 6 year types",
                                  "the text does not end after its 7th row"};
    ScheduleIndexTable parsed{};
    const auto store = [&](const ListPosition<2>& at,
                           std::int64_t value) -> std::optional<std::string> {
        if (value < 1 || value > kYearPatternCount) {
            return std::to_string(value) + " is no year pattern";
        }
        parsed[at[0]][at[1]] = static_cast<Integer>(value);
        return std::nullopt;
    };
    if (auto failure = ReadNestedLists(text, kShape, store)) {
        return failure;
    }
    index = parsed;
    return std::nullopt;
}

std::optional<ParseFailure> ParseReadingSchedule(std::string_view text, ReadingCodeTable& codes) {
    constexpr ListShape<3> kShape{{2, kYearPatternCount, kSabbathSlots},
                                  {"plane", "list", "code"},
                                  false,
                                  std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max(),
                                  "a code beyond the 2 planes of 15 lists of 56 codes",
                                  "the text does not end after its 2nd plane"};
    ReadingCodeTable parsed{};
    const auto store = [&](const ListPosition<3>& at,
                           std::int64_t value) -> std::optional<std::string> {
        const auto code = static_cast<std::int32_t>(value);
        if (!IsReadingCode(code, static_cast<Plane>(at[0] + 1))) {
            return "the code " + std::to_string(code) + " names no reading";
        }
        parsed[at[0]][at[1]][at[2]] = code;
        return std::nullopt;
    };
    if (auto failure = ReadNestedLists(text, kShape, store)) {
        return failure;
    }
    codes = parsed;
    return std::nullopt;
}

}  // namespace qavo
