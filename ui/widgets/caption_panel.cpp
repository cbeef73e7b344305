#include "ui/widgets/caption_panel.hpp"

#include <QMouseEvent>

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

void CaptionPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace qavo::ui
