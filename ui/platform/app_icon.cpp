#include "ui/platform/app_icon.hpp"

#include <QPainter>
#include <QPixmap>

namespace qavo::ui {

QIcon AppIcon() {
    constexpr int kSize = 64;
    QPixmap image(kSize, kSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawRoundedRect(4, 6, 56, 54, 6, 6);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(4, 14, 56, 10);
    painter.setBrush(QColor(192, 192, 192));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            painter.drawRect(9 + 13 * column, 29 + 10 * row, 10, 7);
        }
    }
    painter.end();
    return QIcon(image);
}

}  // namespace qavo::ui
