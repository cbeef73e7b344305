// The command flows from their menu items to the output window or a message:
// a scripted user answers the prompts, the tests check that each answer
// reached the logic and that its result was shown. The texts themselves
// belong to the logic's tests.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <string>

#include "ui/commands/connect_commands.hpp"
#include "ui/main_window/page_view.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/tests/modal_script.hpp"
#include "ui/tests/ui_fixture.hpp"
#include "ui/widgets/caption_panel.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"
#include "ui/windows/out_form.hpp"

namespace qavo::ui {
namespace {

using Action = ModalScript::Action;

Action TypeAndPress(const char* box, const char* text, const char* button) {
    return [=](QWidget* w) {
        if (text != nullptr) {
            w->findChild<QLineEdit*>(box)->setText(text);
        }
        w->findChild<QPushButton*>(button)->click();
    };
}
Action Press(const char* button) {
    return TypeAndPress("", nullptr, button);
}
// Today is Thursday 10 April 2008, 5 Nisan 5768, in cell 12 of its page (1
// April 2008 was a Tuesday); New York is the only city.
struct CommandsTest : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(window.Load(), StartupResult::Ready);
        ConnectCommands(window, calendar);
    }
    void TearDown() override { EXPECT_EQ(script.failures, std::vector<std::string>{}); }

    Engine& engine() { return calendar.engine; }
    std::string Message() { return testing::TakeMessage(platform.messages); }
    // Takes the report from the output window and presses "&Done".
    Action TakeReport() {
        return [this](QWidget* w) {
            report = static_cast<OutForm*>(w)->ExportText();
            w->findChild<QPushButton*>("Command1")->click();
        };
    }
    ModalScript& GregorianDate(int month, const char* day) {
        return script.Then("GMonthDateForm", [=](QWidget* w) {
            w->findChild<QComboBox*>("GMonthBox")->setCurrentIndex(month - 1);
            TypeAndPress("GDateBox", day, "Command1")(w);
        });
    }
    ModalScript& JewishDate(int position, const char* day) {
        return script.Then("JMonthDateForm", [=](QWidget* w) {
            w->findChild<QComboBox*>("JMonthEntry")->setCurrentIndex(position);
            TypeAndPress("JDateEntry", day, "Command1")(w);
        });
    }
    void Run(QAction* item) {
        report.clear();
        script.Run([item] { item->trigger(); });
    }
    std::string FirstLine() const { return report.substr(0, report.find("\r\n")); }

    testing::TestPlatform platform{{2008, 4, 10}};
    Calendar calendar{platform};
    QavoWin window{calendar, std::make_unique<CommonDialog>()};
    const MainMenu& menu = window.Menu();
    ModalScript script;
    std::string report;
};

// The keyboard reaches every day: from today two weeks up into March (the
// page follows), two days on to Saturday 29 March 2008, the Sabbath of
// Shemini, where Enter shows its readings as a click does; Page Down keeps
// the day.
TEST_F(CommandsTest, TheKeyboardWalksIntoMarchAndEnterShowsASaturdaysReadings) {
    PageView* page = window.Cells();
    page->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right}) {
        QTest::keyClick(page, key);
    }
    EXPECT_EQ(window.Page().monthIndex, 2);
    EXPECT_TRUE(page->SpokenName(page->FocusedCell()).startsWith("Saturday 29 March 2008, "));
    EXPECT_TRUE(page->CalDay2(page->FocusedCell())->HasFocusMark());
    QTest::keyClick(page, Qt::Key_Return);
    const std::string readings = Message();
    EXPECT_EQ(readings.rfind("Sunset Time: Torah reading: Shemini", 0), 0u) << readings;
    QTest::keyClick(page, Qt::Key_PageDown);
    EXPECT_EQ(std::tuple(window.Page().monthIndex, page->FocusedDay()), std::tuple(3, 29));
}

TEST_F(CommandsTest, ADayClickShowsTheSunsetAfterASaturdaysReadings) {
    // Cell 7 is Saturday 5 April 2008, the Sabbath of Tazri'a; cell 22 a Sunday.
    QTest::mouseClick(window.Cells()->CalDay2(7), Qt::LeftButton);
    const std::string saturday = Message();
    EXPECT_EQ(saturday.rfind("Sunset Time: Torah reading: Tazri'a", 0), 0u) << saturday;
    QTest::mouseClick(window.Cells()->GDatePanel(22), Qt::LeftButton);
    const std::string sunday = Message();
    EXPECT_EQ(sunday.rfind("Sunset Time: Sunset Time in New York is ", 0), 0u) << sunday;
    EXPECT_EQ(engine().TargetGDay, 20);
    // A typed year is applied first, or refused when the calendar lacks it,
    // once: the click leaves the focus in the box.
    NumberBox* yearBox = window.YearBox();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    yearBox->setFocus(Qt::OtherFocusReason);
    yearBox->setText("99999");
    QTest::mouseClick(window.Cells()->CalDay2(22), Qt::LeftButton);
    EXPECT_EQ(Message(), "Incorrect Year: Year must be between 1583 and 7000");
    yearBox->setText("2009");
    QTest::mouseClick(window.Cells()->CalDay2(22), Qt::LeftButton);
    EXPECT_EQ(window.Page().yearText, "2009");
    EXPECT_EQ(engine().TargetGDay, 19);  // 1 April 2009 was a Wednesday
    Message();
    // Israel read Aharei Mot on 27 April 2019, the diaspora's eighth day of Passover.
    calendar.holidayOptions.schedule = Schedule::Israel;
    yearBox->setText("2019");
    window.MonthList()->setCurrentIndex(3);
    QTest::mouseClick(window.Cells()->CalDay2(28), Qt::LeftButton);
    const std::string israel = Message();
    EXPECT_EQ(israel.rfind("Sunset Time: Torah reading: Aharei Mot", 0), 0u) << israel;
}

TEST_F(CommandsTest, AJewishDateMarksItsCellUntilTheNextBuild) {
    const MonthPage& page = window.Page();
    script.Then("GetJYear", TypeAndPress("jyear_box", "5769", "button_ok"));
    JewishDate(0, " 1");
    Run(menu.Menu_2JewishDate);
    // 1 Tishri 5769 was Tuesday 30 September 2008: cell 31, the 1st being a Monday.
    EXPECT_EQ(page.monthIndex, 8);
    EXPECT_EQ(page.MarkedCell, 31);
    EXPECT_FALSE(page.MarkJewishDate);
    EXPECT_FALSE(engine().YearDialogOpen);
    menu.Menu_today->trigger();
    EXPECT_EQ(page.MarkedCell, 12);
}

// The month prompt proposes the month chosen last, by its name, in whatever
// year: Nisan stays Nisan, and for Adar II a common year offers its Adar.
TEST_F(CommandsTest, TheJewishMonthPromptProposesTheMonthChosenLast) {
    QStringList proposed;
    // 5787 is a leap year, 5786 a common one; -1 takes the month proposed.
    for (const auto& step : {std::pair("5787", 7), std::pair("5786", -1), std::pair("5787", 2),
                             std::pair("5787", -1), std::pair("5787", 6), std::pair("5786", -1)}) {
        const int position = step.second;
        script.Then("GetJYear", TypeAndPress("jyear_box", step.first, "button_ok"));
        script.Then("JMonthDateForm", [&proposed, position](QWidget* w) {
            auto* months = w->findChild<QComboBox*>("JMonthEntry");
            proposed << months->currentText().trimmed();
            months->setCurrentIndex(position < 0 ? months->currentIndex() : position);
            TypeAndPress("JDateEntry", "15", "Command1")(w);
        });
        script.Then("OutForm", TakeReport());
        Run(menu.Menu_J2G);
    }
    EXPECT_EQ(proposed.mid(1), (QStringList{"Nisan", "Nisan", "Kislev", "Kislev", "Adar"}));
}

TEST_F(CommandsTest, CancelInAnyPromptOfADateLeavesThePage) {
    script.Then("GetJYear", Press("button_cancel"));
    Run(menu.Menu_2JewishDate);
    for (QAction* item : {menu.Menu_2JewishDate, menu.Menu_J2G}) {
        script.Then("GetJYear", TypeAndPress("jyear_box", "5770", "button_ok"));
        script.Then("JMonthDateForm", Press("Command2"));
        Run(item);
    }
    EXPECT_FALSE(window.Page().MarkJewishDate);
    EXPECT_FALSE(engine().Cancelled);
    EXPECT_EQ(window.Page().monthIndex, 3);
    EXPECT_EQ(window.Page().MarkedCell, 12);

    // The prompt takes the focus from the year box, which applies what was typed.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    NumberBox* yearBox = window.YearBox();
    yearBox->setFocus();
    yearBox->setText("2009");
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    script.Then("GMonthDateForm", Press("Command2"));
    Run(menu.Menu_G2J);
    EXPECT_EQ(window.Page().yearText, "2009");
}

TEST_F(CommandsTest, AReadingsListReportsAndShowsTheMonthAfterIt) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(5, "25");
    script.Then("SuccDays", TypeAndPress("sdays", " 7", "Command1"));
    script.Then("OutForm", TakeReport());
    Run(menu.menu_readings);
    // 25 to 31 May 2008 hold one Sabbath, the 31st.
    EXPECT_NE(report.find("May       31, 2008 Sat"), std::string::npos) << report;
    EXPECT_EQ(report.find("Sat,"), report.rfind("Sat,"));
    EXPECT_EQ(window.Page().monthIndex, 5);
}

TEST_F(CommandsTest, ASunsetListAsksAgainForABadCountAndEndsQuietlyOnCancel) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "7000", "button_ok"));
    GregorianDate(12, "25");
    script.Then("SuccDays", TypeAndPress("sdays", "8", "Command1"));
    script.Then("SuccDays", [this](QWidget* w) {
        // The calendar ends on 31 December 7000, seven days on.
        EXPECT_EQ(Message(), "Incorrect Entry: Can not be more than 7.");
        TypeAndPress("sdays", "7", "Command1")(w);
    });
    script.Then("OutForm", TakeReport());
    Run(menu.menu_sunset_times);
    EXPECT_NE(report.find("December  31, 7000"), std::string::npos);
    EXPECT_EQ(window.Page().yearText, "7000");
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(5, "25");
    script.Then("SuccDays", [](QWidget* w) {
        EXPECT_EQ(w->findChild<QLineEdit*>("sdays")->text(), " 7");  // the count used last
        TypeAndPress("sdays", "40000", "Command1")(w);
    });
    // The count is a 16-bit number: its limit is told, not a wrapped one.
    script.Then("SuccDays", [this](QWidget* w) {
        EXPECT_EQ(Message(), "Incorrect Entry: Can not be more than 32767.");
        Press("Command2")(w);
    });
    Run(menu.menu_sunset_times);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(engine().Cancelled);
}

TEST_F(CommandsTest, YearReportsReachTheOutputWindow) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"))
        .Then("OutForm", TakeReport());
    Run(menu.Menu_GregYear);
    EXPECT_EQ(FirstLine(), "  The Gregorian year 2008 begins in 5768");
    script.Then("GetJYear", TypeAndPress("jyear_box", "5769", "button_ok"))
        .Then("OutForm", TakeReport());
    Run(menu.Menu_JewishYear);
    EXPECT_EQ(FirstLine(), "  The Jewish year 5769 begins on Tue, Sep 30, 2008.");
    script.Then("OutForm", TakeReport());
    script.Run([this] { window.JewishYearButton()->click(); });
    EXPECT_EQ(FirstLine(), "  The Jewish year 5768 begins on Thu, Sep 13, 2007.");
}

// Closing a year prompt by its frame hands on a spun year that the command
// refuses with its own title, and asks again.
TEST_F(CommandsTest, ASpunYearOutsideTheCalendarIsRefusedAndAskedAgain) {
    const struct {
        QAction* item;
        const char* start;
        bool up;
        const char* refusal;
    } cases[] = {
        {menu.Menu_GregYear, "1583", false, "Entry Error: Can not be less than  1583"},
        {menu.Menu_GregYear, "7000", true, "Entry Error: Year must be between 1583 and 7000"},
        {menu.menu_sunset_times, "1583", false, "Incorrect Year: Can not be less than  1583"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        script.Then("GetGyear", [&c](QWidget* w) {
            w->findChild<QLineEdit*>("gyear_box")->setText(c.start);
            auto* spin = w->findChild<SpinButton*>("UpDown1");
            (c.up ? spin->UpArrow() : spin->DownArrow())->click();
            w->close();
        });
        script.Then("GetGyear", [this, &c](QWidget* w) {
            EXPECT_EQ(Message(), c.refusal);
            Press("button_cancel")(w);
        });
        Run(c.item);
    }
}

TEST_F(CommandsTest, ConversionsAndAnniversariesTakeTheirDatesAndHeading) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(4, "20");
    script.Then("OutForm", TakeReport());
    Run(menu.Menu_G2J);
    EXPECT_EQ(FirstLine(), "Nisan 15, 5768");
    const Action passoverThrice = [](QWidget* w) {
        w->findChild<QLineEdit*>("HeaderBox")->setText("Passover");
        TypeAndPress("SYearsBox", "3", "Command1")(w);
    };
    script.Then("GetJYear", TypeAndPress("jyear_box", "5768", "button_ok"));
    JewishDate(7, " 15");  // Nisan, the eighth month of a leap year
    script.Then("HeaderForm", passoverThrice);
    script.Then("OutForm", TakeReport());
    Run(menu.AnnivFromJewish);
    // 15 Nisan 5768 was Sunday 20 April 2008; then two more years, one line each.
    EXPECT_EQ(report.rfind("Passover\r\nNisan 15, 5768\r\n\r\nSun, April     20, 2008\r\n", 0), 0u)
        << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 6);
    EXPECT_FALSE(engine().AnnivMode);

    // A plain conversion from either menu, even cancelled, resets the heading and count.
    for (const auto& [plain, yearPrompt] :
         {std::pair(menu.Menu_G2J, "GetGyear"), std::pair(menu.Menu_J2G, "GetJYear")}) {
        script.Then(yearPrompt, Press("button_cancel"));
        Run(plain);
        script.Then("GetGyear", Press("button_ok"));
        script.Then("GMonthDateForm", Press("Command1"));
        script.Then("HeaderForm", [&](QWidget* w) {
            EXPECT_EQ(w->findChild<QLineEdit*>("SYearsBox")->text(), " 1");
            EXPECT_EQ(w->findChild<QLineEdit*>("HeaderBox")->text(), "");
            passoverThrice(w);
        });
        script.Then("OutForm", TakeReport());
        Run(menu.AnnivFromGreg);
    }
    EXPECT_FALSE(engine().AnnivMode);
}

// A command that fails half-way lowers the flag it raised: the year box
// applies a typed year again afterwards.
TEST_F(CommandsTest, ACommandThatFailsHalfWayLowersItsFlag) {
    platform.failMessages = true;  // the refusal of the year spun below 1583 fails
    script.Then("GetGyear", [](QWidget* w) {
        w->findChild<QLineEdit*>("gyear_box")->setText("1583");
        w->findChild<SpinButton*>("UpDown1")->DownArrow()->click();
        w->close();
    });
    script.Run([this] { menu.AnnivFromGreg->trigger(); });
    EXPECT_EQ(testing::TakeMessage(testing::ApplicationPlatform().messages),
              "QAVO for Windows: QAVO could not finish the command: no message can be shown");
    EXPECT_FALSE(engine().AnnivMode);
}

}  // namespace
}  // namespace qavo::ui
