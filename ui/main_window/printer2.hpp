#pragma once
// The page surface "Calendar Page": a hidden window whose drawing persists in
// an image of its client area, on which the month is drawn as a printed
// calendar for the clipboard, a bitmap file or a printer. Texts are printed
// at a current position that each text moves on, as on a printer's page.

#include <QImage>
#include <QLine>
#include <QString>
#include <QWidget>
#include <vector>

#include "page/page_surface.hpp"

class QPainter;
class QPrinter;

namespace qavo::ui {

class Printer2 : public QWidget, public PageSurface {
    Q_OBJECT
  public:
    // A text as drawn: its top left corner in twips and its size in points.
    struct DrawnText {
        double x;
        double y;
        double points;
        QString text;
    };

    explicit Printer2(QWidget* parent = nullptr);

    // Erases the image to white and moves the current position to (0, 0).
    void Cls();
    void SetFontSize(double points);
    void SetCurrentPosition(double x, double y);
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    // Prints at the current position; with a line end the position moves to
    // the start of the next line, without one it moves behind the text.
    void PrintText(std::string_view text, bool lineEnd);
    void DrawLine(int x1, int y1, int x2, int y2);

    // The persistent image of the client area.
    const QImage& Image() const { return image_; }
    const std::vector<DrawnText>& Texts() const { return texts_; }
    const std::vector<QLine>& Lines() const { return lines_; }
    const PrintLayout& Layout() const { return layout_; }
    // Prints the client area with everything drawn on it as one page; false
    // when the printer failed.
    bool PrintPage(QPrinter& printer) const;

    // The month-page build's drawing.
    void SetLayout(const PrintLayout& layout) override;
    void DrawDayOnSurface(int cell, std::string_view dayText, std::string_view holiday,
                          std::string_view jewishText) override;
    void DrawPageFrame(int rows, std::string_view title) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PrintInCell(int cell, std::string_view text, int dx, int dy);
    QFont FontOfSize(double points) const;
    // Draws one text or line at the given device pixels per twip.
    void Paint(QPainter& painter, const DrawnText& text, double scaleX, double scaleY) const;
    void Paint(QPainter& painter, const QLine& line, double scaleX, double scaleY) const;

    QImage image_;
    std::vector<DrawnText> texts_;
    std::vector<QLine> lines_;  // in twips
    PrintLayout layout_{};
    double fontSize_;
    double currentX_ = 0;
    double currentY_ = 0;
};

}  // namespace qavo::ui
