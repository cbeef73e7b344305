#pragma once
// The one-line text box of every number the user types: characters pass only
// when the number key filter accepts them, Enter is reported instead of typed,
// losing the focus to another control of the same window is reported, and a
// shortcut of its window's menu wins over the box's own (Ctrl+C copies the page).
// Up and Down press the arrows of the spin button beside it, if it has one.

#include <QLineEdit>

namespace qavo::ui {

class SpinButton;

class NumberBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberBox(QWidget* parent = nullptr);
    void SetSpin(SpinButton* spin) { spin_ = spin; }

  signals:
    void EnterPressed();
    void FocusLost();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    SpinButton* spin_ = nullptr;
};

}  // namespace qavo::ui
