#pragma once
// The month page on screen: the weekday heading, the frame lines and the 42
// day cells, each a strip with the day number over a body with the Jewish
// date and holiday. It shows a MonthPage, reports clicks on shown cells and
// grows with its window. It takes the keyboard focus: one day is focused,
// and the keys that move it or act on it are reported.

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

    // The focused day of the shown month, and its cell; a new page keeps the
    // day number as far as the month reaches.
    int FocusedDay() const { return focusedDay_; }
    int FocusedCell() const { return firstCell_ + focusedDay_ - 1; }
    void FocusDay(int day);
    // The cells of the shown days, and what a screen reader says of each.
    bool IsShown(int cell) const { return cell >= firstCell_ && cell <= lastCell_; }
    QString SpokenName(int cell) const { return spokenNames_.at(cell); }
    QRect CellRect(int cell) const;

  signals:
    // A click, Enter or Space on a shown cell.
    void CellClicked(int cell);
    // The arrow keys (days away), Page Up and Page Down (months away), Home.
    void DayStepKey(int days);
    void MonthStepKey(int months);
    void TodayKey();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    CaptionPanel* MakePanel(const char* array, int cell, CellColours colours);
    // Design twips to pixels of the page as large as it is now: the row of
    // controls keeps its height, the grid below takes the rest.
    int X(int twips) const;
    int Y(int twips) const;
    QRect Place(int left, int top, int width, int height) const;
    void Relayout();
    void FitBodyFont(int cell);
    void ShowFocus();

    std::array<CaptionPanel*, kPageCells + 1> strips_{};
    std::array<CaptionPanel*, kPageCells + 1> bodies_{};
    std::array<QString, kPageCells + 1> spokenNames_{};
    WeekdayHeading* heading_ = nullptr;
    QFont bodyFont_;
    int originX_ = 0;
    int originY_ = 0;
    int firstCell_ = 0;
    int lastCell_ = -1;
    int focusedDay_ = 1;
};

}  // namespace qavo::ui
