#pragma once
// Starts an accessory program (text editor, paint program, calculator) for
// the File menu. The program runs on its own; nothing keeps a handle on it.

#include <string_view>

#include "engine/platform.hpp"
#include "ui/accessories/accessory_search.hpp"

namespace qavo {

// Starts the first installed candidate of the accessory, looked up in
// searchPath (a ':'-separated list of directories such as $PATH). When none
// is installed, or the one found does not start, tells the user "Can't find "
// and the accessory's file name. Returns whether a program was started.
bool LaunchAccessory(Platform& platform, Accessory accessory, std::string_view searchPath);

// The same, searching the program's own executable search path ($PATH).
bool LaunchAccessory(Platform& platform, Accessory accessory);

}  // namespace qavo
