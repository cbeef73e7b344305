#pragma once
// The month page on screen: the weekday heading, the frame lines and the 42
// day cells, each a strip with the day number over a body with the Jewish
// date and holiday. It shows a MonthPage and reports clicks on shown cells.

#include <QWidget>
#include <array>

#include "page/month_page.hpp"

namespace qavo::ui {

class CaptionPanel;
class WeekdayHeading;

class PageView : public QWidget {
    Q_OBJECT
  public:
    explicit PageView(QWidget* parent = nullptr);

    // Creates, places and hides cells 1 to 42 (the grid's origin in twips).
    void BuildCellGrid(int originX, int originY);
    void Show(const MonthPage& page);

    CaptionPanel* GDatePanel(int cell) const { return strips_.at(cell); }
    CaptionPanel* CalDay2(int cell) const { return bodies_.at(cell); }
    QColor ColourOf(PageColour colour) const;

  signals:
    void CellClicked(int cell);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CaptionPanel* MakePanel(const char* array, int cell, const QFont& font, CellColours colours);

    std::array<CaptionPanel*, kPageCells + 1> strips_{};
    std::array<CaptionPanel*, kPageCells + 1> bodies_{};
    WeekdayHeading* heading_ = nullptr;
    QFont stripFont_;
    QFont bodyFont_;
};

}  // namespace qavo::ui
