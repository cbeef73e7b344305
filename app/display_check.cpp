#include "app/display_check.hpp"

namespace qavo::app {

bool HasDisplay(const std::function<std::string(const char*)>& variable) {
    // A platform named explicitly (offscreen, vnc, eglfs...) needs no display
    // server; the window system ones need theirs.
    const std::string platform = variable("QT_QPA_PLATFORM");
    const bool x11 = !variable("DISPLAY").empty();
    const bool wayland = !variable("WAYLAND_DISPLAY").empty();
    if (platform.empty()) {
        return x11 || wayland;
    }
    if (platform.rfind("xcb", 0) == 0) {
        return x11;
    }
    if (platform.rfind("wayland", 0) == 0) {
        return wayland;
    }
    return true;
}

}  // namespace qavo::app
