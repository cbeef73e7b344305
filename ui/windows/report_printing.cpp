#include "ui/windows/report_printing.hpp"

#include <QFontMetrics>
#include <QPainter>

namespace qavo::ui {

void PaintReportPages(QPainter& painter, QSize page, const QStringList& lines,
                      const std::function<bool()>& nextPage) {
    const QFontMetrics metrics(painter.font(), painter.device());
    const int lineHeight = metrics.lineSpacing();
    int top = 0;
    for (const QString& line : lines) {
        if (top > 0 && top + lineHeight > page.height()) {
            if (!nextPage()) {
                return;
            }
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), line);
        top += lineHeight;
    }
}

}  // namespace qavo::ui
