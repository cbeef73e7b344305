#pragma once
// Readable colours on any desktop. The page fixes its text colours; where it
// takes a background from the desktop (the button face of the cells), a
// desktop whose face is too dark for the page's blue gets the classic light
// grey instead, so that every text keeps its contrast.

#include "page/month_page.hpp"

namespace qavo {

// The contrast of two colours as the accessibility guidelines for the web
// measure it: 1 (none) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);
// The least contrast at which ordinary text reads.
inline constexpr double kReadableContrast = 4.5;

// The button face a page shows: the desktop's own when blue reads on it.
Rgb PageButtonFace(Rgb desktopFace);

}  // namespace qavo
