#pragma once
// The program's icon, drawn in code so that it needs no image plugin: a blue
// calendar leaf with a yellow strip and a grid of days, as app/qavo.svg.

#include <QIcon>

namespace qavo::ui {

QIcon AppIcon();

}  // namespace qavo::ui
