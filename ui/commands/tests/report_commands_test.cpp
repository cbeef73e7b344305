#include "ui/commands/tests/commands_fixture.hpp"

namespace qavo::ui {
namespace {

const std::string NL = "\r\n";

// --- Holidays For Gregorian Year ---

TEST_F(CommandsTest, TheGregorianYear2008) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"))
        .Then("OutForm", TakeReport());
    script.Run([&] { commands->GregorianYearCommand(); });
    const std::string expected = "  The Gregorian year 2008 begins in 5768" + NL +
                                 "  and ends in 5769." + NL + "  It is a leap year." + NL +
                                 std::string(18, ' ') + NL + "               H O L I D A Y S " +
                                 NL + std::string(46, '=') + NL +
                                 "Tu B'Shevat   Shev 15, 5768  Tue, Jan 22, 2008" + NL +
                                 "Purim      Adar II 14, 5768  Fri, Mar 21, 2008" + NL +
                                 "Passover       Nis 15, 5768  Sun, Apr 20, 2008" + NL +
                                 "Yom Hashoah    Nis 27, 5768  Fri, May 02, 2008" + NL +
                                 "Yom Haatzmaut Iyar  3, 5768  Thu, May 08, 2008" + NL +
                                 "Lag B'Omer    Iyar 18, 5768  Fri, May 23, 2008" + NL +
                                 "Shavuot        Siv  6, 5768  Mon, Jun 09, 2008" + NL +
                                 "Tisha B'Av      Av  9, 5768  Sun, Aug 10, 2008" + NL +
                                 "Rosh Hashanah Tish  1, 5769  Tue, Sep 30, 2008" + NL +
                                 "Yom Kippur    Tish 10, 5769  Thu, Oct 09, 2008" + NL +
                                 "Succoth       Tish 15, 5769  Tue, Oct 14, 2008" + NL +
                                 "Sh'mini Atz   Tish 22, 5769  Tue, Oct 21, 2008" + NL +
                                 "Simchat Torah Tish 23, 5769  Wed, Oct 22, 2008" + NL +
                                 "Hanukkah       Kis 25, 5769  Mon, Dec 22, 2008" + NL;
    EXPECT_EQ(report, expected);
    EXPECT_EQ(engine().GYear, 2008);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CommandsTest, CancelAfterSpinningLeavesTheSpunYearAndShowsNothing) {
    script.Then("GetGyear", [](QWidget* w) {
        Type("gyear_box", "2008")(w);
        Spin(true)(w);
        Spin(true)(w);
        Press("button_cancel")(w);
    });
    script.Run([&] { commands->GregorianYearCommand(); });
    EXPECT_EQ(engine().GYear, 2010);
    EXPECT_FALSE(engine().Cancelled);
    EXPECT_TRUE(report.empty());
}

TEST_F(CommandsTest, AYearBelow1583ThatReachesTheCommandAsksAgain) {
    // Closing the prompt by its frame hands on the spun year.
    script.Then("GetGyear", [](QWidget* w) {
        Type("gyear_box", "1583")(w);
        Spin(false)(w);
        CloseFrame()(w);
    });
    script.Then("GetGyear", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Entry Error: Can not be less than  1583");
        Press("button_cancel")(w);
    });
    script.Run([&] { commands->GregorianYearCommand(); });
    EXPECT_TRUE(report.empty());
    EXPECT_FALSE(engine().Cancelled);
}

TEST_F(CommandsTest, AYearAbove7000ThatReachesTheCommandAsksAgain) {
    script.Then("GetGyear", [](QWidget* w) {
        Type("gyear_box", "7000")(w);
        Spin(true)(w);
        CloseFrame()(w);
    });
    script.Then("GetGyear", [this](QWidget* w) {
        EXPECT_EQ(TakeMessage(), "Entry Error: Year must be between 1583 and 7000");
        TypeAndPress("gyear_box", "7000", "button_ok")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->GregorianYearCommand(); });
    EXPECT_EQ(report.substr(0, 41), "  The Gregorian year 7000 begins in 10760");
}

// --- The Jewish-year button and Holidays For Jewish Year ---

TEST_F(CommandsTest, TheJewishYearButtonRefusesACaptionOutsideTheCalendar) {
    auto* yearBox = Child<QLineEdit>("YearLabel");
    auto* button = Child<QPushButton>("Btn_Jyear");
    yearBox->setText("1583");
    Child<QComboBox>("MonthLabel")->setCurrentIndex(0);
    ASSERT_EQ(button->text(), " 5343");
    // Spinning down from January 1583: the page refuses 1582, the caption steps.
    Child<SpinButton>("UpDown2")->DownArrow()->click();
    EXPECT_EQ(TakeMessage(), "Incorrect Year: Year must be between 1583 and 7000");
    EXPECT_EQ(button->text(), " 5342");
    for (const char* caption : {" 5342", " 10761", "99999", "-5769", ""}) {
        SCOPED_TRACE(caption);
        button->setText(caption);
        script.Run([&] { button->click(); });
        EXPECT_EQ(TakeMessage(), "Entry Error: Year must be between 5343 and 10760");
        EXPECT_TRUE(report.empty());
    }
    button->setText(" 5769");
    script.Then("OutForm", TakeReport());
    script.Run([&] { button->click(); });
    EXPECT_EQ(report.substr(0, report.find(NL + NL)),
              "  The Jewish year 5769 begins on Tue, Sep 30, 2008." + NL +
                  "  It is year 12 of the 19 year cycle " + NL +
                  "  therefore it is not a leap year." + NL +
                  "  The type of year is: Normal         ");
}

TEST_F(CommandsTest, TheHolidaysOfAJewishYear) {
    script.Then("GetJYear", [](QWidget* w) {
        EXPECT_TRUE(w->parentWidget() != nullptr);
        TypeAndPress("jyear_box", "5769", "button_ok")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->JewishYearCommand(); });
    EXPECT_EQ(report.substr(0, report.find("Rosh")),
              "  The Jewish year 5769 begins on Tue, Sep 30, 2008." + NL +
                  "  It is year 12 of the 19 year cycle" + NL +
                  "  therefore it is not a leap year." + NL +
                  "  The type of year is: Normal         " + NL + "          H O L I D A Y S " +
                  NL + std::string(40, '=') + NL);
    EXPECT_NE(report.find(NL + "Purim         Adar 14, Tue, Mar 10, 2009" + NL), std::string::npos);
    EXPECT_EQ(engine().JYear, 5769);
    EXPECT_FALSE(engine().YearDialogOpen);
}

TEST_F(CommandsTest, CancellingTheJewishYearTakesTheSpunYearAndShowsNothing) {
    engine().JYear = 5768;
    script.Then("GetJYear", [](QWidget* w) {
        Spin(true)(w);
        Press("button_cancel")(w);
    });
    script.Run([&] { commands->JewishYearCommand(); });
    EXPECT_TRUE(report.empty());
    EXPECT_FALSE(engine().Cancelled);
    EXPECT_EQ(engine().JYear, 5769);
    EXPECT_EQ(engine().GYear, 2008);
}

// --- Conversions and anniversaries ---

TEST_F(CommandsTest, AnniversariesOf15Nisan5768OverThreeYearsWithAHeading) {
    script.Then("GetJYear", TypeAndPress("jyear_box", "5768", "button_ok"));
    JewishDate(7, " 15");  // Nisan is the eighth month of a leap year
    script.Then("HeaderForm", [](QWidget* w) {
        Type("HeaderBox", "Passover")(w);
        TypeAndPress("SYearsBox", "3", "Command1")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->AnnivFromJewish_Click(); });
    EXPECT_EQ(report, "Passover" + NL + "Nisan 15, 5768" + NL + NL + "Sun, April     20, 2008" +
                          NL + "Thu, April     09, 2009" + NL + "Tue, March     30, 2010" + NL);
    EXPECT_FALSE(engine().AnnivMode);
    EXPECT_EQ(engine().JYear, 5768);
    EXPECT_EQ(engine().SuccYears, 3);
}

TEST_F(CommandsTest, APlainConversionResetsTheAnniversaryHeadingAndCount) {
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(4, "20");
    script.Then("HeaderForm", [](QWidget* w) {
        Type("HeaderBox", "Seder")(w);
        TypeAndPress("SYearsBox", "2", "Command1")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->AnnivFromGreg_Click(); });
    EXPECT_EQ(report, "Seder" + NL + "Nisan 15, 5768" + NL + NL + "Sun, April     20, 2008" + NL +
                          "Thu, April     09, 2009" + NL);

    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    GregorianDate(4, "20");
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->Menu_G2J_Click(); });
    EXPECT_EQ(report, "Nisan 15, 5768" + NL + NL + "Sun, April     20, 2008" + NL);

    script.Then("GetGyear", Press("button_ok"));
    script.Then("GMonthDateForm", Press("Command1"));
    script.Then("HeaderForm", [](QWidget* w) {
        EXPECT_EQ(w->findChild<QLineEdit*>("SYearsBox")->text(), " 1");
        EXPECT_EQ(w->findChild<QLineEdit*>("HeaderBox")->text(), "");
        Press("Command2")(w);
    });
    report.clear();
    script.Run([&] { commands->AnnivFromGreg_Click(); });
    EXPECT_TRUE(report.empty());
    EXPECT_FALSE(engine().Cancelled);
    EXPECT_FALSE(engine().AnnivMode);
}

TEST_F(CommandsTest, ADateBeforeRoshHashanahBelongsToTheYearBefore) {
    const std::pair<const char*, std::string> cases[] = {{" 1", "Elul 1, 5768"},
                                                         {"30", "Tishri 1, 5769"}};
    for (const auto& [day, jewish] : cases) {
        script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
        GregorianDate(9, day);
        script.Then("OutForm", TakeReport());
        script.Run([&] { commands->Menu_G2J_Click(); });
        EXPECT_EQ(report.substr(0, report.find(NL)), jewish);
    }
}

TEST_F(CommandsTest, CancelInTheMonthPromptEndsTheConversion) {
    script.Then("GetJYear", TypeAndPress("jyear_box", "5768", "button_ok"));
    script.Then("JMonthDateForm", Press("Command2"));
    script.Run([&] { commands->Menu_J2G_Click(); });
    script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
    script.Then("GMonthDateForm", Press("Command2"));
    script.Run([&] { commands->Menu_G2J_Click(); });
    EXPECT_TRUE(report.empty());
    EXPECT_FALSE(engine().Cancelled);
}

TEST_F(CommandsTest, AConversionFirstAppliesAYearTypedIntoTheYearBox) {
    window.activateWindow();
    auto* yearBox = Child<QLineEdit>("YearLabel");
    yearBox->setFocus();
    QApplication::processEvents();
    yearBox->setText("2009");
    script.Then("GetGyear", Press("button_cancel"));
    script.Run([&] { commands->Menu_G2J_Click(); });
    EXPECT_EQ(window.Page().yearText, "2009");
    EXPECT_TRUE(report.empty());
}

TEST_F(CommandsTest, AThirtiethThatAYearLacksFallsOnTheFirstOfTheNextMonth) {
    script.Then("GetJYear", TypeAndPress("jyear_box", "5770", "button_ok"));
    JewishDate(1, "30");  // Heshvan
    script.Then("HeaderForm", [](QWidget* w) {
        Type("HeaderBox", "")(w);
        TypeAndPress("SYearsBox", "3", "Command1")(w);
    });
    script.Then("OutForm", TakeReport());
    script.Run([&] { commands->AnnivFromJewish_Click(); });
    EXPECT_EQ(report,
              "Heshvan 30, 5770\r\n\r\nTue, November  17, 2009\r\nSun, November  07, "
              "2010\r\nSun, November  27, 2011\r\n");
}

TEST_F(CommandsTest, NoSuccessiveYearsGivesTheFirstDateAlone) {
    for (const char* count : {"0", "1"}) {
        SCOPED_TRACE(count);
        script.Then("GetGyear", TypeAndPress("gyear_box", "2008", "button_ok"));
        GregorianDate(4, "20");
        script.Then("HeaderForm", TypeAndPress("SYearsBox", count, "Command1"));
        script.Then("OutForm", TakeReport());
        script.Run([&] { commands->AnnivFromGreg_Click(); });
        EXPECT_EQ(report, "Nisan 15, 5768\r\n\r\nSun, April     20, 2008\r\n");
    }
}

}  // namespace
}  // namespace qavo::ui
