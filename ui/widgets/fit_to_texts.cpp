#include "ui/widgets/fit_to_texts.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace qavo::ui {

namespace {

// A widget that lays out its own children (a row of radio buttons) needs
// what its layout asks for its captions.
bool HasCaption(const QWidget* widget) {
    return widget->layout() != nullptr || qobject_cast<const QLabel*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QGroupBox*>(widget) != nullptr;
}

// The room a caption needs: a wrapping label keeps its width and takes the
// lines it wraps into.
QSize Needed(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && label->wordWrap()) {
        return {widget->width(), label->heightForWidth(widget->width())};
    }
    return widget->sizeHint();
}

}  // namespace

void FitToTexts(QWidget* window) {
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!HasCaption(child)) {
            continue;
        }
        const QRect place = child->geometry();
        const QSize needed = Needed(child);
        const int wider = needed.width() - place.width();
        const int taller = needed.height() - place.height();
        for (QWidget* other : children) {
            if (other == child) {
                continue;
            }
            // Whole columns to the right move along, and whole rows below.
            const QPoint at = other->pos();
            other->move(at.x() + (wider > 0 && at.x() > place.right() ? wider : 0),
                        at.y() + (taller > 0 && at.y() > place.bottom() ? taller : 0));
        }
        child->resize(std::max(needed.width(), place.width()),
                      std::max(needed.height(), place.height()));
    }
    // The design's margin to the left and above is kept on the right and below.
    const QRect used = window->childrenRect();
    const QSize size(std::max(window->width(), used.right() + 1 + used.left()),
                     std::max(window->height(), used.bottom() + 1 + used.top()));
    if (size != window->size()) {
        window->setFixedSize(size);
    }
}

}  // namespace qavo::ui
