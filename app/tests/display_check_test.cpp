#include "app/display_check.hpp"

#include <gtest/gtest.h>

#include <map>

namespace qavo::app {
namespace {

TEST(DisplayCheck, NeedsADisplayUnlessAPlatformWithoutOneIsNamed) {
    const struct {
        std::map<std::string, std::string> variables;
        bool expected;
    } cases[] = {
        {{}, false},
        {{{"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {{{"QT_QPA_PLATFORM", "xcb"}}, false},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":99"}}, true},
        {{{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":99"}}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasDisplay([&](const char* name) {
                      const auto found = c.variables.find(name);
                      return found == c.variables.end() ? std::string() : found->second;
                  }),
                  c.expected);
    }
}

}  // namespace
}  // namespace qavo::app
