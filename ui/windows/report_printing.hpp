#pragma once
// Report text on the pages of a printer: line after line from the top left of
// the printable area in the painter's font, a new page when one is full, and
// nothing of its own (no header, margins or page numbers).

#include <QSize>
#include <QStringList>
#include <functional>

class QPainter;

namespace qavo::ui {

// `nextPage` starts the next page and returns false when the device cannot;
// the painting stops there.
void PaintReportPages(QPainter& painter, QSize page, const QStringList& lines,
                      const std::function<bool()>& nextPage);

}  // namespace qavo::ui
