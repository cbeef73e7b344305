#include "ui/widgets/twips.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qavo::ui {

namespace {
// The primary screen's logical dots per inch; 96 when there is none.
double LogicalDpi(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 96.0;
    }
    return horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
}

int Scale(int twips, double dpi) {
    return static_cast<int>(twips * dpi / kTwipsPerInch + 0.5);
}
}  // namespace

int TwipsToPixelsX(int twips) {
    return Scale(twips, LogicalDpi(true));
}

int TwipsToPixelsY(int twips) {
    return Scale(twips, LogicalDpi(false));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
            TwipsToPixelsY(height)};
}

void PlaceInTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace qavo::ui
