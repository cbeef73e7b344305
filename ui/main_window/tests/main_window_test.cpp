// The main window driven as a user drives it: clicks on its spins and cells,
// keys to the focused widget, shortcuts with the menus closed. What a page
// holds is the month page's own test; here, that the window shows it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <tuple>

#include "startup/holiday_settings.hpp"
#include "ui/help/help_window.hpp"
#include "ui/main_window/page_view.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/tests/modal_script.hpp"
#include "ui/tests/ui_fixture.hpp"
#include "ui/widgets/caption_panel.hpp"
#include "ui/widgets/fonts.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {
namespace {

using testing::ScriptedDialog;
using testing::TestPlatform;

// Today is Tuesday 23 April 2024, 15 Nisan 5784, the first day of Passover,
// in cell 24 of its page (1 April was a Monday).
struct MainWindowTest : ::testing::Test {
    TestPlatform platform{{2024, 4, 23}};
    Calendar calendar{platform};
    QavoWin window{calendar, std::make_unique<ScriptedDialog>()};

    void SetUp() override { ASSERT_EQ(window.Load(), StartupResult::Ready); }
    void Activate() {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    std::string Message() { return testing::TakeMessage(platform.messages); }

    void Click(const SpinButton* spin, bool up) {
        QTest::mouseClick(up ? spin->UpArrow() : spin->DownArrow(), Qt::LeftButton);
    }
    // Types a year and presses Enter in the year box.
    void GoTo(int year, int month) {
        window.YearBox()->setText(QString::number(year));
        window.MonthList()->setCurrentIndex(month - 1);
        QTest::keyClick(window.YearBox(), Qt::Key_Return);
        ASSERT_EQ(window.Page().yearText, std::to_string(year));
    }
    CaptionPanel* Body(int n) { return window.Cells()->CalDay2(n); }
    std::vector<int> MarkedCells() {
        std::vector<int> marked;
        for (int n = 1; n <= kPageCells; ++n) {
            if (Body(n)->BackgroundColour() == window.Cells()->ColourOf(PageColour::Blue)) {
                marked.push_back(n);
            }
        }
        return marked;
    }
};

TEST_F(MainWindowTest, StartsOnTodaysMonthAndShowsItsPage) {
    EXPECT_EQ(window.YearBox()->text(), "2024");
    EXPECT_EQ(window.MonthList()->currentIndex(), 3);
    EXPECT_EQ(window.JewishYearButton()->text(), " 5784");
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    EXPECT_EQ(window.Cells()->GDatePanel(24)->text(), " 23");
    EXPECT_EQ(Body(24)->text(), "Nisan 15\nPassover");
    // The view shows exactly the cells of the page's days, 1 to 30 April; cell n lies
    // in row (n - 1) / 7 and column (n - 1) mod 7, its day strip over its body.
    for (int n = 1; n <= kPageCells; ++n) {
        const QRect body = Body(n)->geometry();
        const QRect strip = window.Cells()->GDatePanel(n)->geometry();
        EXPECT_EQ(Body(n)->isVisible(), n >= 2 && n <= 31) << n;
        EXPECT_EQ(window.Cells()->GDatePanel(n)->isVisible(), Body(n)->isVisible()) << n;
        EXPECT_TRUE(strip.x() == body.x() && strip.y() < body.y()) << n;
        if (n % 7 != 0) {  // the next cell is its right-hand neighbour
            EXPECT_TRUE(Body(n + 1)->y() == body.y() && Body(n + 1)->x() > body.x()) << n;
        }
        if (n + 7 <= kPageCells) {  // the cell a week on lies below it
            EXPECT_TRUE(Body(n + 7)->x() == body.x() && Body(n + 7)->y() > body.y()) << n;
        }
    }
    // The grid's frame: light grey along the top, black along the right edge.
    const QImage shown = window.Cells()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(TwipsToPixelsX(4000), TwipsToPixelsY(960)), QColor(192, 192, 192));
    EXPECT_EQ(shown.pixelColor(TwipsToPixelsX(8100), TwipsToPixelsY(3000)), QColor(Qt::black));
    // The Jewish year in 12 pt bold, larger than the year box's 9.75 pt, and
    // smaller only as the button needs.
    const QFont caption = window.JewishYearButton()->font();
    EXPECT_TRUE(caption.bold());
    EXPECT_GT(caption.pointSizeF(), window.YearBox()->font().pointSizeF());
    EXPECT_LE(QFontMetrics(caption).horizontalAdvance(" 10761"),
              window.JewishYearButton()->width());
    EXPECT_LE(QFontMetrics(caption).height(), window.JewishYearButton()->height());
    EXPECT_TRUE(platform.messages.empty());
}

// Ctrl+C is the page to the clipboard also where a text box would copy.
TEST_F(MainWindowTest, ShortcutsReachTheirItemsWhateverWidgetHasTheFocus) {
    const MainMenu& menu = window.Menu();
    const std::tuple<QAction*, Qt::Key, Qt::KeyboardModifier> shortcuts[] = {
        {menu.Menu_ToPrinter, Qt::Key_P, Qt::ControlModifier},
        {menu.Menu_ToClipboard, Qt::Key_C, Qt::ControlModifier},
        {menu.Menu_ToFile, Qt::Key_F, Qt::ControlModifier},
        {menu.Menu_today, Qt::Key_T, Qt::ControlModifier},
        {menu.Menu_QAVOHelp, Qt::Key_H, Qt::ControlModifier},
        {menu.Menu_QAVOHelp, Qt::Key_F1, Qt::NoModifier}};
    for (QWidget* focus :
         {static_cast<QWidget*>(window.MonthList()), static_cast<QWidget*>(window.YearBox())}) {
        for (const auto& [item, key, modifier] : shortcuts) {
            SCOPED_TRACE(item->objectName().toStdString() + " from " +
                         focus->objectName().toStdString());
            Activate();  // an export shows its surface, the help its window
            focus->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(QApplication::focusWidget(), focus);
            QSignalSpy triggered(item, &QAction::triggered);
            QTest::keyClick(QApplication::focusWidget(), key, modifier);
            EXPECT_EQ(triggered.count(), 1);
            help::CloseHelpWindows(&window);
        }
    }
}

// A year spin leaves the year selected in the focused box, so that typing
// replaces it. The Jewish-year caption steps with the year box past the range,
// and its button refuses a year no report covers: November and December 7000
// lie in 10761, a year that ends in 7001.
TEST_F(MainWindowTest, AYearSpunPastTheRangeIsRefusedAsIsItsJewishYear) {
    ModalScript script;  // fails on any output window
    Activate();
    GoTo(7000, 12);
    Click(window.YearSpin(), true);
    EXPECT_EQ(window.YearBox()->selectedText(), "7001");
    EXPECT_EQ(QApplication::focusWidget(), window.YearBox());
    EXPECT_EQ(Message(), "Incorrect Year: Year must be between 1583 and 7000");
    EXPECT_EQ(window.Page().yearText, "7000");
    EXPECT_EQ(window.JewishYearButton()->text(), " 10762");
    Click(window.YearSpin(), false);
    ASSERT_EQ(window.JewishYearButton()->text(), " 10761");
    EXPECT_TRUE(platform.messages.empty());
    script.Run([this] { QTest::mouseClick(window.JewishYearButton(), Qt::LeftButton); });
    EXPECT_EQ(Message(),
              "Entry Error: Jewish year 10761 runs past 7000, the calendar's last year. Go to a "
              "month up to October 7000 for the information of 10760.");
    GoTo(1583, 1);
    Click(window.YearSpin(), false);
    Message();
    ASSERT_EQ(window.JewishYearButton()->text(), " 5342");
    script.Run([this] { QTest::mouseClick(window.JewishYearButton(), Qt::LeftButton); });
    EXPECT_EQ(Message(), "Entry Error: Year must be between 5343 and 10760");
    EXPECT_EQ(script.failures, std::vector<std::string>{});
}

// The year box's number is applied on Enter, with a month chosen, and when the
// box loses the focus, unless a command's prompt took it.
TEST_F(MainWindowTest, TheYearBoxTakesOnlyNumberKeysAndAppliesOnEnterOrLeaving) {
    Activate();
    NumberBox* box = window.YearBox();
    box->clear();
    QTest::keyClicks(box, "2a0 b0.8x");
    EXPECT_EQ(box->text(), "2008");
    EXPECT_EQ(window.Page().yearText, "2024");  // not applied before Enter
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window.Page().yearText, "2008");
    // Enter in the month list does nothing; choosing a month applies the year.
    box->setText("2009");
    QTest::keyClick(window.MonthList(), Qt::Key_Return);
    EXPECT_EQ(window.Page().yearText, "2008");
    window.MonthList()->setCurrentIndex(1);
    EXPECT_EQ(window.Page().yearText, "2009");
    EXPECT_EQ(window.Page().monthIndex, 1);
    window.JewishYearButton()->setFocusPolicy(Qt::StrongFocus);
    for (const bool promptUp : {true, false}) {
        box->setFocus(Qt::OtherFocusReason);
        box->setText("2010");
        window.engine().YearDialogOpen = promptUp;
        window.JewishYearButton()->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(window.Page().yearText, promptUp ? "2009" : "2010");
    }
    window.engine().YearDialogOpen = false;
}

TEST_F(MainWindowTest, TheMonthSpinStepsWithinTheTypedYearAndTodayComesBack) {
    Click(window.MonthSpin(), true);
    EXPECT_TRUE(MarkedCells().empty());
    GoTo(2008, 1);
    Click(window.MonthSpin(), false);  // wraps within the typed year
    EXPECT_EQ(window.Page().yearText, "2008");
    EXPECT_EQ(window.MonthList()->currentIndex(), 11);
    window.Menu().Menu_today->trigger();
    EXPECT_EQ(window.MonthList()->currentIndex(), 3);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
}

// The desktop's faces run wider than the page's: a long month name with a
// long holiday (Heshvan, Lag B'Omer, Yom Haatzmaut) still fits its cell.
TEST_F(MainWindowTest, EveryCellTextFitsItsCell) {
    for (const auto& [year, month] :
         {std::pair{2026, 10}, std::pair{2027, 5}, std::pair{2008, 5}}) {
        GoTo(year, month);
        for (int n = 1; n <= kPageCells; ++n) {
            CaptionPanel* body = Body(n);
            if (!body->isVisible()) {
                continue;
            }
            const QFontMetrics metrics(body->font());
            for (const QString& line : body->text().split('\n')) {
                EXPECT_LE(metrics.horizontalAdvance(line), body->contentsRect().width())
                    << line.toStdString();
            }
        }
    }
}

// The window grows and the page with it: cells, their texts and the
// heading; the row of controls stays where it was, and the size is kept.
TEST_F(MainWindowTest, ThePageGrowsWithTheWindow) {
    const QRect cell = window.Cells()->CellRect(24);
    const double digits = window.Cells()->GDatePanel(24)->font().pointSizeF();
    const int heading = window.findChild<QWidget*>("Label2")->width();
    const QRect yearBox = window.YearBox()->geometry();
    const QSize opened = window.size();
    window.resize(window.width() * 2, window.height() * 2);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect grown = window.Cells()->CellRect(24);
    EXPECT_GT(grown.width(), cell.width() * 19 / 10);
    EXPECT_GT(grown.height(), cell.height() * 19 / 10);
    EXPECT_GT(window.Cells()->GDatePanel(24)->font().pointSizeF(), digits * 1.5);
    EXPECT_GT(window.findChild<QWidget*>("Label2")->width(), heading * 19 / 10);
    EXPECT_EQ(window.YearBox()->geometry(), yearBox);
    // The next start opens at the size the user left.
    const QSize chosen = window.size();
    window.close();
    Calendar again{platform};
    QavoWin next{again, std::make_unique<ScriptedDialog>()};
    ASSERT_EQ(next.Load(), StartupResult::Ready);
    EXPECT_EQ(next.size(), chosen);
    next.resize(opened);
    next.close();  // the windows of the later tests open as ever
}

// A screen reader hears each shown day as one item with its whole date, and
// each control by what it is or does.
TEST_F(MainWindowTest, DaysAndControlsHaveAccessibleNames) {
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(window.Cells());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->childCount(), 30);
    EXPECT_EQ(page->child(0)->text(QAccessible::Name), "Monday 1 April 2024, 22 Adar II 5784");
    EXPECT_EQ(page->child(22)->text(QAccessible::Name),
              "Tuesday 23 April 2024, 15 Nisan 5784, Passover, today");
    EXPECT_EQ(page->indexOfChild(page->child(22)), 22);
    const auto nameOf = [](QObject* control, QAccessible::Text kind = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(control)->text(kind);
    };
    const SpinButton* yearSpin = window.YearSpin();
    EXPECT_EQ(nameOf(window.YearBox()), "Year");
    EXPECT_EQ(nameOf(window.MonthList(), QAccessible::Description), "Month");
    EXPECT_EQ(nameOf(yearSpin->UpArrow()), "Next year");
    EXPECT_EQ(nameOf(window.MonthSpin()->DownArrow()), "Previous month");
    EXPECT_EQ(nameOf(window.JewishYearButton()), "Jewish Year 5784: Press for Info");
    // Tab runs from the Jewish-year button into the page; Up in the year box
    // presses the year spin.
    Activate();
    window.JewishYearButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.JewishYearButton(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.Cells());
    QTest::keyClick(window.YearBox(), Qt::Key_Up);
    EXPECT_EQ(window.Page().yearText, "2025");
}

TEST_F(MainWindowTest, TheOpenMonthListIsYellowOnBlue) {
    window.MonthList()->showPopup();
    QAbstractItemView* list = window.MonthList()->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QImage shown = list->viewport()->grab().toImage();
    int blue = 0, yellow = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            blue += shown.pixelColor(x, y) == QColor(0, 0, 255);
            yellow += shown.pixelColor(x, y) == QColor(255, 255, 0);
        }
    }
    window.MonthList()->hidePopup();
    EXPECT_GT(blue, shown.width() * shown.height() / 2);
    EXPECT_GT(yellow, 0);
}

// Israel's Passover ended on Monday 29 April 2024, 21 Nisan; the diaspora's
// the day after; its eve was 22 April. The choices are kept in the settings
// file and shown again.
TEST_F(MainWindowTest, TheSettingsChooseTheScheduleOfThePage) {
    const auto choose = [](const char* option, const char* button) {
        return [=](QWidget* form) {
            form->findChild<QRadioButton*>(option)->click();
            form->findChild<QRadioButton*>("AllOption")->click();
            form->findChild<QPushButton*>(button)->click();
        };
    };
    ModalScript script;
    EXPECT_EQ(Body(31)->text(), "Nisan 22\nPassover");
    script.Then("SettingsForm", choose("IsraelOption", "btn_ok"));
    script.Run([this] { window.Menu().menu_settings->trigger(); });
    EXPECT_EQ(Body(30)->text(), "Nisan 21\nPassover");
    EXPECT_EQ(Body(31)->text(), "Nisan 22\n");
    EXPECT_EQ(Body(23)->text(), "Nisan 14\nErev Pesach");
    const HolidayOptions kept = ReadHolidayOptions(window.engine().IniPath);
    EXPECT_EQ(std::tuple(kept.schedule, kept.holidays),
              std::tuple(Schedule::Israel, HolidaySet::All));
    // Cancel keeps the choice, whatever was clicked.
    script.Then("SettingsForm", [&](QWidget* form) {
        EXPECT_TRUE(form->findChild<QRadioButton*>("IsraelOption")->isChecked());
        EXPECT_TRUE(form->findChild<QRadioButton*>("AllOption")->isChecked());
        choose("DiasporaOption", "btn_cancel")(form);
    });
    script.Run([this] { window.Menu().menu_settings->trigger(); });
    EXPECT_EQ(Body(31)->text(), "Nisan 22\n");
    EXPECT_EQ(script.failures, std::vector<std::string>{});
    EXPECT_TRUE(platform.messages.empty());
}

// Each help book opens where the program looks (the build puts both beside
// this test); Exit or closing the window ends the program and closes them.
TEST_F(MainWindowTest, AboutHelpExitAndClosingBehaveAsTheyShould) {
    ModalScript script;
    script.Then("AboutBox", [](QWidget* box) { box->findChild<QPushButton*>("Cmd_OK")->click(); });
    script.Run([this] { window.Menu().Menu_About->trigger(); });
    EXPECT_EQ(script.failures, std::vector<std::string>{});
    window.Menu().Menu_QAVOHelp->trigger();
    window.Menu().menu_history->trigger();
    const auto opened = window.findChildren<help::HelpWindow*>();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0]->FilePath().endsWith("/qavowin.chm"));
    EXPECT_TRUE(opened[1]->FilePath().endsWith("/qavohist.chm"));
    for (const help::HelpWindow* book : opened) {  // its topics, not "Help is not available"
        EXPECT_GT(book->Contents()->topLevelItemCount(), 0) << book->FilePath().toStdString();
    }
    QSignalSpy ending(&window, &QavoWin::ProgramEnding);
    window.Menu().Menu_Exit->trigger();
    EXPECT_EQ(ending.count(), 1);
    EXPECT_FALSE(window.isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<help::HelpWindow*>().isEmpty());
    window.show();
    window.close();
    EXPECT_EQ(ending.count(), 2);
}

// The page's fonts are fitted to their boxes: a line of the result is never
// higher than the box, whatever rounding the first guess leaves.
TEST(FittedFonts, AreNoHigherThanTheirBox) {
    const QFont face = FontOf("MS Sans Serif", 30, true);
    for (int pixels = 10; pixels <= 60; ++pixels) {
        EXPECT_LE(QFontMetrics(FitHeight(face, 30, pixels)).height(), pixels) << pixels;
    }
}

TEST(MainWindowStart, RefusesAClockOutsideTheRange) {
    for (const GregorianDate today : {GregorianDate{1582, 12, 31}, GregorianDate{7001, 1, 1}}) {
        TestPlatform platform(today);
        Calendar calendar(platform);
        QavoWin window(calendar, std::make_unique<ScriptedDialog>());
        EXPECT_EQ(window.Load(), StartupResult::TodayOutOfRange);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the busy pointer is gone
    }
}

}  // namespace
}  // namespace qavo::ui
