#pragma once
// The time-zone box of the sunset setup: every zone of the system's
// time-zone database, chosen by typing any part of its name (type-ahead) or
// from its list.

#include <QComboBox>

namespace qavo::ui {

class ZonePicker : public QComboBox {
    Q_OBJECT
  public:
    explicit ZonePicker(QWidget* parent = nullptr);

    // Shows a zone without choosing it.
    void ShowZone(const QString& zone);

  signals:
    // A zone of the database was picked from the list, or typed (whole, or a
    // part only it holds) and entered.
    void ZoneChosen(const QString& zone);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ChooseTyped();
};

}  // namespace qavo::ui
