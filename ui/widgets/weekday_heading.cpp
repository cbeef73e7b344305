#include "ui/widgets/weekday_heading.hpp"

#include <QPainter>

namespace qavo::ui {

WeekdayHeading::WeekdayHeading(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAutoFillBackground(true);
}

void WeekdayHeading::paintEvent(QPaintEvent* event) {
    const QStringList names = text().split(' ', Qt::SkipEmptyParts);
    if (names.size() != static_cast<qsizetype>(centres_.size())) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int width = metrics.horizontalAdvance(names[i]);
        const QRect box(centres_[i] - width / 2, 0, width, height());
        painter.drawText(box, Qt::AlignCenter, names[i]);
    }
}

}  // namespace qavo::ui
