#include "ui/main_window/qavo_win.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"
#include "holidays/jewish_year_report.hpp"
#include "page/navigation.hpp"
#include "safe_file/safe_file.hpp"
#include "startup/data_folder.hpp"
#include "ui/help/help_window.hpp"
#include "ui/main_window/accessory_commands.hpp"
#include "ui/main_window/file_menu_commands.hpp"
#include "ui/main_window/help_menu_commands.hpp"
#include "ui/main_window/page_view.hpp"
#include "ui/platform/app_title.hpp"
#include "ui/platform/centre_on_screen.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/fonts.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"
#include "ui/widgets/twips.hpp"
#include "ui/windows/about_box.hpp"
#include "ui/windows/out_form.hpp"

namespace qavo::ui {

namespace {

constexpr int kClientWidth = 8130;
constexpr int kClientHeight = 6450;

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette colours = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colours.setColor(role, text);
    }
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        colours.setColor(role, background);
    }
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

const QColor kYellowText(kYellow.red, kYellow.green, kYellow.blue);
const QColor kBlueGround(kBlue.red, kBlue.green, kBlue.blue);
const QColor kGreyGround(kDarkGrey.red, kDarkGrey.green, kDarkGrey.blue);

// The window's size and place as the user left it, kept for the next start in
// the user's configuration folder (qavo/window.ini), apart from QAVOWIN.INI.
constexpr const char* kGeometryKey = "MainWindow/geometry";
QSettings WindowLayout() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "qavo", "window");
}

}  // namespace

QavoWin::QavoWin(Calendar& calendar, std::unique_ptr<CommonDialog> commonDialog)
    : calendar_(calendar), commonDialog_(std::move(commonDialog)) {
    setObjectName("QavoWin");
    setWindowTitle("QAVO for Windows");
    menu_ = BuildMainMenu(menuBar());
    auto* client = new QWidget(this);
    // It opens at the page's own size and grows, the page with it.
    client->setMinimumSize(TwipsToPixelsX(kClientWidth), TwipsToPixelsY(kClientHeight));
    client->setFont(FontOf("Small Fonts", 6.75, true));
    setCentralWidget(client);
    BuildControls(client);
    ConnectControls();
    new FileMenuCommands(*this, calendar_.cities);
    new HelpMenuCommands(*this);
    new AccessoryCommands(*this, calendar_.engine.platform);
}

QavoWin::~QavoWin() = default;

void QavoWin::BuildControls(QWidget* client) {
    pageView_ = new PageView(client);
    pageView_->setObjectName("PageView");
    auto* fill = new QVBoxLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(pageView_);

    monthLabel_ = new QComboBox(client);
    monthLabel_->setObjectName("MonthLabel");
    monthLabel_->setFont(FontOf("MS Sans Serif", 9.75, true));
    SetColours(monthLabel_, kYellowText, kBlueGround);
    // The desktop style shades a list's box; the page wants it flat blue, and
    // its open list alike (the style's own arrow stays).
    monthLabel_->setStyleSheet(
        "QComboBox { color: #ffff00; background: #0000ff; border: 2px inset #c0c0c0; }"
        "QComboBox QAbstractItemView { color: #ffff00; background: #0000ff;"
        " selection-color: #0000ff; selection-background-color: #ffff00; }");
    PlaceInTwips(monthLabel_, 990, 120, 1755, 420);
    // A list's name is its text on this desktop: what it is goes in its description.
    monthLabel_->setAccessibleName("Month");
    monthLabel_->setAccessibleDescription("Month");
    monthLabel_->installEventFilter(this);

    upDown1_ = new SpinButton(client);
    upDown1_->setObjectName("UpDown1");
    upDown1_->SetAccessibleNames("Next month", "Previous month");
    PlaceInTwips(upDown1_, 2760, 120, 240, 495);

    yearLabel_ = new NumberBox(client);
    yearLabel_->setObjectName("YearLabel");
    yearLabel_->setFont(FontOf("MS Sans Serif", 9.75, true));
    SetColours(yearLabel_, kYellowText, kBlueGround);
    yearLabel_->setAccessibleName("Year");
    PlaceInTwips(yearLabel_, 4140, 120, 735, 420);

    upDown2_ = new SpinButton(client);
    upDown2_->setObjectName("UpDown2");
    upDown2_->SetAccessibleNames("Next year", "Previous year");
    yearLabel_->SetSpin(upDown2_);
    PlaceInTwips(upDown2_, 4920, 120, 240, 495);

    auto* frame = new QGroupBox("Jewish Year", client);
    frame->setObjectName("Frame1");
    SetColours(frame, Qt::white, kGreyGround);
    // The bold face's "J" reaches left of its box: the caption starts a little in.
    frame->setStyleSheet("QGroupBox::title { subcontrol-origin: margin; left: 3px; }");
    PlaceInTwips(frame, 5520, 0, 2520, 570);
    btnJyear_ = new QPushButton(frame);
    btnJyear_->setObjectName("Btn_Jyear");
    btnJyear_->setFont(FitHeight(FontOf("MS Sans Serif", 12, true), 12, TwipsToPixelsY(330)));
    // Tab reaches it; a click leaves the focus where it was, as on the spins.
    btnJyear_->setFocusPolicy(Qt::TabFocus);
    PlaceInTwips(btnJyear_, 120, 180, 1200, 360);
    auto* hint = new QLabel("Press for Info", frame);
    hint->setObjectName("Label1");
    hint->setFont(client->font());  // the frame's style sheet stops the window's font here
    SetColours(hint, Qt::white, kGreyGround);
    PlaceInTwips(hint, 1400, 240, 1060, 270);

    // Tab runs along the row of controls, then into the page.
    QWidget* const chain[] = {monthLabel_,
                              upDown1_->UpArrow(),
                              upDown1_->DownArrow(),
                              yearLabel_,
                              upDown2_->UpArrow(),
                              upDown2_->DownArrow(),
                              btnJyear_,
                              pageView_};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void QavoWin::ConnectControls() {
    connect(upDown1_, &SpinButton::DownClicked, this, Guarded(this, &QavoWin::UpDown1_DownClick));
    connect(upDown1_, &SpinButton::UpClicked, this, Guarded(this, &QavoWin::UpDown1_UpClick));
    connect(upDown2_, &SpinButton::DownClicked, this, Guarded(this, &QavoWin::UpDown2_DownClick));
    connect(upDown2_, &SpinButton::UpClicked, this, Guarded(this, &QavoWin::UpDown2_UpClick));
    connect(yearLabel_, &NumberBox::EnterPressed, this, Guarded(this, &QavoWin::YearLabel_Enter));
    connect(yearLabel_, &NumberBox::FocusLost, this, Guarded(this, &QavoWin::YearLabel_LostFocus));
    connect(monthLabel_, &QComboBox::currentIndexChanged, this,
            Guarded(this, &QavoWin::MonthLabel_Click));
    connect(btnJyear_, &QPushButton::clicked, this, Guarded(this, &QavoWin::Btn_Jyear_Click));
    connect(pageView_, &PageView::CellClicked, this, &QavoWin::DayCellClicked);
    connect(pageView_, &PageView::DayStepKey, this, Guarded(this, &QavoWin::PageView_DayStep));
    connect(pageView_, &PageView::MonthStepKey, this, Guarded(this, &QavoWin::PageView_MonthStep));
    connect(pageView_, &PageView::TodayKey, this, Guarded(this, &QavoWin::PageView_Today));
    connect(menu_.Menu_today, &QAction::triggered, this, Guarded(this, &QavoWin::Menu_today_Click));
    connect(menu_.Menu_Exit, &QAction::triggered, this, Guarded(this, &QavoWin::Menu_Exit_Click));
    connect(menu_.Menu_About, &QAction::triggered, this, Guarded(this, &QavoWin::Menu_About_Click));
}

StartupResult QavoWin::Load() {
    Platform& platform = engine().platform;
    platform.BusyCursorOn();
    adjustSize();
    CentreOnScreen(this);
    StartupResult result = InitCalendar(calendar_);
    // A save killed mid-way leaves its copy beside the intact file.
    for (const char* name : kDataFiles) {
        RemoveUnfinishedCopies(calendar_.cities.Directory, name);
    }
    // The pages cover 1583 to 7000; a clock outside them has no page to show.
    if (result == StartupResult::Ready && !IsAcceptedGregorianYear(engine().TodayGYear)) {
        result = StartupResult::TodayOutOfRange;
    }
    if (result != StartupResult::Ready) {
        platform.BusyCursorOff();
        return result;
    }
    yearLabel_->setText(QString::number(engine().GYear));
    {
        const QSignalBlocker quiet(monthLabel_);
        for (int month = 1; month <= 12; ++month) {
            const std::string_view name = GMonthName(month);
            monthLabel_->addItem(QString::fromLatin1(name.data(), name.size()));
        }
    }
    pageView_->BuildCellGrid(engine().PageOriginX, engine().PageOriginY);
    page_.holidayOptions = calendar_.holidayOptions;
    // With none kept, the window opens as it always did.
    restoreGeometry(WindowLayout().value(kGeometryKey).toByteArray());
    show();
    BuildMonthPage();
    pageView_->FocusDay(engine().TodayGDay);
    monthLabel_->setFocus();  // the first control of the row, as ever
    QApplication::processEvents();
    return StartupResult::Ready;
}

void QavoWin::BuildMonthPage() {
    qavo::BuildMonthPage(engine(), page_);
    ShowPage();
}

void QavoWin::SetHolidayChoices(const HolidayOptions& options) {
    calendar_.holidayOptions = options;
    page_.holidayOptions = options;
    // The page shown, not wherever a command left the engine's date.
    if (!page_.yearText.empty()) {
        TargetShownMonth(engine(), page_);
    }
    BuildMonthPage();
}

void QavoWin::ShowPage() {
    pageView_->Show(page_);
    SetJewishYearCaption(QString::fromLatin1(page_.jewishYearCaption));
    yearLabel_->setText(QString::fromLatin1(page_.yearText));
    engine().PageBusy = true;
    monthLabel_->setCurrentIndex(page_.monthIndex);
    engine().PageBusy = false;
}

std::string QavoWin::TypedYear() const {
    return yearLabel_->text().toStdString();
}

int QavoWin::ChosenMonthIndex() const {
    return monthLabel_->currentIndex();
}

void QavoWin::FocusJewishYearButton() {
    btnJyear_->setFocus();
}

void QavoWin::SetJewishYearCaption(const QString& caption) {
    btnJyear_->setText(caption);
    btnJyear_->setAccessibleName("Jewish Year" + caption + ": Press for Info");
}

bool QavoWin::ShowEnteredMonth() {
    if (!qavo::ShowEnteredMonth(engine(), page_, TypedYear(), ChosenMonthIndex())) {
        return false;
    }
    ShowPage();
    return true;
}

void QavoWin::ShowReport(std::string_view text) {
    ui::ShowReport(engine().platform, *commonDialog_, this, text);
}

void QavoWin::UpDown1_DownClick() {
    {
        const QSignalBlocker quiet(monthLabel_);
        monthLabel_->setCurrentIndex(PreviousMonthIndex(monthLabel_->currentIndex()));
    }
    ShowEnteredMonth();
}

void QavoWin::UpDown1_UpClick() {
    {
        const QSignalBlocker quiet(monthLabel_);
        monthLabel_->setCurrentIndex(NextMonthIndex(monthLabel_->currentIndex()));
    }
    ShowEnteredMonth();
}

void QavoWin::StepYear(int delta) {
    yearLabel_->setText(
        QString::fromStdString(StepYearText(yearLabel_->text().toStdString(), delta)));
    SetJewishYearCaption(
        QString::fromStdString(StepJewishYearCaption(btnJyear_->text().toStdString(), delta)));
    ShowEnteredMonth();
    // Selected once the build has rewritten the text, so that typing replaces it.
    yearLabel_->selectAll();
    yearLabel_->setFocus();
}

void QavoWin::UpDown2_DownClick() {
    StepYear(-1);
}

void QavoWin::UpDown2_UpClick() {
    StepYear(+1);
}

void QavoWin::YearLabel_Enter() {
    ShowEnteredMonth();
}

void QavoWin::YearLabel_LostFocus() {
    // A prompt of a running command has taken the focus; the command owns the page.
    if (engine().AnnivMode || engine().YearDialogOpen) {
        return;
    }
    ShowEnteredMonth();
}

void QavoWin::MonthLabel_Click(int) {
    if (!engine().PageBusy) {
        ShowEnteredMonth();
    }
}

void QavoWin::Btn_Jyear_Click() {
    const LeadingNumber year = ReadLeadingNumber(btnJyear_->text().toStdString());
    if (const std::optional<std::string> refusal = JewishYearButtonRefusal(year)) {
        engine().platform.ShowMessage(*refusal, "Entry Error", MessageIcon::Stop,
                                      MessageButtons::Ok);
        return;
    }
    const std::optional<std::string> report = JewishYearButtonReport(engine(), year.value);
    if (report) {
        ShowReport(*report);
    }
}

void QavoWin::Menu_today_Click() {
    ShowTodayPage(engine(), page_);
    ShowPage();
    pageView_->FocusDay(engine().TodayGDay);
}

GregorianDate QavoWin::FocusedDate() const {
    return {static_cast<Integer>(ReadLeadingNumber(page_.yearText).value),
            static_cast<Integer>(page_.monthIndex + 1),
            static_cast<Integer>(pageView_->FocusedDay())};
}

void QavoWin::GoToDay(GregorianDate day) {
    const GregorianDate shown = FocusedDate();
    if (day.year != shown.year || day.month != shown.month) {
        engine().GYear = day.year;
        engine().TargetGMonth = day.month;
        BuildMonthPage();
    }
    pageView_->FocusDay(day.day);
}

void QavoWin::PageView_DayStep(int days) {
    GoToDay(DaysAway(FocusedDate(), days));
}

void QavoWin::PageView_MonthStep(int months) {
    GoToDay(MonthsAway(FocusedDate(), months));
}

void QavoWin::PageView_Today() {
    Menu_today_Click();
}

void QavoWin::Menu_Exit_Click() {
    close();
}

void QavoWin::Menu_About_Click() {
    AboutBox box(this);
    box.exec();
}

void QavoWin::closeEvent(QCloseEvent* event) {
    help::CloseHelpWindows(this);
    SaveLayout();
    event->accept();
    emit ProgramEnding();
}

void QavoWin::SaveLayout() {
    QSettings layout = WindowLayout();
    layout.setValue(kGeometryKey, saveGeometry());
    layout.sync();
    if (layout.status() != QSettings::NoError) {
        const std::string text =
            "The window's size cannot be kept: " + layout.fileName().toStdString() +
            " cannot be written.";
        engine().platform.ShowMessage(text, kApplicationTitle, MessageIcon::Exclamation,
                                      MessageButtons::Ok);
    }
}

bool QavoWin::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the month list does nothing.
    if (watched == monthLabel_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace qavo::ui
