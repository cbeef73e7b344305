#include <QLabel>
#include <QTest>

#include "ui/dialogs/header_form.hpp"
#include "ui/dialogs/succ_days.hpp"
#include "ui/dialogs/tests/dialog_fixture.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {
namespace {

class HeaderFormTest : public DialogTest {
  protected:
    std::string headerText;
    HeaderForm dialog{engine, headerText};
};

TEST_F(HeaderFormTest, OpensOnTheLastHeadingAndCount) {
    engine.SuccYears = 1;
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Heading and Successive Years");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Enter a Heading if required");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(), "Enter number of Successive Years");
    ExpectCentred(dialog);
    EXPECT_EQ(TextOf(dialog.SYearsBox()), " 1");
    EXPECT_EQ(TextOf(dialog.HeaderBox()), "");
    Type(dialog.HeaderBox(), "Passover");
    Type(dialog.SYearsBox(), "3");
    dialog.Command1()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(headerText, "Passover");
    EXPECT_EQ(engine.SuccYears, 3);
    Show(dialog);
    EXPECT_EQ(TextOf(dialog.HeaderBox()), "Passover");
    EXPECT_EQ(TextOf(dialog.SYearsBox()), " 3");
}

TEST_F(HeaderFormTest, TheCountSpinsDownToOneAndUpWithoutLimit) {
    engine.SuccYears = 2;
    Show(dialog);
    Down(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.SYearsBox()), " 1");
    Down(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.SYearsBox()), " 1");
    Up(dialog.UpDown1());
    Up(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.SYearsBox()), " 3");
    QTest::keyClicks(dialog.HeaderBox(), " & more");
    EXPECT_EQ(TextOf(dialog.HeaderBox()), " & more");
}

TEST_F(HeaderFormTest, ACountPastTheCalendarsEndIsRefused) {
    engine.SuccYears = 1;
    dialog.SetFirstJewishYear(10760);
    Show(dialog);
    for (const char* typed : {"3", "99999", "32767"}) {
        SCOPED_TRACE(typed);
        Type(dialog.SYearsBox(), typed);
        dialog.Command1()->click();
        EXPECT_EQ(TakeMessage(),
                  "Entry Error: Enter at most 2 successive years: the calendar ends with the "
                  "Jewish year 10761.");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(engine.SuccYears, 1);
    }
    Type(dialog.SYearsBox(), "0");
    dialog.Command1()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(engine.SuccYears, 0);
}

TEST_F(HeaderFormTest, CancelKeepsHeadingAndCount) {
    headerText = "Old";
    engine.SuccYears = 4;
    Show(dialog);
    Type(dialog.HeaderBox(), "New");
    Type(dialog.SYearsBox(), "9");
    dialog.Command2()->click();
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(headerText, "Old");
    EXPECT_EQ(engine.SuccYears, 4);
}

class SuccDaysTest : public DialogTest {
  protected:
    SuccDays dialog{engine};
};

TEST_F(SuccDaysTest, OpensOnABlankAndThirtyAndHandsBackTheText) {
    engine.SuccDayCount = 30;
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Successive Days");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "For how many successive days?");
    EXPECT_EQ(dialog.Command1()->text(), "OK");
    EXPECT_EQ(dialog.Command2()->text(), "Cancel");
    ExpectCentred(dialog);
    EXPECT_EQ(TextOf(dialog.sdays()), " 30");
    dialog.sdays()->clear();
    QTest::keyClicks(dialog.sdays(), " 7days");
    dialog.Command1()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.SuccDaysText(), "7");
    EXPECT_FALSE(engine.Cancelled);
}

TEST_F(SuccDaysTest, CancelSetsCancelled) {
    Show(dialog);
    dialog.Command2()->click();
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace qavo::ui
