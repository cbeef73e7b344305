#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/main_window/page_view.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/testing/ui_fixture.hpp"
#include "ui/widgets/caption_panel.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"

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

    template <typename T>
    T* Child(const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    NumberBox* YearBox() { return Child<NumberBox>("YearLabel"); }
    QComboBox* MonthList() { return Child<QComboBox>("MonthLabel"); }
    QPushButton* JewishYearButton() { return Child<QPushButton>("Btn_Jyear"); }
    void Click(const char* spin, const char* arrow) {
        QTest::mouseClick(Child<SpinButton>(spin)->findChild<QToolButton*>(arrow), Qt::LeftButton);
    }
    // Types a year and picks a month the way a user does.
    void GoTo(int year, int month) {
        YearBox()->setText(QString::number(year));
        MonthList()->setCurrentIndex(month - 1);
        QTest::keyClick(YearBox(), Qt::Key_Return);
        ASSERT_EQ(window.engine().GYear, year);
        ASSERT_EQ(window.engine().TargetGMonth, month);
    }
    CaptionPanel* Body(int n) { return window.Cells()->CalDay2(n); }
    CaptionPanel* Strip(int n) { return window.Cells()->GDatePanel(n); }
    bool Marked(int n) {
        return Body(n)->BackgroundColour() == window.Cells()->ColourOf(PageColour::Blue);
    }
    std::vector<int> MarkedCells() {
        std::vector<int> marked;
        for (int n = 1; n <= kPageCells; ++n) {
            if (Marked(n)) {
                marked.push_back(n);
            }
        }
        return marked;
    }
    std::vector<int> ShownCells() {
        std::vector<int> shown;
        for (int n = 1; n <= kPageCells; ++n) {
            EXPECT_EQ(Body(n)->isVisible(), Strip(n)->isVisible()) << n;
            if (Body(n)->isVisible()) {
                shown.push_back(n);
            }
        }
        return shown;
    }
    std::vector<int> Range(int first, int last) {
        std::vector<int> cells;
        for (int n = first; n <= last; ++n) {
            cells.push_back(n);
        }
        return cells;
    }
};

TEST_F(MainWindowTest, StartsOnTodaysMonthWithTodayMarked) {
    EXPECT_EQ(window.windowTitle(), "QAVO for Windows");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(YearBox()->text(), "2024");
    ASSERT_EQ(MonthList()->count(), 12);
    EXPECT_EQ(MonthList()->itemText(0), "January  ");
    EXPECT_EQ(MonthList()->itemText(4), "May      ");
    EXPECT_EQ(MonthList()->currentIndex(), 3);
    EXPECT_EQ(JewishYearButton()->text(), " 5784");
    EXPECT_EQ(ShownCells(), Range(2, 31));
    EXPECT_EQ(Strip(24)->text(), " 23");
    EXPECT_EQ(Body(24)->text(), "Nisan 15\nPassover");
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
    // The marked body shows button-face text on blue; the strip keeps its colours.
    EXPECT_EQ(Body(24)->TextColour(), Body(0)->BackgroundColour());
    EXPECT_EQ(Body(24)->BackgroundColour(), Body(0)->TextColour());
    EXPECT_EQ(Strip(24)->BackgroundColour(), QColor(0, 0, 255));
    EXPECT_EQ(Strip(24)->TextColour(), QColor(255, 255, 0));
    EXPECT_FALSE(Body(0)->isVisible());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(window.engine().PageBusy);
    EXPECT_EQ(window.Page().PageFirstJMonth, 6 + 1);  // 1 April: 22 Adar II
    EXPECT_EQ(window.Page().PageFirstJDay, 22);
}

TEST_F(MainWindowTest, MenuTreeHasItsCaptionsAccessKeysAndShortcuts) {
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles,
              QStringList({"&File", "&Go-To", "&Convert", "&Lists", "&Anniversaries", "&Help"}));
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } items[] = {
        {"Menu_ToPrinter", "To &Printer", "Ctrl+P"},
        {"Menu_ToClipboard", "To &Clipboard", "Ctrl+C"},
        {"Menu_ToFile", "To &File", "Ctrl+F"},
        {"menu_notepad", "Open &Notepad...", ""},
        {"menu_Paintbrush", "Open &Paint...", ""},
        {"menu_calc", "Open &Calculator...", ""},
        {"menu_sunset_setup", "&Sunset Setup...", ""},
        {"Menu_Exit", "E&xit", ""},
        {"Menu_today", "&Today", "Ctrl+T"},
        {"Menu_2JewishDate", "A &Jewish Date", ""},
        {"Menu_G2J", "&Gregorian to Jewish", ""},
        {"Menu_J2G", "&Jewish to Gregorian", ""},
        {"Menu_GregYear", "Holidays For &Gregorian Year", ""},
        {"Menu_JewishYear", "Holidays For &Jewish Year", ""},
        {"menu_sunset_times", "&Sunset Times", ""},
        {"menu_readings", "&Readings", ""},
        {"AnnivFromGreg", "From a &Gregorian Date", ""},
        {"AnnivFromJewish", "From a &Jewish Date", ""},
        {"Menu_QAVOHelp", "&QAVO Help", "Ctrl+H"},
        {"menu_history", "&Calendar History && Rules", ""},
        {"Menu_About", "&About...", ""},
    };
    for (const auto& item : items) {
        auto* action = window.findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->shortcut().toString(), item.shortcut) << item.name;
    }
    auto* print = window.findChild<QMenu*>("menu_print");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->title(), "&Print Calendar");
    EXPECT_EQ(print->actions().size(), 3);
}

TEST_F(MainWindowTest, CtrlShortcutsReachTheirItemsWithTheMenusClosed) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        QAction* item;
        Qt::Key key;
    } shortcuts[] = {{window.Menu().Menu_ToPrinter, Qt::Key_P},
                     {window.Menu().Menu_ToClipboard, Qt::Key_C},
                     {window.Menu().Menu_ToFile, Qt::Key_F},
                     {window.Menu().Menu_today, Qt::Key_T},
                     {window.Menu().Menu_QAVOHelp, Qt::Key_H}};
    for (const auto& shortcut : shortcuts) {
        QSignalSpy triggered(shortcut.item, &QAction::triggered);
        QTest::keyClick(window.Cells(), shortcut.key, Qt::ControlModifier);
        EXPECT_EQ(triggered.count(), 1) << shortcut.item->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, MonthSpinWrapsWithinTheTypedYear) {
    GoTo(2008, 1);
    Click("UpDown1", "down");
    EXPECT_EQ(window.engine().GYear, 2008);
    EXPECT_EQ(window.engine().TargetGMonth, 12);
    EXPECT_EQ(MonthList()->currentIndex(), 11);
    EXPECT_EQ(YearBox()->text(), "2008");
    Click("UpDown1", "up");
    EXPECT_EQ(window.engine().GYear, 2008);
    EXPECT_EQ(window.engine().TargetGMonth, 1);
    Click("UpDown1", "up");
    EXPECT_EQ(window.engine().TargetGMonth, 2);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, YearSpinStepsTheYearAndStopsAtTheRange) {
    GoTo(6999, 12);
    Click("UpDown2", "up");
    EXPECT_EQ(window.engine().GYear, 7000);
    EXPECT_EQ(YearBox()->text(), "7000");
    const QString caption = JewishYearButton()->text();
    EXPECT_EQ(caption, " 10761");  // the Jewish year of 1 December 7000
    Click("UpDown2", "up");
    EXPECT_EQ(YearBox()->text(), "7001");
    EXPECT_EQ(YearBox()->selectedText(), "7001");
    EXPECT_TRUE(YearBox()->hasFocus() || !window.isActiveWindow());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Year must be between 1583 and 7000");
    EXPECT_EQ(platform.messages[0].title, "Incorrect Year");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(window.engine().GYear, 7000);           // the page stays
    EXPECT_EQ(JewishYearButton()->text(), " 10762");  // stepped with the year box
    Click("UpDown2", "down");
    EXPECT_EQ(window.engine().GYear, 7000);
    EXPECT_EQ(JewishYearButton()->text(), " 10761");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(MainWindowTest, YearBoxTakesDigitsSignsAndEnter) {
    NumberBox* box = YearBox();
    box->clear();
    QTest::keyClicks(box, "2a0 b0.8x");
    EXPECT_EQ(box->text(), "2008");
    EXPECT_EQ(window.engine().GYear, 2024);  // not applied before Enter
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window.engine().GYear, 2008);
    EXPECT_EQ(window.engine().TargetGMonth, 4);
    box->clear();
    QTest::keyClicks(box, "+-");
    EXPECT_EQ(box->text(), "+-");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "+");
    QTest::keyClick(box, Qt::Key_Enter);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Year must be between 1583 and 7000");
    EXPECT_EQ(window.engine().GYear, 2008);
}

TEST_F(MainWindowTest, EnterInTheMonthListDoesNothing) {
    YearBox()->setText("1999");
    QTest::keyClick(MonthList(), Qt::Key_Return);
    QTest::keyClick(MonthList(), Qt::Key_Enter);
    EXPECT_EQ(window.engine().GYear, 2024);
    EXPECT_EQ(YearBox()->text(), "1999");
}

TEST_F(MainWindowTest, ChoosingAMonthAppliesTheTypedYear) {
    YearBox()->setText("2009");
    MonthList()->setCurrentIndex(1);
    EXPECT_EQ(window.engine().GYear, 2009);
    EXPECT_EQ(window.engine().TargetGMonth, 2);
}

TEST_F(MainWindowTest, LosingTheFocusAppliesTheYearUnlessAPromptIsUp) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    YearBox()->setFocus(Qt::OtherFocusReason);
    YearBox()->setText("2010");
    window.engine().YearDialogOpen = true;
    JewishYearButton()->setFocusPolicy(Qt::StrongFocus);
    JewishYearButton()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.engine().GYear, 2024);
    window.engine().YearDialogOpen = false;
    YearBox()->setFocus(Qt::OtherFocusReason);
    JewishYearButton()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.engine().GYear, 2010);
}

TEST_F(MainWindowTest, TodayReturnsAfterNavigatingAway) {
    GoTo(2008, 3);
    EXPECT_TRUE(MarkedCells().empty());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(window.engine().GYear, 2024);
    EXPECT_EQ(window.engine().TargetGMonth, 4);
    EXPECT_EQ(window.engine().TargetGDay, 1);  // the build leaves the 1st
    EXPECT_EQ(YearBox()->text(), "2024");
    EXPECT_EQ(MonthList()->currentIndex(), 3);
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
}

TEST_F(MainWindowTest, ExactlyOneMarkedCellAfterNavigatingAwayAndBack) {
    Click("UpDown1", "up");
    EXPECT_TRUE(MarkedCells().empty());
    Click("UpDown2", "up");
    Click("UpDown2", "down");
    Click("UpDown1", "down");
    EXPECT_EQ(MarkedCells(), std::vector<int>{24});
}

TEST_F(MainWindowTest, MonthStartingOnSundayAndOnSaturday) {
    GoTo(2009, 2);  // a Sunday, 28 days: exactly four rows
    EXPECT_EQ(ShownCells(), Range(1, 28));
    EXPECT_EQ(Strip(1)->text(), " 1");
    EXPECT_EQ(Body(9)->text(), "Shevat 15\nTu B'Shevat");
    GoTo(2008, 3);  // a Saturday, 31 days: into the sixth row
    EXPECT_EQ(ShownCells(), Range(7, 37));
    EXPECT_EQ(Strip(37)->text(), " 31");
    EXPECT_EQ(Body(27)->text(), "Adar II 14\nPurim");
    EXPECT_EQ(JewishYearButton()->text(), " 5768");
}

TEST_F(MainWindowTest, FebruaryOfCommonAndLeapYears) {
    GoTo(2023, 2);
    EXPECT_EQ(ShownCells(), Range(4, 31));
    GoTo(2024, 2);
    EXPECT_EQ(ShownCells(), Range(5, 33));
    EXPECT_EQ(Strip(33)->text(), " 29");
}

TEST_F(MainWindowTest, JewishMonthChangesWithinTheMonth) {
    EXPECT_EQ(Body(9)->text(), "Adar II 29\n");
    EXPECT_EQ(Body(10)->text(), "Nisan 1\n");
    EXPECT_EQ(Body(31)->text(), "Nisan 22\nPassover");  // 30 April, the last day
    EXPECT_EQ(window.engine().JDay, 23);
}

TEST_F(MainWindowTest, DayCellClicksAreReported) {
    QSignalSpy cells(&window, &QavoWin::DayCellClicked);
    QTest::mouseClick(Body(24), Qt::LeftButton);
    QTest::mouseClick(Strip(10), Qt::LeftButton);
    ASSERT_EQ(cells.count(), 2);
    EXPECT_EQ(cells[0][0].toInt(), 24);
    EXPECT_EQ(cells[1][0].toInt(), 10);
}

TEST_F(MainWindowTest, JewishYearButtonShowsTheYearInTheOutputWindow) {
    QString shown;
    // Reads and closes the output window once the button has opened it.
    const auto readReport = [&shown] {
        QTimer::singleShot(0, [&shown] {
            QWidget* form = QApplication::activeModalWidget();
            if (form == nullptr) {
                return;
            }
            EXPECT_EQ(form->windowTitle(), "Output Window");
            shown = form->findChild<QPlainTextEdit*>("OutBox")->toPlainText();
            form->findChild<QPushButton*>("Command1")->click();
        });
    };
    readReport();
    QTest::mouseClick(JewishYearButton(), Qt::LeftButton);
    EXPECT_TRUE(shown.startsWith("  The Jewish year 5784 begins on Sat, Sep 16, 2023.\n"))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains("  Adar II   29     Mon, Mar 11, 2024\n")) << shown.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A caption stepped past the range is refused with the prompt's message.
    GoTo(7000, 12);
    Click("UpDown2", "up");
    ASSERT_EQ(JewishYearButton()->text(), " 10762");
    platform.messages.clear();
    shown.clear();
    readReport();
    QTest::mouseClick(JewishYearButton(), Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Year must be between 5343 and 10760");
    EXPECT_EQ(platform.messages[0].title, "Entry Error");
}

TEST_F(MainWindowTest, ExitAndClosingTheWindowEndTheProgram) {
    QSignalSpy ending(&window, &QavoWin::ProgramEnding);
    window.Menu().Menu_Exit->trigger();
    EXPECT_EQ(ending.count(), 1);
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.close();
    EXPECT_EQ(ending.count(), 2);
}

TEST_F(MainWindowTest, AboutBoxShowsNameAndVersion) {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "About QAVO for Windows");
        EXPECT_EQ(box->findChild<QLabel*>("Lbl_IconWorks")->text(), "QAVO for Windows");
        EXPECT_EQ(box->findChild<QLabel*>("Lbl_Version")->text(), "Version 2.2");
        EXPECT_NE(box->findChild<QWidget*>("lin_HorizontalLine1"), nullptr);
        auto* ok = box->findChild<QPushButton*>("Cmd_OK");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        ok->click();
    });
    window.Menu().Menu_About->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
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
