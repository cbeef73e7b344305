#pragma once
// The type faces the windows ask for, with the closest face the system has
// when it lacks one: "Fixedsys" becomes the system's fixed-pitch font, so the
// columns of the reports line up; the sans-serif faces become the desktop's
// general font.

#include <QFont>
#include <string_view>

namespace qavo::ui {

QFont FontOf(std::string_view face, double points, bool bold);

// The largest size up to `points` at which one line of the font fits in
// `pixels` of height.
QFont FitHeight(QFont font, double points, int pixels);

// The font, made smaller by half points as far as needed for every line of
// `text` to fit in `pixels` of width: the desktop's faces run wider than the
// ones a page was laid out for.
QFont FitWidth(QFont font, const QString& text, int pixels);

}  // namespace qavo::ui
