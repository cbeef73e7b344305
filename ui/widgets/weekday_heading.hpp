#pragma once
// The weekday heading over the day cells. Its caption spaces the names with
// runs of blanks for the face it was laid out in; with any other face the
// runs drift, so each name is drawn centred over its own column instead.

#include <QLabel>
#include <vector>

namespace qavo::ui {

class WeekdayHeading : public QLabel {
    Q_OBJECT
  public:
    WeekdayHeading(const QString& caption, QWidget* parent);
    // The centre of each column, in pixels from the heading's left edge.
    void SetColumnCentres(std::vector<int> centres) { centres_ = std::move(centres); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<int> centres_;
};

}  // namespace qavo::ui
