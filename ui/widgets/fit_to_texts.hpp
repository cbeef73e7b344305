#pragma once
// Windows placed by hand in twips were laid out for one small font. With the
// desktop's font at its usual 9 to 12 points a caption may need more room:
// FitToTexts gives each caption what its text needs and moves the controls
// beside and below it along, so that nothing is cut and nothing overlaps,
// and grows the window to hold them. With a small font nothing moves.

class QWidget;

namespace qavo::ui {

void FitToTexts(QWidget* window);

}  // namespace qavo::ui
