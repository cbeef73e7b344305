#pragma once
// Windows open in the middle of the screen they are on, wherever that screen
// lies on the desktop: left = screen left + (screen width - window width) / 2
// and top likewise, with integer division.

class QWidget;

namespace qavo::ui {

void CentreOnScreen(QWidget* window);

}  // namespace qavo::ui
