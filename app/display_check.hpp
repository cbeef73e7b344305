#pragma once
// Whether a graphical display can be reached, decided from the environment
// before the toolkit starts, so that a machine without one gets a clear line
// instead of a toolkit abort.

#include <functional>
#include <string>

namespace qavo::app {

// `variable` reads an environment variable, empty when unset.
bool HasDisplay(const std::function<std::string(const char*)>& variable);

inline constexpr const char* kNoDisplayMessage =
    "qavo: a graphical display is needed (DISPLAY or WAYLAND_DISPLAY is not set); "
    "qavo-cli prints every report without one.";

}  // namespace qavo::app
