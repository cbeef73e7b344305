#include "sunset/code_page.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qavo {

namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOfByte(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char kUnmapped = '?';

char ByteOfCharacter(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    // The search ends at the table's end for a character the block lacks.
    const auto found = std::ranges::find(kHighControls, c);
    return found == kHighControls.end() ? kUnmapped
                                        : static_cast<char>(0x80 + (found - kHighControls.begin()));
}

// Decodes the character at text[i] and moves i past it; 0xFFFD when malformed.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (length < 0) {
        return 0xFFFD;
    }
    char32_t c = lead & (0x3F >> length);
    for (; length > 0; --length) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return c;
}

}  // namespace

bool FitsWindows1252(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCharacter(text, i);
        if (c != U'?' && ByteOfCharacter(c) == kUnmapped) {
            return false;
        }
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    for (const char byte : bytes) {
        AppendUtf8(out, CharacterOfByte(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        out += ByteOfCharacter(NextCharacter(text, i));
    }
    return out;
}

}  // namespace qavo
