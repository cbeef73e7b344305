#pragma once
// Two arrow buttons stacked one above the other, with a separate event for
// each; not tied to any other control. Tab reaches each arrow and Space
// presses it. A held arrow repeats its event; a repeat that comes while the
// last event is still being handled (a message box of it is up) ends the
// hold, so one refusal is shown once.

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
    void Relay(QToolButton* arrow, void (SpinButton::*event)());

    QToolButton* up_;
    QToolButton* down_;
    bool handling_ = false;
};

}  // namespace qavo::ui
