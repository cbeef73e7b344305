#include <QLabel>
#include <QTest>

#include "ui/dialogs/get_gyear.hpp"
#include "ui/dialogs/get_jyear.hpp"
#include "ui/dialogs/tests/dialog_fixture.hpp"
#include "ui/widgets/number_box.hpp"

namespace qavo::ui {
namespace {

constexpr const char* kGregorianRefusal = "Entry Error: Year must be between 1583 and 7000";
constexpr const char* kJewishRefusal = "Entry Error: Year must be between 5343 and 10760";

class GetGyearTest : public DialogTest {
  protected:
    GetGyear dialog{engine};
};

TEST_F(GetGyearTest, ShowsItsCaptionsAndTheYearCentred) {
    engine.GYear = 2008;
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Gregorian Year");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(),
              "Enter a Gregorian year between 1583 and 7000.");
    EXPECT_EQ(dialog.button_ok()->text(), "&OK");
    EXPECT_EQ(dialog.button_cancel()->text(), "&Cancel");
    EXPECT_EQ(TextOf(dialog.gyear_box()), "2008");
    EXPECT_TRUE(dialog.isModal());
    ExpectCentred(dialog);
}

TEST_F(GetGyearTest, TheKeyFilterPassesDigitsAndSigns) {
    engine.GYear = 0;
    Show(dialog);
    dialog.gyear_box()->clear();
    QTest::keyClicks(dialog.gyear_box(), "2a0.b0x8 ");
    EXPECT_EQ(TextOf(dialog.gyear_box()), "2008");
    QTest::keyClicks(dialog.gyear_box(), "+-");
    EXPECT_EQ(TextOf(dialog.gyear_box()), "2008+-");
    QTest::keyClick(dialog.gyear_box(), Qt::Key_Backspace);
    EXPECT_EQ(TextOf(dialog.gyear_box()), "2008+");
}

TEST_F(GetGyearTest, CancelAfterSpinningLeavesTheSpunYear) {
    engine.GYear = 2008;
    Show(dialog);
    Up(dialog.UpDown1());
    Up(dialog.UpDown1());
    EXPECT_EQ(engine.GYear, 2010);
    EXPECT_EQ(TextOf(dialog.gyear_box()), "2010");
    dialog.button_cancel()->click();
    EXPECT_EQ(engine.GYear, 2010);
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(GetGyearTest, OkAcceptsOnly1583To7000) {
    struct Case {
        const char* typed;
        bool accepted;
        Integer year;
        Integer leapIndex;
    };
    const Case cases[] = {
        {"1582", false, 0, 0},   {"7001", false, 0, 0},      {"1583", true, 1583, 0},
        {"7000", true, 7000, 0}, {"2008", true, 2008, 1},    {"1900", true, 1900, 0},
        {"2000", true, 2000, 1}, {"2008abc", true, 2008, 1}, {"99999", false, 0, 0},
        {"-2008", false, 0, 0},  {"", false, 0, 0},          {"7000.6", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        engine.GYear = 1999;
        engine.GLeapIndex = 7;
        Show(dialog);
        Type(dialog.gyear_box(), c.typed);
        dialog.button_ok()->click();
        if (c.accepted) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(engine.GYear, c.year);
            EXPECT_EQ(engine.GLeapIndex, c.leapIndex);
        } else {
            EXPECT_EQ(TakeMessage(), kGregorianRefusal);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(engine.GYear, 1999);
            EXPECT_EQ(TextOf(dialog.gyear_box()), c.typed);
            dialog.hide();
        }
        EXPECT_FALSE(engine.Cancelled);
    }
}

TEST_F(GetGyearTest, ASpinOnAYearBeyondSixteenBitsIsRefused) {
    engine.GYear = 2008;
    Show(dialog);
    for (const char* typed : {"99999", "32767"}) {
        SCOPED_TRACE(typed);
        Type(dialog.gyear_box(), typed);
        Up(dialog.UpDown1());
        EXPECT_EQ(TakeMessage(), kGregorianRefusal);
        EXPECT_EQ(engine.GYear, 2008);
        EXPECT_EQ(TextOf(dialog.gyear_box()), typed);
    }
    Type(dialog.gyear_box(), "-32768");
    Down(dialog.UpDown1());
    EXPECT_EQ(TakeMessage(), kGregorianRefusal);
    Type(dialog.gyear_box(), "32767");
    Down(dialog.UpDown1());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(engine.GYear, 32766);
}

TEST_F(GetGyearTest, HiddenAfterOkAndRefreshedOnTheNextShowing) {
    engine.GYear = 2008;
    Show(dialog);
    Type(dialog.gyear_box(), "2019");
    dialog.button_ok()->click();
    EXPECT_FALSE(dialog.isVisible());
    engine.GYear = 1999;
    Show(dialog);
    EXPECT_EQ(TextOf(dialog.gyear_box()), "1999");
}

TEST_F(GetGyearTest, TheWindowFrameClosesWithoutCancelling) {
    engine.GYear = 2008;
    Show(dialog);
    Down(dialog.UpDown1());
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(engine.Cancelled);
    EXPECT_EQ(engine.GYear, 2007);
}

class GetJYearTest : public DialogTest {
  protected:
    GetJYear dialog{engine};
};

TEST_F(GetJYearTest, OpensOnJYearAndSpinsTheResult) {
    engine.JYear = 5768;
    engine.ResultJYear = 1;
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Jewish Year");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(),
              "Enter a Jewish year between 5343 and 10760.");
    EXPECT_EQ(engine.ResultJYear, 5768);
    EXPECT_EQ(TextOf(dialog.jyear_box()), "5768");
    ExpectCentred(dialog);
    Down(dialog.UpDown1());
    EXPECT_EQ(engine.ResultJYear, 5767);
    dialog.button_cancel()->click();
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_EQ(engine.ResultJYear, 5767);
    EXPECT_EQ(engine.JYear, 5768);
}

TEST_F(GetJYearTest, OkAcceptsOnly5343To10760) {
    const std::pair<const char*, bool> cases[] = {
        {"5342", false},  {"10761", false}, {"5343", true},  {"10760", true},
        {"99999", false}, {"-5769", false}, {"5769 ", true}, {"", false},
    };
    for (const auto& [typed, accepted] : cases) {
        SCOPED_TRACE(typed);
        engine.JYear = 5000;
        Show(dialog);
        Type(dialog.jyear_box(), typed);
        dialog.button_ok()->click();
        if (accepted) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(engine.ResultJYear, std::stoi(typed));
        } else {
            EXPECT_EQ(TakeMessage(), kJewishRefusal);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(engine.ResultJYear, 5000);
            dialog.hide();
        }
    }
}

TEST_F(GetJYearTest, SpinsStopWhereTheGregorianYearWouldNotFitSixteenBits) {
    engine.JYear = 5768;
    Show(dialog);
    Type(dialog.jyear_box(), "99999");
    Up(dialog.UpDown1());
    EXPECT_EQ(TakeMessage(), kJewishRefusal);
    EXPECT_EQ(engine.ResultJYear, 5768);
    Type(dialog.jyear_box(), "-29007");
    Down(dialog.UpDown1());
    EXPECT_EQ(TakeMessage(), kJewishRefusal);
    Type(dialog.jyear_box(), "5343");
    Down(dialog.UpDown1());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(engine.ResultJYear, 5342);
}

TEST_F(GetJYearTest, EscapeAndTheFrameCancel) {
    engine.JYear = 5768;
    Show(dialog);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_FALSE(dialog.isVisible());
    engine.Cancelled = false;
    Show(dialog);
    dialog.close();
    EXPECT_TRUE(engine.Cancelled);
}

}  // namespace
}  // namespace qavo::ui
