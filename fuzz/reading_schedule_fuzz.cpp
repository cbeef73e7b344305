// Any text as one of the reading schedule's two texts (the first byte picks
// which): a text is taken whole or refused with the table untouched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "readings/reading_schedule.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        qavo::ScheduleIndexTable index{};
        index[0][0] = -7;
        const auto failure = qavo::ParseScheduleIndex(text, index);
        if (failure && index[0][0] != -7) {
            std::abort();
        }
    } else {
        static qavo::ReadingCodeTable codes{};  // large: kept out of the stack
        codes[0][0][0] = -7;
        const auto failure = qavo::ParseReadingSchedule(text, codes);
        if (failure && codes[0][0][0] != -7) {
            std::abort();
        }
    }
    return 0;
}
