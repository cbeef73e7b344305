#include "page/page_colours.hpp"

#include <algorithm>
#include <cmath>

namespace qavo {

namespace {

// A channel of 0..255 as linear light, 0..1.
double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

Rgb PageButtonFace(Rgb desktopFace) {
    return ContrastRatio(desktopFace, kBlue) >= kReadableContrast ? desktopFace : kLightGrey;
}

}  // namespace qavo
