// Any text as QAVOWIN.INI: the settings read from it stay within their
// widths, and setting one key finds that key again and keeps the rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "sunset/profile_file.hpp"
#include "sunset/settings_file.hpp"
#include "tests/support/fake_platform.hpp"

namespace {
const std::string& IniPath() {
    static const std::string path = [] {
        auto directory = std::filesystem::temp_directory_path() /
                         ("qavo-fuzz-ini-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory);
        return (directory / "QAVOWIN.INI").string();
    }();
    return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << text;
    qavo::testing::FakePlatform platform;
    qavo::CityDatabase cities;
    qavo::ReadIniOptions(cities, platform, IniPath());
    qavo::ReadDefaultCity(cities, platform, IniPath());
    if (cities.DaylightMode.size() > qavo::kDaylightModeWidth + 8) {  // UTF-8 of 8 characters
        std::abort();
    }
    const std::string changed = qavo::WithProfileValue(text, "OPTIONS", "DEFAULT_CITY", "7");
    if (qavo::FindProfileValue(changed, "options", "default_city") != "7") {
        std::abort();
    }
    return 0;
}
