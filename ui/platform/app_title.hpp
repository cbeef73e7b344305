#pragma once
// The program's title: the caption of plain messages that carry no title of
// their own.

#include <string_view>

namespace qavo::ui {

inline constexpr std::string_view kApplicationTitle = "QAVO for Windows";

}  // namespace qavo::ui
