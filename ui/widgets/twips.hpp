#pragma once
// Window coordinates are given in twips, 1440 to the inch; the screen's
// logical resolution turns them into pixels, so the windows keep their
// proportions at any scale.

#include <QRect>

class QWidget;

namespace qavo::ui {

inline constexpr int kTwipsPerInch = 1440;

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
QRect TwipsRect(int left, int top, int width, int height);
// Places a child widget at a rectangle given in twips.
void PlaceInTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace qavo::ui
