#include "ui/main_window/page_view.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "page/page_colours.hpp"
#include "ui/main_window/page_accessibility.hpp"
#include "ui/widgets/caption_panel.hpp"
#include "ui/widgets/fonts.hpp"
#include "ui/widgets/twips.hpp"
#include "ui/widgets/weekday_heading.hpp"

namespace qavo::ui {

namespace {

// The page as designed; what lies below kGrowTop (the heading and the grid)
// grows with the window, the row of controls above it does not.
constexpr int kPageWidth = 8130;
constexpr int kPageHeight = 6450;
constexpr int kGrowTop = 600;

// Cell sizes and the pitch of the grid; the pitch is a little smaller than a
// cell, so neighbouring cells share their borders.
constexpr int kCellWidth = 1155;
constexpr int kStripHeight = 315;
constexpr int kBodyHeight = 615;
constexpr int kPitchX = 1150;
constexpr int kPitchY = 900;
constexpr int kBodyOffset = 300;
constexpr int kHeadingLeft = 360;
constexpr int kHeadingTop = 600;
constexpr int kHeadingWidth = 7500;
constexpr int kHeadingHeight = 255;

constexpr double kStripPoints = 19.5;
constexpr double kBodyPoints = 9.75;

constexpr const char* kWeekdayHeading =
    "Sun            Mon             Tue            Wed            Thu              Fri        "
    "     Sat";

QColor ToQColor(const Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    InstallPageAccessibility();
    // Tab reaches the page; a click on a day leaves the focus where it was,
    // so that a year typed in the year box is applied by the click alone.
    setFocusPolicy(Qt::TabFocus);
    heading_ = new WeekdayHeading(kWeekdayHeading, this);
    heading_->setObjectName("Label2");
    QPalette colours = heading_->palette();
    colours.setColor(QPalette::WindowText, ToQColor(kYellow));
    colours.setColor(QPalette::Window, ToQColor(kDarkGrey));
    heading_->setPalette(colours);

    // Member 0 of each array is the template: never shown, it holds the
    // normal colours that a marked cell swaps.
    strips_[0] = MakePanel("GDatePanel", 0, kDayStripColours);
    bodies_[0] = MakePanel("CalDay2", 0, kCellBodyColours);
    Relayout();
}

QColor PageView::ColourOf(PageColour colour) const {
    switch (colour) {
        case PageColour::Yellow:
            return ToQColor(kYellow);
        case PageColour::Blue:
            return ToQColor(kBlue);
        case PageColour::ButtonFace: {
            const QColor face = palette().color(QPalette::Button);
            return ToQColor(PageButtonFace({face.red(), face.green(), face.blue()}));
        }
    }
    return {};
}

CaptionPanel* PageView::MakePanel(const char* array, int cell, CellColours colours) {
    auto* panel = new CaptionPanel(this);
    panel->setObjectName(QString("%1_%2").arg(array).arg(cell));
    panel->SetColours(ColourOf(colours.text), ColourOf(colours.background));
    panel->hide();
    return panel;
}

int PageView::X(int twips) const {
    return static_cast<int>(twips * static_cast<double>(width()) / kPageWidth + 0.5);
}

int PageView::Y(int twips) const {
    const int fixed = TwipsToPixelsY(std::min(twips, kGrowTop));
    if (twips <= kGrowTop) {
        return fixed;
    }
    const double grown =
        static_cast<double>(height() - TwipsToPixelsY(kGrowTop)) / (kPageHeight - kGrowTop);
    return fixed + static_cast<int>((twips - kGrowTop) * grown + 0.5);
}

QRect PageView::Place(int left, int top, int width, int height) const {
    return {QPoint(X(left), Y(top)), QPoint(X(left + width) - 1, Y(top + height) - 1)};
}

QRect PageView::CellRect(int cell) const {
    return strips_.at(cell)->geometry().united(bodies_.at(cell)->geometry());
}

void PageView::BuildCellGrid(int originX, int originY) {
    originX_ = originX;
    originY_ = originY;
    for (int n = 1; n <= kPageCells; ++n) {
        strips_[n] = MakePanel("GDatePanel", n, kDayStripColours);
        bodies_[n] = MakePanel("CalDay2", n, kCellBodyColours);
        connect(strips_[n], &CaptionPanel::Clicked, this, [this, n] { emit CellClicked(n); });
        connect(bodies_[n], &CaptionPanel::Clicked, this, [this, n] { emit CellClicked(n); });
    }
    Relayout();
}

void PageView::Relayout() {
    // The texts grow with the cells, as far as the smaller of the two
    // directions lets them.
    const double scale = std::min(static_cast<double>(width()) / TwipsToPixelsX(kPageWidth),
                                  static_cast<double>(height() - TwipsToPixelsY(kGrowTop)) /
                                      (TwipsToPixelsY(kPageHeight) - TwipsToPixelsY(kGrowTop)));
    const double grow = std::max(scale, 1.0);

    heading_->setGeometry(Place(kHeadingLeft, kHeadingTop, kHeadingWidth, kHeadingHeight));
    heading_->setFont(FitHeight(FontOf("MS Sans Serif", kBodyPoints * grow, true),
                                kBodyPoints * grow, heading_->height()));
    std::vector<int> centres;
    for (int column = 0; column < kPageColumns; ++column) {
        centres.push_back(X(originX_ + kPitchX * column + kCellWidth / 2) - X(kHeadingLeft));
    }
    heading_->SetColumnCentres(std::move(centres));

    const QRect strip = Place(0, originY_, kCellWidth, kStripHeight);
    const QRect body = Place(0, originY_ + kBodyOffset, kCellWidth, kBodyHeight);
    const QFont stripFont = FitHeight(FontOf("MS Sans Serif", kStripPoints * grow, true),
                                      kStripPoints * grow, strip.height());
    bodyFont_ = FitHeight(FontOf("MS Sans Serif", kBodyPoints * grow, true), kBodyPoints * grow,
                          body.height() / 2);
    strips_[0]->setFont(stripFont);
    bodies_[0]->setFont(bodyFont_);
    if (strips_[1] == nullptr) {
        return;  // the grid is not built yet
    }
    for (int n = 1; n <= kPageCells; ++n) {
        const int left = originX_ + kPitchX * ((n - 1) % kPageColumns);
        const int top = originY_ + kPitchY * ((n - 1) / kPageColumns);
        strips_[n]->setGeometry(Place(left, top, kCellWidth, kStripHeight));
        bodies_[n]->setGeometry(Place(left, top + kBodyOffset, kCellWidth, kBodyHeight));
        strips_[n]->setFont(stripFont);
        FitBodyFont(n);
    }
}

void PageView::FitBodyFont(int cell) {
    CaptionPanel* body = bodies_[cell];
    body->setFont(FitWidth(bodyFont_, body->text(), body->contentsRect().width()));
}

void PageView::Show(const MonthPage& page) {
    firstCell_ = page.firstCell;
    lastCell_ = page.lastCell;
    focusedDay_ = std::clamp(focusedDay_, 1, std::max(1, lastCell_ - firstCell_ + 1));
    for (int n = 1; n <= kPageCells; ++n) {
        const DayCell& cell = page.cells[n];
        strips_[n]->setText(QString::fromLatin1(cell.dayText));
        bodies_[n]->setText(QString::fromLatin1(cell.jewishText));
        FitBodyFont(n);
        bodies_[n]->SetColours(ColourOf(cell.body.text), ColourOf(cell.body.background));
        bodies_[n]->setVisible(cell.visible);
        strips_[n]->setVisible(cell.visible);
        spokenNames_[n] = cell.visible ? QString::fromLatin1(cell.spokenName) : QString();
    }
    ShowFocus();
}

void PageView::FocusDay(int day) {
    focusedDay_ = std::clamp(day, 1, std::max(1, lastCell_ - firstCell_ + 1));
    ShowFocus();
}

void PageView::ShowFocus() {
    for (int n = 1; n <= kPageCells; ++n) {
        bodies_[n]->SetFocusMark(hasFocus() && n == FocusedCell());
    }
    if (hasFocus()) {
        AnnounceFocusedDay(this);
    }
}

void PageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    ShowFocus();
}

void PageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    ShowFocus();
}

void PageView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            emit DayStepKey(-1);
            break;
        case Qt::Key_Right:
            emit DayStepKey(+1);
            break;
        case Qt::Key_Up:
            emit DayStepKey(-kPageColumns);
            break;
        case Qt::Key_Down:
            emit DayStepKey(+kPageColumns);
            break;
        case Qt::Key_PageUp:
            emit MonthStepKey(-1);
            break;
        case Qt::Key_PageDown:
            emit MonthStepKey(+1);
            break;
        case Qt::Key_Home:
            emit TodayKey();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (IsShown(FocusedCell())) {
                emit CellClicked(FocusedCell());
            }
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void PageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void PageView::paintEvent(QPaintEvent*) {
    // The frame around the grid: light grey along the top and the left edge,
    // black along the right edge and the bottom.
    QPainter painter(this);
    constexpr int kLineWidth = 3;
    painter.setPen(QPen(ToQColor(kLightGrey), kLineWidth));
    painter.drawLine(X(0), Y(960), X(8115), Y(960));
    painter.drawLine(X(15), Y(960), X(15), Y(6420));
    painter.setPen(QPen(Qt::black, kLineWidth));
    painter.drawLine(X(8100), Y(960), X(8100), Y(6420));
    painter.drawLine(X(0), Y(6435), X(8115), Y(6420));
}

}  // namespace qavo::ui
