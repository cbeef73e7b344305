#include "ui/main_window/page_view.hpp"

#include <QPainter>

#include "ui/widgets/caption_panel.hpp"
#include "ui/widgets/fonts.hpp"
#include "ui/widgets/twips.hpp"
#include "ui/widgets/weekday_heading.hpp"

namespace qavo::ui {

namespace {

// Cell sizes and the pitch of the grid; the pitch is a little smaller than a
// cell, so neighbouring cells share their borders.
constexpr int kCellWidth = 1155;
constexpr int kStripHeight = 315;
constexpr int kBodyHeight = 615;
constexpr int kPitchX = 1150;
constexpr int kPitchY = 900;
constexpr int kBodyOffset = 300;
constexpr int kHeadingLeft = 360;

constexpr const char* kWeekdayHeading =
    "Sun            Mon             Tue            Wed            Thu              Fri        "
    "     Sat";

QColor ToQColor(const Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    stripFont_ = FitHeight(FontOf("MS Sans Serif", 19.5, true), 19.5, TwipsToPixelsY(kStripHeight));
    bodyFont_ =
        FitHeight(FontOf("MS Sans Serif", 9.75, true), 9.75, TwipsToPixelsY(kBodyHeight) / 2);

    heading_ = new WeekdayHeading(kWeekdayHeading, this);
    WeekdayHeading* heading = heading_;
    heading->setObjectName("Label2");
    heading->setFont(FitHeight(FontOf("MS Sans Serif", 9.75, true), 9.75, TwipsToPixelsY(255)));
    QPalette colours = heading->palette();
    colours.setColor(QPalette::WindowText, ToQColor(kYellow));
    colours.setColor(QPalette::Window, ToQColor(kDarkGrey));
    heading->setPalette(colours);
    PlaceInTwips(heading, kHeadingLeft, 600, 7500, 255);

    // Member 0 of each array is the template: never shown, it holds the
    // normal colours that a marked cell swaps.
    strips_[0] = MakePanel("GDatePanel", 0, stripFont_, kDayStripColours);
    bodies_[0] = MakePanel("CalDay2", 0, bodyFont_, kCellBodyColours);
}

QColor PageView::ColourOf(PageColour colour) const {
    switch (colour) {
        case PageColour::Yellow:
            return ToQColor(kYellow);
        case PageColour::Blue:
            return ToQColor(kBlue);
        case PageColour::ButtonFace:
            return palette().color(QPalette::Button);
    }
    return {};
}

CaptionPanel* PageView::MakePanel(const char* array, int cell, const QFont& font,
                                  CellColours colours) {
    auto* panel = new CaptionPanel(this);
    panel->setObjectName(QString("%1_%2").arg(array).arg(cell));
    panel->setFont(font);
    panel->SetColours(ColourOf(colours.text), ColourOf(colours.background));
    panel->hide();
    return panel;
}

void PageView::BuildCellGrid(int originX, int originY) {
    std::vector<int> centres;
    for (int column = 0; column < kPageColumns; ++column) {
        centres.push_back(
            TwipsToPixelsX(originX + kPitchX * column + kCellWidth / 2 - kHeadingLeft));
    }
    heading_->SetColumnCentres(std::move(centres));
    for (int n = 1; n <= kPageCells; ++n) {
        const int column = (n - 1) % kPageColumns;
        const int row = (n - 1) / kPageColumns;
        const int left = originX + kPitchX * column;
        strips_[n] = MakePanel("GDatePanel", n, stripFont_, kDayStripColours);
        bodies_[n] = MakePanel("CalDay2", n, bodyFont_, kCellBodyColours);
        PlaceInTwips(strips_[n], left, originY + kPitchY * row, kCellWidth, kStripHeight);
        PlaceInTwips(bodies_[n], left, originY + kPitchY * row + kBodyOffset, kCellWidth,
                     kBodyHeight);
        connect(strips_[n], &CaptionPanel::Clicked, this, [this, n] { emit CellClicked(n); });
        connect(bodies_[n], &CaptionPanel::Clicked, this, [this, n] { emit CellClicked(n); });
    }
}

void PageView::Show(const MonthPage& page) {
    for (int n = 1; n <= kPageCells; ++n) {
        const DayCell& cell = page.cells[n];
        strips_[n]->setText(QString::fromLatin1(cell.dayText));
        const QString jewishText = QString::fromLatin1(cell.jewishText);
        bodies_[n]->setFont(FitWidth(bodyFont_, jewishText, bodies_[n]->contentsRect().width()));
        bodies_[n]->setText(jewishText);
        bodies_[n]->SetColours(ColourOf(cell.body.text), ColourOf(cell.body.background));
        bodies_[n]->setVisible(cell.visible);
        strips_[n]->setVisible(cell.visible);
    }
}

void PageView::paintEvent(QPaintEvent*) {
    // The frame around the grid: light grey along the top and the left edge,
    // black along the right edge and the bottom.
    QPainter painter(this);
    constexpr int kLineWidth = 3;
    painter.setPen(QPen(ToQColor(kLightGrey), kLineWidth));
    painter.drawLine(TwipsToPixelsX(0), TwipsToPixelsY(960), TwipsToPixelsX(8115),
                     TwipsToPixelsY(960));
    painter.drawLine(TwipsToPixelsX(15), TwipsToPixelsY(960), TwipsToPixelsX(15),
                     TwipsToPixelsY(6420));
    painter.setPen(QPen(Qt::black, kLineWidth));
    painter.drawLine(TwipsToPixelsX(8100), TwipsToPixelsY(960), TwipsToPixelsX(8100),
                     TwipsToPixelsY(6420));
    painter.drawLine(TwipsToPixelsX(0), TwipsToPixelsY(6435), TwipsToPixelsX(8115),
                     TwipsToPixelsY(6420));
}

}  // namespace qavo::ui
