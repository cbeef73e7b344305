#pragma once
// The month page as assistive technology sees it: one pressable item for
// each shown day, named with the whole date, in place of the two panels
// that draw it.

namespace qavo::ui {

class PageView;

// Registers the page's accessible description with Qt (once is enough).
void InstallPageAccessibility();
// Tells assistive technology which day the keyboard is on now.
void AnnounceFocusedDay(PageView* view);

}  // namespace qavo::ui
