#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/jmonth_date_form.hpp"
#include "ui/dialogs/tests/dialog_fixture.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {
namespace {

constexpr const char* kJewishRefusal = "Entry Error: Invalid Date Entry";
constexpr const char* kGregorianRefusal = "Entry Error: Illegal entry";

std::vector<std::string> Entries(const QComboBox* list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) {
        entries.push_back(list->itemText(i).toStdString());
    }
    return entries;
}

class JMonthDateFormTest : public DialogTest {
  protected:
    // Shows the dialog for a Jewish year, opening on (shown month, day).
    void ShowFor(int jYear, int shownMonth, int day) {
        engine.JYear = static_cast<Integer>(jYear);
        engine.ComputeYearType(jYear);
        engine.JMonthShown = static_cast<Integer>(shownMonth);
        engine.JDay = static_cast<Integer>(day);
        Show(dialog);
    }
    JMonthDateForm dialog{engine};
};

TEST_F(JMonthDateFormTest, ACommonYearListsTwelveMonthsAndNisanIsSlotEight) {
    ShowFor(5769, 1, 1);
    EXPECT_EQ(dialog.windowTitle(), "Jewish Month and Date");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Select a Month and Date");
    ExpectCentred(dialog);
    const std::vector<std::string> entries = Entries(dialog.JMonthEntry());
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[5], "Adar      ");
    EXPECT_EQ(entries[10], "Av        ");
    EXPECT_EQ(entries[11], "Elul      ");
    dialog.JMonthEntry()->setCurrentIndex(6);
    EXPECT_EQ(dialog.JMonthEntry()->currentText().trimmed(), "Nisan");
    Type(dialog.JDateEntry(), " 15");
    dialog.Command1()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(engine.JMonthShown, 7);
    EXPECT_EQ(engine.JMonth, 8);
    EXPECT_EQ(engine.JDay, 15);
}

TEST_F(JMonthDateFormTest, ALeapYearListsAdarAndAdarIIAndIsRebuiltOnEveryShowing) {
    ShowFor(5768, 7, 14);
    std::vector<std::string> entries = Entries(dialog.JMonthEntry());
    ASSERT_EQ(entries.size(), 13u);
    EXPECT_EQ(entries[5], "Adar      ");
    EXPECT_EQ(entries[6], "Adar II   ");
    EXPECT_EQ(dialog.JMonthEntry()->currentIndex(), 6);
    EXPECT_EQ(TextOf(dialog.JDateEntry()), " 14");
    dialog.Command1()->click();
    EXPECT_EQ(engine.JMonth, 7);
    // Elul of a leap year, then a common year: its last month, Elul, is chosen.
    ShowFor(5768, 13, 29);
    dialog.Command1()->click();
    ShowFor(5769, 13, 29);
    EXPECT_EQ(dialog.JMonthEntry()->count(), 12);
    EXPECT_EQ(dialog.JMonthEntry()->currentIndex(), 11);
}

TEST_F(JMonthDateFormTest, TheDayIsCheckedAgainstTheMonthOfTheYearType) {
    struct Case {
        int jYear;
        int position;
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {
        {5768, 2, "30", false},  // Kislev of a deficient leap year has 29 days
        {5768, 2, "29", true},      {5770, 1, "30", true},  // Heshvan of a full year has 30 days
        {5769, 1, "30", false},                             // not in a normal year
        {5769, 0, "0", false},      {5769, 0, "-1", false},  {5769, 0, "", false},
        {5769, 0, "31", false},     {5769, 0, "30", true},   {5769, 0, "99999", false},
        {5769, 0, "-99999", false}, {5769, 0, "0.4", false}, {5769, 0, "29.6", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.jYear) + " " + c.typed);
        ShowFor(c.jYear, 1, 1);
        engine.JMonth = 99;
        dialog.JMonthEntry()->setCurrentIndex(c.position);
        Type(dialog.JDateEntry(), c.typed);
        dialog.Command1()->click();
        if (c.accepted) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(engine.JMonthShown, c.position + 1);
        } else {
            EXPECT_EQ(TakeMessage(), kJewishRefusal);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(engine.JMonth, 99);
            EXPECT_EQ(TextOf(dialog.JDateEntry()), c.typed);
            dialog.hide();
        }
    }
}

TEST_F(JMonthDateFormTest, TheSpinWrapsWithinTheMonth) {
    ShowFor(5768, 3, 1);  // Kislev 5768: 29 days
    Down(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.JDateEntry()), " 29");
    Up(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.JDateEntry()), " 1");
    Up(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.JDateEntry()), " 2");
    Type(dialog.JDateEntry(), "99999");
    Up(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.JDateEntry()), " 1");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(JMonthDateFormTest, CancelKeepsTheDateAndEnterPressesOk) {
    ShowFor(5769, 7, 15);
    dialog.JMonthEntry()->setCurrentIndex(2);
    Type(dialog.JDateEntry(), "3");
    dialog.Command2()->click();
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_EQ(engine.JMonthShown, 7);
    EXPECT_EQ(engine.JDay, 15);
    engine.Cancelled = false;
    ShowFor(5769, 7, 15);
    Type(dialog.JDateEntry(), "3");
    QTest::keyClick(dialog.JDateEntry(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(engine.JDay, 3);
    EXPECT_FALSE(engine.Cancelled);
}

class GMonthDateFormTest : public DialogTest {
  protected:
    void ShowFor(int leapIndex, int month, int day) {
        engine.GLeapIndex = static_cast<Integer>(leapIndex);
        engine.TargetGMonth = static_cast<Integer>(month);
        engine.TargetGDay = static_cast<Integer>(day);
        Show(dialog);
    }
    GMonthDateForm dialog{engine};
};

TEST_F(GMonthDateFormTest, TwelveMonthsAfterRepeatedShowings) {
    for (int showing = 0; showing < 3; ++showing) {
        ShowFor(0, 4, 20);
        dialog.Command1()->click();
    }
    ShowFor(0, 4, 20);
    EXPECT_EQ(dialog.windowTitle(), "Gregorian Month and Date");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Enter the Month and Date");
    ExpectCentred(dialog);
    const std::vector<std::string> entries = Entries(dialog.GMonthBox());
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries.front(), "January  ");
    EXPECT_EQ(entries.back(), "December ");
    EXPECT_EQ(dialog.GMonthBox()->currentIndex(), 3);
    EXPECT_EQ(TextOf(dialog.GDateBox()), " 20");
}

TEST_F(GMonthDateFormTest, February29OnlyInALeapYear) {
    ShowFor(0, 2, 29);
    dialog.Command1()->click();
    EXPECT_EQ(TakeMessage(), kGregorianRefusal);
    EXPECT_TRUE(dialog.isVisible());
    // The leap index is read afresh at the click.
    engine.GLeapIndex = 1;
    dialog.Command1()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(engine.TargetGMonth, 2);
    EXPECT_EQ(engine.TargetGDay, 29);
}

TEST_F(GMonthDateFormTest, TheSpinWrapsWithinTheMonth) {
    ShowFor(0, 2, 28);
    Up(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.GDateBox()), " 1");
    dialog.GMonthBox()->setCurrentIndex(0);
    Down(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.GDateBox()), " 31");
    Down(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.GDateBox()), " 30");
    // Pasted days beyond 16 bits step without wrapping around.
    Type(dialog.GDateBox(), "99999");
    Up(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.GDateBox()), " 1");
    Type(dialog.GDateBox(), "-99999x");
    Down(dialog.UpDown1());
    EXPECT_EQ(TextOf(dialog.GDateBox()), "-32769");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GMonthDateFormTest, BadDaysAreRefusedAndCancelKeepsTheDate) {
    for (const char* typed : {"0", "-3", "", "32", "99999", "-99999", "abc"}) {
        SCOPED_TRACE(typed);
        ShowFor(1, 1, 5);
        Type(dialog.GDateBox(), typed);
        dialog.Command1()->click();
        EXPECT_EQ(TakeMessage(), kGregorianRefusal);
        EXPECT_EQ(engine.TargetGDay, 5);
        dialog.Command2()->click();
        EXPECT_TRUE(engine.Cancelled);
        EXPECT_EQ(engine.TargetGMonth, 1);
        EXPECT_EQ(engine.TargetGDay, 5);
        engine.Cancelled = false;
    }
}

}  // namespace
}  // namespace qavo::ui
