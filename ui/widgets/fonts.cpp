#include "ui/widgets/fonts.hpp"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

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

QFont FitWidth(QFont font, const QString& text, int pixels) {
    constexpr double kStep = 0.5;
    constexpr double kSmallest = 4.0;
    const QStringList lines = text.split('\n');
    const auto widest = [&lines](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        int width = 0;
        for (const QString& line : lines) {
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        return width;
    };
    double size = font.pointSizeF();
    while (size > kSmallest && widest(font) > pixels) {
        size -= kStep;
        font.setPointSizeF(size);
    }
    return font;
}

QFont FitHeight(QFont font, double points, int pixels) {
    constexpr double kStep = 0.5;
    constexpr double kSmallest = 4.0;
    font.setPointSizeF(points);
    const int height = QFontMetrics(font).height();
    if (height <= pixels) {
        return font;
    }
    // A line's height grows with the size: start from the proportional size
    // and step down the few half points that rounding may leave.
    double size = std::max(kSmallest, static_cast<int>(2.0 * points * pixels / height) / 2.0);
    font.setPointSizeF(size);
    while (size > kSmallest && QFontMetrics(font).height() > pixels) {
        size -= kStep;
        font.setPointSizeF(size);
    }
    return font;
}

}  // namespace qavo::ui
