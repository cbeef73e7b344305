#include "ui/widgets/caption_panel.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace qavo::ui {

CaptionPanel::CaptionPanel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void CaptionPanel::SetColours(const QColor& text, const QColor& background) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
}

QColor CaptionPanel::TextColour() const {
    return palette().color(QPalette::WindowText);
}

QColor CaptionPanel::BackgroundColour() const {
    return palette().color(QPalette::Window);
}

void CaptionPanel::SetFocusMark(bool marked) {
    if (marked != focusMark_) {
        focusMark_ = marked;
        update();
    }
}

void CaptionPanel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!focusMark_) {
        return;
    }
    QPainter painter(this);
    constexpr int kRing = 2;
    const QRect inside = contentsRect();
    painter.setPen(QPen(Qt::black, kRing));
    painter.drawRect(inside.adjusted(kRing / 2, kRing / 2, -kRing / 2, -kRing / 2));
    painter.setPen(QPen(Qt::white, kRing));
    painter.drawRect(inside.adjusted(3 * kRing / 2, 3 * kRing / 2, -3 * kRing / 2, -3 * kRing / 2));
}

void CaptionPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace qavo::ui
