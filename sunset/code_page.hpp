#pragma once
// City names are stored one byte per character in Windows-1252, so that files
// written on the original platform read back unchanged; in memory they are UTF-8.

#include <string>
#include <string_view>

namespace qavo {

// Every byte maps to one character; the five bytes Windows-1252 leaves
// undefined map to the control characters of the same number, so any file
// reads and writes back byte for byte.
std::string Windows1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte (and malformed UTF-8) become "?".
std::string Utf8ToWindows1252(std::string_view text);
// True when every character of the UTF-8 text has its Windows-1252 byte.
bool FitsWindows1252(std::string_view text);

}  // namespace qavo
