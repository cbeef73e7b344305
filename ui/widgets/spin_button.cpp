#include "ui/widgets/spin_button.hpp"

#include <QToolButton>
#include <QVBoxLayout>

namespace qavo::ui {

namespace {
QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}
}  // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(this, Qt::UpArrow, "up")),
      down_(MakeArrow(this, Qt::DownArrow, "down")) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { Relay(up_, &SpinButton::UpClicked); });
    connect(down_, &QToolButton::clicked, this, [this] { Relay(down_, &SpinButton::DownClicked); });
}

void SpinButton::Relay(QToolButton* arrow, void (SpinButton::*event)()) {
    if (handling_) {
        arrow->setDown(false);  // stops the repeat, whose release the message box took
        return;
    }
    handling_ = true;
    emit(this->*event)();
    handling_ = false;
}

void SpinButton::SetAccessibleNames(const QString& up, const QString& down) {
    up_->setAccessibleName(up);
    down_->setAccessibleName(down);
}

}  // namespace qavo::ui
