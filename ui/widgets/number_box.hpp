#pragma once
// The one-line text box of every number the user types: characters pass only
// when the number key filter accepts them, Enter is reported instead of typed,
// losing the focus to another control of the same window is reported, and a
// shortcut of its window's menu wins over the box's own (Ctrl+C copies the page).

#include <QLineEdit>

namespace qavo::ui {

class NumberBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberBox(QWidget* parent = nullptr);

  signals:
    void EnterPressed();
    void FocusLost();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace qavo::ui
