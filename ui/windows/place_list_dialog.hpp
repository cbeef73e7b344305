#pragma once
// "Add from list..." of the sunset setup: the principal places of the world's
// time zones, searchable by name, one to be added as a new city.

#include <QDialog>
#include <optional>
#include <vector>

#include "sunset/zone_place.hpp"

class QLineEdit;
class QListWidget;

namespace qavo::ui {

class PlaceListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PlaceListDialog(const std::vector<ZonePlace>& places, QWidget* parent = nullptr);

    // The place chosen when the dialog was accepted.
    std::optional<ZonePlace> ChosenPlace() const;

  private slots:
    void Search_Changed(const QString& text);

  private:
    const std::vector<ZonePlace>& places_;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace qavo::ui
