// Any text typed or pasted into a number box.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/number_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qavo::LeadingNumber number = qavo::ReadLeadingNumber(text);
    // A value that fits reads back unchanged from its own text.
    if (number.fits &&
        qavo::ReadLeadingNumber(qavo::BlankSigned(number.value)).value != number.value) {
        std::abort();
    }
    return 0;
}
