#pragma once
// The holiday choices of QAVOWIN.INI, section OPTIONS: the key Schedule,
// "Diaspora" (the default) or "Israel", and the key Holidays, "Major" (the
// default) or "All".

#include <string>

#include "engine/platform.hpp"
#include "holidays/holiday_options.hpp"

namespace qavo {

// The choices kept in the settings file at `iniPath`; a missing file, key or
// unknown value gives the default. An unreadable file gives the default too:
// the start-up has already reported it when it read the daylight setting.
HolidayOptions ReadHolidayOptions(const std::string& iniPath);

// Keeps the choices; a file that cannot be written is reported in a message
// box naming the reason, and gives false.
[[nodiscard]] bool SaveHolidayOptions(Platform& platform, const std::string& iniPath,
                                      const HolidayOptions& options);

}  // namespace qavo
