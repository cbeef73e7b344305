// Any text as QAVOWIN.INI: the settings read from it stay within their
// widths, and setting one key finds that key again and keeps the rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sunset/profile_file.hpp"
#include "sunset/settings_file.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const qavo::testing::TempDir dir;
    const std::string text(reinterpret_cast<const char*>(data), size), ini = dir / "QAVOWIN.INI";
    dir.Write("QAVOWIN.INI", text);
    qavo::testing::FakePlatform platform;
    qavo::CityDatabase cities;
    qavo::ReadIniOptions(cities, platform, ini);
    qavo::ReadDefaultCity(cities, platform, ini);
    if (cities.DaylightMode.size() > qavo::kDaylightModeWidth + 8) {  // UTF-8 of 8 characters
        std::abort();
    }
    const std::string changed = qavo::WithProfileValue(text, "OPTIONS", "DEFAULT_CITY", "7");
    if (qavo::FindProfileValue(changed, "options", "default_city") != "7") {
        std::abort();
    }
    return 0;
}
