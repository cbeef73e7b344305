#pragma once
// Two arrow buttons stacked one above the other, with a separate event for
// each; not tied to any other control. Tab reaches each arrow and Space
// presses it.

#include <QWidget>

class QToolButton;

namespace qavo::ui {

class SpinButton : public QWidget {
    Q_OBJECT
  public:
    explicit SpinButton(QWidget* parent = nullptr);
    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }
    // What each arrow does, for assistive technology: "Next year".
    void SetAccessibleNames(const QString& up, const QString& down);

  signals:
    void UpClicked();
    void DownClicked();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace qavo::ui
