// The two parsers of the nested-list texts. Both read the text character by
// character, counting parenthesis depth: a list's numbers are separated by
// commas and its closing parenthesis stores the last one. Anything that would
// write outside the table, leave a list short, or is not a number refuses the
// whole text.

#include <cstdint>
#include <limits>

#include "readings/reading_schedule.hpp"

namespace qavo {

namespace {

// The value of a token: blanks around it are dropped, an empty token is 0,
// and a fraction is rounded half to even. Nothing when it is not a number or
// does not fit [min, max].
std::optional<std::int64_t> TokenValue(std::string_view token, std::int64_t min, std::int64_t max) {
    while (!token.empty() && token.front() == ' ') {
        token.remove_prefix(1);
    }
    while (!token.empty() && token.back() == ' ') {
        token.remove_suffix(1);
    }
    if (token.empty()) {
        return 0;
    }
    bool negative = false;
    if (token.front() == '+' || token.front() == '-') {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    const std::size_t point = token.find('.');
    const std::string_view whole = token.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : token.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        for (char c : s) {
            if (c < '0' || c > '9') {
                return false;
            }
        }
        return true;
    };
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    constexpr std::int64_t kBeyondAnyTable = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (char c : whole) {
        value = value * 10 + (c - '0');
        if (value > kBeyondAnyTable) {
            return std::nullopt;
        }
    }
    if (!fraction.empty()) {
        const bool aboveHalf =
            fraction[0] > '5' ||
            (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string_view::npos);
        const bool exactlyHalf = fraction[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactlyHalf && value % 2 == 1)) {
            ++value;
        }
    }
    if (negative) {
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

}  // namespace

std::optional<ParseFailure> ParseScheduleIndex(std::string_view text, ScheduleIndexTable& index) {
    constexpr int kRowDepth = 3;
    ScheduleIndexTable parsed{};
    int depth = 1;
    int row = 0;
    int column = 1;
    std::string token;

    const auto store = [&](std::size_t at) -> std::optional<ParseFailure> {
        if (row > 6 || column > 6) {
            return Refuse(at, "a value beyond the 7 rows of 6 year types");
        }
        const auto value = TokenValue(token, std::numeric_limits<Integer>::min(),
                                      std::numeric_limits<Integer>::max());
        if (!value) {
            return Refuse(at, NotANumber(token));
        }
        if (*value < 1 || *value > kYearPatternCount) {
            return Refuse(at, std::to_string(*value) + " is no year pattern");
        }
        parsed[row][column - 1] = static_cast<Integer>(*value);
        token.clear();
        return std::nullopt;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            if (++depth > kRowDepth) {
                return Refuse(i, "lists nested too deep");
            }
        } else if (c == ' ') {
            continue;
        } else if (c == ')') {
            if (depth == kRowDepth) {
                if (auto failure = store(i)) {
                    return failure;
                }
                if (column != 6) {
                    return Refuse(i, "a row of " + std::to_string(column) + " values instead of 6");
                }
                ++row;
                column = 1;
            } else if (depth <= 1) {
                return Refuse(i, "a closing parenthesis without its opening one");
            }
            --depth;
        } else if (c == ',') {
            if (auto failure = store(i)) {
                return failure;
            }
            ++column;
        } else {
            token += c;
        }
    }
    if (depth != 1 || row != 7 || !token.empty()) {
        return Refuse(text.size(), "the text does not end after its 7th row");
    }
    index = parsed;
    return std::nullopt;
}

std::optional<ParseFailure> ParseReadingSchedule(std::string_view text, ReadingCodeTable& codes) {
    constexpr int kPlaneDepth = 3;
    constexpr int kListDepth = 4;
    constexpr int kPlaneCount = 2;
    ReadingCodeTable parsed{};
    int depth = 1;
    int plane = 1;
    int pattern = 1;
    int entry = 1;
    std::string token;

    const auto store = [&](std::size_t at) -> std::optional<ParseFailure> {
        if (plane > kPlaneCount || pattern > kYearPatternCount || entry > kSabbathSlots) {
            return Refuse(at, "a code beyond the 2 planes of 15 lists of 56 codes");
        }
        const auto value = TokenValue(token, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max());
        if (!value) {
            return Refuse(at, NotANumber(token));
        }
        const auto code = static_cast<std::int32_t>(*value);
        if (!IsReadingCode(code, static_cast<Plane>(plane))) {
            return Refuse(at, "the code " + std::to_string(code) + " names no reading");
        }
        parsed[plane - 1][pattern - 1][entry - 1] = code;
        token.clear();
        return std::nullopt;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            if (++depth > kListDepth) {
                return Refuse(i, "lists nested too deep");
            }
        } else if (c == ')') {
            if (depth == kListDepth) {
                if (auto failure = store(i)) {
                    return failure;
                }
                if (entry != kSabbathSlots) {
                    return Refuse(i, "a list of " + std::to_string(entry) + " codes instead of 56");
                }
                entry = 1;
                ++pattern;
            } else if (depth == kPlaneDepth) {
                if (pattern != kYearPatternCount + 1) {
                    return Refuse(
                        i, "a plane of " + std::to_string(pattern - 1) + " lists instead of 15");
                }
                ++plane;
                pattern = 1;
            } else if (depth <= 1) {
                return Refuse(i, "a closing parenthesis without its opening one");
            }
            --depth;
        } else if (c == ',') {
            if (auto failure = store(i)) {
                return failure;
            }
            ++entry;
        } else {
            token += c;
        }
    }
    if (depth != 1 || plane != kPlaneCount + 1 || !token.empty()) {
        return Refuse(text.size(), "the text does not end after its 2nd plane");
    }
    codes = parsed;
    return std::nullopt;
}

}  // namespace qavo
