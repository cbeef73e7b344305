#include "ui/main_window/printer2.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "engine/name_tables.hpp"
#include "ui/widgets/fonts.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {

namespace {

constexpr int kClientWidth = 9600;
constexpr int kClientHeight = 6915;
constexpr double kDefaultFontSize = 8.25;
// Lines are one screen pixel wide, so that a printed page looks like the image.
constexpr double kLineWidth = 15;

constexpr double kTitleSize = 18;
constexpr double kDayNumberSize = 12;
constexpr double kDayTextSize = 8;

QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Device pixels per twip of the image: the screen's logical resolution.
double ImageScaleX() {
    return TwipsToPixelsX(kTwipsPerInch) / double(kTwipsPerInch);
}
double ImageScaleY() {
    return TwipsToPixelsY(kTwipsPerInch) / double(kTwipsPerInch);
}

}  // namespace

Printer2::Printer2(QWidget* parent) : QWidget(parent, Qt::Window), fontSize_(kDefaultFontSize) {
    setObjectName("Printer2");
    setWindowTitle("Calendar Page");
    setFixedSize(TwipsToPixelsX(kClientWidth), TwipsToPixelsY(kClientHeight));
    image_ = QImage(size(), QImage::Format_RGB32);
    // Point sizes on the image come out as large as on the screen.
    constexpr double kInchesPerMetre = 1 / 0.0254;
    image_.setDotsPerMeterX(
        static_cast<int>(std::lround(TwipsToPixelsX(kTwipsPerInch) * kInchesPerMetre)));
    image_.setDotsPerMeterY(
        static_cast<int>(std::lround(TwipsToPixelsY(kTwipsPerInch) * kInchesPerMetre)));
    Cls();
}

void Printer2::Cls() {
    image_.fill(Qt::white);
    texts_.clear();
    lines_.clear();
    currentX_ = 0;
    currentY_ = 0;
    update();
}

void Printer2::SetFontSize(double points) {
    fontSize_ = points;
}

void Printer2::SetCurrentPosition(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}

QFont Printer2::FontOfSize(double points) const {
    return FontOf("MS Sans Serif", points, true);
}

void Printer2::PrintText(std::string_view text, bool lineEnd) {
    const DrawnText drawn{currentX_, currentY_, fontSize_, ToQString(text)};
    if (!drawn.text.isEmpty()) {
        texts_.push_back(drawn);
        QPainter painter(&image_);
        Paint(painter, drawn, ImageScaleX(), ImageScaleY());
        update();
    }
    const QFontMetricsF metrics(FontOfSize(fontSize_), &image_);
    if (lineEnd) {
        currentX_ = 0;
        currentY_ += metrics.height() / ImageScaleY();
    } else {
        currentX_ += metrics.horizontalAdvance(drawn.text) / ImageScaleX();
    }
}

void Printer2::DrawLine(int x1, int y1, int x2, int y2) {
    const QLine line(x1, y1, x2, y2);
    lines_.push_back(line);
    QPainter painter(&image_);
    Paint(painter, line, ImageScaleX(), ImageScaleY());
    update();
}

void Printer2::Paint(QPainter& painter, const DrawnText& text, double scaleX, double scaleY) const {
    const QFont font = FontOfSize(text.points);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    // The position is the top left corner of the text, not its baseline.
    const QPointF baseline(std::round(text.x * scaleX),
                           std::round(text.y * scaleY) + metrics.ascent());
    painter.drawText(baseline, text.text);
}

void Printer2::Paint(QPainter& painter, const QLine& line, double scaleX, double scaleY) const {
    painter.setPen(QPen(Qt::black, std::max(1.0, std::round(kLineWidth * scaleX))));
    painter.drawLine(QPointF(std::round(line.x1() * scaleX), std::round(line.y1() * scaleY)),
                     QPointF(std::round(line.x2() * scaleX), std::round(line.y2() * scaleY)));
}

bool Printer2::PrintPage(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The page at its own size, made smaller only when the paper is too small.
    const double scale = printer.resolution() / double(kTwipsPerInch);
    const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
    const double fit = std::min(
        {1.0, paper.width() / (kClientWidth * scale), paper.height() / (kClientHeight * scale)});
    painter.scale(fit, fit);
    for (const DrawnText& text : texts_) {
        Paint(painter, text, scale, scale);
    }
    for (const QLine& line : lines_) {
        Paint(painter, line, scale, scale);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void Printer2::SetLayout(const PrintLayout& layout) {
    layout_ = layout;
}

void Printer2::PrintInCell(int cell, std::string_view text, int dx, int dy) {
    const int column = (cell - 1) % 7;
    const int row = (cell - 1) / 7;
    SetCurrentPosition(layout_.PrintLeft + column * layout_.PrintCellWidth + dx,
                       layout_.PrintTop + row * layout_.PrintCellHeight + dy);
    PrintText(text, true);
}

void Printer2::DrawDayOnSurface(int cell, std::string_view dayText, std::string_view holiday,
                                std::string_view jewishText) {
    // The day number stands near the middle of the cell's top; the holiday
    // and the Jewish date fill its lower part.
    SetFontSize(kDayNumberSize);
    PrintInCell(cell, dayText, static_cast<int>(std::nearbyint(layout_.PrintCellWidth / 2.0)) - 100,
                0);
    SetFontSize(kDayTextSize);
    PrintInCell(cell, holiday, 100, layout_.PrintCellHeight - 400);
    PrintInCell(cell, jewishText, 100, layout_.PrintCellHeight - 200);
}

void Printer2::DrawPageFrame(int rows, std::string_view title) {
    const int left = layout_.PrintLeft;
    const int top = layout_.PrintTop;
    const int width = layout_.PrintCellWidth;
    const int height = layout_.PrintCellHeight;

    SetFontSize(kTitleSize);
    SetCurrentPosition(2 * width + left, top / 4);
    PrintText(title, true);
    SetFontSize(kDayNumberSize);
    SetCurrentPosition(CurrentX(), CurrentY() + 100);
    for (int k = 0; k < 7; ++k) {
        SetCurrentPosition(k * width + left + 400, CurrentY());
        PrintText(DayName(k), false);
    }
    for (int k = 0; k <= 7; ++k) {
        DrawLine(k * width + left, top, k * width + left, rows * height + top);
    }
    for (int k = 0; k <= rows; ++k) {
        DrawLine(left, k * height + top, 7 * width + left, k * height + top);
    }
}

void Printer2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace qavo::ui
