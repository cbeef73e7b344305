#include "ui/widgets/number_box.hpp"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>

#include <QToolButton>

#include "engine/engine.hpp"
#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {}

bool NumberBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : window()->findChildren<QAction*>()) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                event->ignore();  // left to the window's shortcut
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit EnterPressed();
        return;
    }
    if (spin_ != nullptr && event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        event->accept();
        (event->key() == Qt::Key_Up ? spin_->UpArrow() : spin_->DownArrow())->click();
        return;
    }
    // Printable characters go through the filter; editing keys, cursor keys
    // and shortcuts such as copy and paste keep working.
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() != 0x7f &&
        !IsNumberKey(text[0].unicode())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box or a menu taking the focus from the whole window is not
    // the user moving on from the box.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit FocusLost();
    }
}

}  // namespace qavo::ui
