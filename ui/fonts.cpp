#include "ui/fonts.hpp"

#include <QFontDatabase>
#include <QFontMetrics>

namespace qavo::ui {

QFont FontOf(std::string_view face, double points, bool bold) {
    const QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    QFont font;
    if (QFontDatabase::hasFamily(family)) {
        font = QFont(family);
    } else if (face == "Fixedsys") {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FitHeight(QFont font, double points, int pixels) {
    constexpr double kStep = 0.5;
    constexpr double kSmallest = 4.0;
    for (double size = points; size > kSmallest; size -= kStep) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).height() <= pixels) {
            return font;
        }
    }
    font.setPointSizeF(kSmallest);
    return font;
}

}  // namespace qavo::ui
