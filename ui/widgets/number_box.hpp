#pragma once
// The one-line text box of every number the user types: characters pass only
// when the number key filter accepts them, Enter is reported instead of typed,
// and losing the focus to another control of the same window is reported.

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
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace qavo::ui
