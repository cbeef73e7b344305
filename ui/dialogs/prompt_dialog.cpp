#include "ui/dialogs/prompt_dialog.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/platform/centre_on_screen.hpp"
#include "ui/widgets/fit_to_texts.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {

PromptDialog::PromptDialog(Engine& engine, const char* name, const char* caption, int widthTwips,
                           int heightTwips, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips));
}

void PromptDialog::ShowModal() {
    exec();
}

void PromptDialog::showEvent(QShowEvent* event) {
    Activate();
    StartInFirstBox();
    startOnActivation_ = true;
    if (!centred_) {
        FitToTexts(this);
    }
    QDialog::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

void PromptDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The window system's activation moves the focus once more: the box is
    // selected again once the showing has made the dialog active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && startOnActivation_) {
        startOnActivation_ = false;
        StartInFirstBox();
    }
}

void PromptDialog::StartInFirstBox() {
    // Every showing starts in the first box with its text selected, so that
    // typing replaces it, whichever control had the focus when it was hidden.
    const auto boxes = findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    if (!boxes.isEmpty()) {
        boxes.front()->setFocus(Qt::OtherFocusReason);
        boxes.front()->selectAll();
    }
}

void PromptDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    FrameClosed();
}

void PromptDialog::FrameClosed() {
    Cancel();
}

void PromptDialog::reject() {
    Cancel();
}

void PromptDialog::Cancel() {
    engine_.Cancelled = true;
    done(Rejected);
}

void PromptDialog::Accept() {
    done(Accepted);
}

void PromptDialog::Refuse(std::string_view message) {
    engine_.platform.ShowMessage(message, "Entry Error", MessageIcon::Stop, MessageButtons::Ok);
}

QLabel* PromptDialog::AddLabel(const char* name, const char* text, int left, int top, int width,
                               int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    PlaceInTwips(label, left, top, width, height);
    return label;
}

NumberBox* PromptDialog::AddNumberBox(const char* name, int left, int top, int width, int height) {
    auto* box = new NumberBox(this);
    box->setObjectName(name);
    PlaceInTwips(box, left, top, width, height);
    return box;
}

SpinButton* PromptDialog::AddSpin(const char* name, int left, int top, int width, int height) {
    auto* spin = new SpinButton(this);
    spin->setObjectName(name);
    PlaceInTwips(spin, left, top, width, height);
    return spin;
}

QComboBox* PromptDialog::AddList(const char* name, int left, int top, int width, int height) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    PlaceInTwips(list, left, top, width, height);
    return list;
}

QPushButton* PromptDialog::AddButton(const char* name, const char* caption, int left, int top,
                                     int width, int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    PlaceInTwips(button, left, top, width, height);
    return button;
}

}  // namespace qavo::ui
