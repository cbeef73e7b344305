#include <QTest>

#include "engine/number_text.hpp"
#include "readings/sabbath_readings.hpp"
#include "sunset/city_database.hpp"
#include "sunset/sunset_time.hpp"
#include "ui/commands/tests/commands_fixture.hpp"
#include "ui/main_window/page_view.hpp"
#include "ui/widgets/caption_panel.hpp"

namespace qavo::ui {
namespace {

const std::string NL = "\r\n";

// The sunset line of the day-click message for New York in standard time.
std::string SunsetLine(int year, int month, int day) {
    return "Sunset Time in New York is" +
           SunsetTextFor(DefaultCity(), year, month, day, "Standard") + "Standard Time.";
}

// --- Day information ---

TEST_F(CommandsTest, ASaturdayClickShowsItsReadingsThenTheSunset) {
    // Cell 7 of April 2008 is Saturday the 5th, 29 Adar II 5768: Tazri'a and Hahodesh.
    QTest::mouseClick(window.Cells()->CalDay2(7), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    const testing::ShownMessage shown = platform.messages.front();
    EXPECT_EQ(shown.title, "Sunset Time");
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    const MonthPage& page = window.Page();
    const std::string readings = PageSabbathReadings(calendar.readings, engine(), 1, 5768,
                                                     page.PageFirstJMonth, page.PageFirstJDay);
    EXPECT_EQ(readings.substr(0, 16), "Torah reading: T");
    EXPECT_NE(readings.find("Tazri'a"), std::string::npos);
    EXPECT_NE(readings.find("Hahodesh"), std::string::npos);
    EXPECT_EQ(shown.text, readings + SunsetLine(2008, 4, 5));
    EXPECT_EQ(readings.substr(readings.size() - 4), NL + NL);
}

TEST_F(CommandsTest, AnotherDayShowsTheSunsetAlone) {
    QTest::mouseClick(window.Cells()->GDatePanel(22), Qt::LeftButton);
    EXPECT_EQ(TakeMessage(), "Sunset Time: " + SunsetLine(2008, 4, 20));
    EXPECT_EQ(engine().TargetGDay, 20);
}

TEST_F(CommandsTest, ADayClickRefusesATypedYearOutsideTheCalendar) {
    auto* yearBox = Child<QLineEdit>("YearLabel");
    for (const char* typed : {"99999", "1582", "-32768", ""}) {
        SCOPED_TRACE(typed);
        yearBox->setText(typed);
        QTest::mouseClick(window.Cells()->CalDay2(22), Qt::LeftButton);
        EXPECT_EQ(TakeMessage(), "Incorrect Year: Year must be between 1583 and 7000");
        EXPECT_EQ(window.Page().yearText, "2008");
    }
}

TEST_F(CommandsTest, ADayClickAppliesAYearTypedButNotApplied) {
    Child<QLineEdit>("YearLabel")->setText("2009");
    // 1 April 2009 was a Wednesday: cell 7 is Saturday the 4th.
    QTest::mouseClick(window.Cells()->CalDay2(7), Qt::LeftButton);
    EXPECT_EQ(window.Page().yearText, "2009");
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string text = platform.messages.front().text;
    EXPECT_EQ(text.substr(text.size() - SunsetLine(2009, 4, 4).size()), SunsetLine(2009, 4, 4));
}

// --- A Jewish Date ---

TEST_F(CommandsTest, AJewishDateMarksItsCellAndNotToday) {
    const MonthPage& page = window.Page();
    ASSERT_EQ(page.MarkedCell, 12);
    script.Then("GetJYear", TypeAndPress("jyear_box", "5768", "button_ok"));
    JewishDate(7, "15");
    script.Run([&] { commands->Menu_2JewishDate_Click(); });
    // 15 Nisan 5768 is Sunday 20 April 2008, cell 22; today is in the same month.
    EXPECT_EQ(page.monthIndex, 3);
    EXPECT_EQ(page.MarkedCell, 22);
    EXPECT_EQ(page.cells[22].body, kMarkedCellBodyColours);
    EXPECT_EQ(page.cells[12].body, kCellBodyColours);
    EXPECT_FALSE(page.MarkJewishDate);
    EXPECT_FALSE(engine().YearDialogOpen);
    window.findChild<QAction*>("Menu_today")->trigger();
    EXPECT_EQ(page.MarkedCell, 12);
}

TEST_F(CommandsTest, AJewishDateInAnotherMonth) {
    script.Then("GetJYear", TypeAndPress("jyear_box", "5769", "button_ok"));
    JewishDate(0, " 1");
    script.Run([&] { commands->Menu_2JewishDate_Click(); });
    // 1 Tishri 5769 is Tuesday 30 September 2008: cell 31 of a page whose 1st is a Monday.
    EXPECT_EQ(window.Page().monthIndex, 8);
    EXPECT_EQ(window.Page().MarkedCell, 31);
    EXPECT_EQ(Child<QPushButton>("Btn_Jyear")->text(), " 5768");
}

TEST_F(CommandsTest, CancelInEitherPromptLeavesPageAndMark) {
    const MonthPage& page = window.Page();
    script.Then("GetJYear", Press("button_cancel"));
    script.Run([&] { commands->Menu_2JewishDate_Click(); });
    script.Then("GetJYear", TypeAndPress("jyear_box", "5770", "button_ok"));
    script.Then("JMonthDateForm", Press("Command2"));
    script.Run([&] { commands->Menu_2JewishDate_Click(); });
    EXPECT_FALSE(page.MarkJewishDate);
    EXPECT_FALSE(engine().Cancelled);
    EXPECT_EQ(page.monthIndex, 3);
    EXPECT_EQ(page.MarkedCell, 12);
    EXPECT_EQ(page.cells[12].body, kMarkedCellBodyColours);
    window.findChild<QAction*>("Menu_today")->trigger();
    EXPECT_EQ(page.MarkedCell, 12);
}

TEST_F(CommandsTest, AJewishDateBefore1583IsRefused) {
    script.Then("GetJYear", TypeAndPress("jyear_box", "5343", "button_ok"));
    JewishDate(0, "1");
    script.Run([&] { commands->Menu_2JewishDate_Click(); });
    EXPECT_EQ(TakeMessage(), "Incorrect Year: Year must be between 1583 and 7000");
    EXPECT_EQ(window.Page().yearText, "2008");
    EXPECT_EQ(window.Page().MarkedCell, 12);
    EXPECT_FALSE(window.Page().MarkJewishDate);
}

// --- Successive days ---

TEST_F(CommandsTest, SevenDaysOfReadingsFromASundayListOneSaturday) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(5, "25");
    script.Then("SuccDays", [](QWidget* w) {
        EXPECT_EQ(w->findChild<QLineEdit*>("sdays")->text(), " 30");
        TypeAndPress("sdays", " 7", "Command1")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->menu_readings_Click(); });
    const std::string head = "Sabbath Torah and Haftarah readings" + NL + std::string(44, '=') +
                             NL + "May       31, 2008 Sat, Iyar    26, 5768" + NL;
    EXPECT_EQ(report.substr(0, head.size()), head);
    EXPECT_EQ(report.find("Sat,", head.size()), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 4), NL + NL);
    EXPECT_EQ(engine().SuccDayCount, 7);
    // The page shows the month of the day after the list: June 2008.
    EXPECT_EQ(window.Page().monthIndex, 5);
    EXPECT_EQ(window.Page().yearText, "2008");
}

TEST_F(CommandsTest, SunsetTimesListEveryDayWithItsHolidayRow) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(4, "19");
    script.Then("SuccDays", TypeAndPress("sdays", "2", "Command1"));
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->menu_sunset_times_Click(); });
    const std::string expected = "Holidays begin the evening before the indicated days." + NL +
                                 "Sunset is Standard Time in New York." + NL +
                                 "Candles are lit 18 minutes earlier." + NL + std::string(44, '=') +
                                 NL + "April     19, 2008 Sat, Nisan   14, 5768, " +
                                 SunsetTextFor(DefaultCity(), 2008, 4, 19, "Standard") + NL +
                                 "April     20, 2008 Sun, Nisan   15, 5768, " +
                                 SunsetTextFor(DefaultCity(), 2008, 4, 20, "Standard") + NL;
    EXPECT_EQ(report.substr(0, expected.size()), expected);
    EXPECT_EQ(report.substr(expected.size(), 8), "Passover");
}

TEST_F(CommandsTest, TheDayCountIsCheckedAndAskedAgain) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "7000", "button_ok"));
    GregorianDate(12, "25");
    script.Then("SuccDays", TypeAndPress("sdays", "0", "Command1"));
    script.Then("SuccDays", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Incorrect Entry: Can not be less than 1.");
        EXPECT_EQ(w->findChild<QLineEdit*>("sdays")->text(), " 0");
        TypeAndPress("sdays", "-99999", "Command1")(w);
    });
    script.Then("SuccDays", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Incorrect Entry: Can not be less than 1.");
        TypeAndPress("sdays", "99999", "Command1")(w);
    });
    // The calendar ends on 31 December 7000, seven days on.
    script.Then("SuccDays", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Incorrect Entry: Can not be more than 7.");
        TypeAndPress("sdays", "8", "Command1")(w);
    });
    script.Then("SuccDays", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Incorrect Entry: Can not be more than 7.");
        TypeAndPress("sdays", "7", "Command1")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->menu_sunset_times_Click(); });
    EXPECT_NE(report.find("December  31, 7000"), std::string::npos);
    // The day after the list lies beyond the calendar: its last month is shown.
    EXPECT_EQ(window.Page().yearText, "7000");
    EXPECT_EQ(window.Page().monthIndex, 11);
}

TEST_F(CommandsTest, AnEmptyCountOrACancelEndsQuietly) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(5, "25");
    script.Then("SuccDays", TypeAndPress("sdays", "", "Command1"));
    script.Run([&] { commands->menu_readings_Click(); });
    script.Then("GetGyear", TypeAndPress("gyear_box", "1583", "button_ok"));
    GregorianDate(1, "1");
    script.Then("SuccDays", Press("Command2"));
    script.Run([&] { commands->menu_readings_Click(); });
    EXPECT_TRUE(report.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(engine().Cancelled);
}

TEST_F(CommandsTest, AListYearBelow1583SaysIncorrectYear) {
    script.Then("GetGyear", [](QWidget* w) {
        Type("gyear_box", "1583")(w);
        Spin(false)(w);
        CloseFrame()(w);
    });
    script.Then("GetGyear", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Incorrect Year: Can not be less than  1583");
        Press("button_cancel")(w);
    });
    script.Run([&] { commands->menu_sunset_times_Click(); });
    EXPECT_TRUE(report.empty());
}

}  // namespace
}  // namespace qavo::ui
