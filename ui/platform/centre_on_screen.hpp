#pragma once
// Windows open in the middle of the screen they are on, wherever that screen
// lies on the desktop: left = screen left + (screen width - window width) / 2
// and top likewise, with integer division.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace qavo::ui {

// Where a frame of `frame` size stands centred on a screen of geometry `screen`.
QPoint CentredOn(const QRect& screen, const QSize& frame);

void CentreOnScreen(QWidget* window);

}  // namespace qavo::ui
