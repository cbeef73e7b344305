// The prompts driven as a user drives them: what OK accepts and refuses, what
// Cancel, Escape and the window frame leave, and where the keyboard starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <tuple>

#include "tests/support/fake_platform.hpp"
#include "ui/dialogs/get_gyear.hpp"
#include "ui/dialogs/get_jyear.hpp"
#include "ui/dialogs/gmonth_date_form.hpp"
#include "ui/dialogs/header_form.hpp"
#include "ui/dialogs/jmonth_date_form.hpp"
#include "ui/tests/ui_fixture.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/spin_button.hpp"

namespace qavo::ui {
namespace {

using testing::TakeMessage;

struct PromptTest : ::testing::Test {
    qavo::testing::FakePlatform platform{{2008, 4, 10}};
    Engine engine{platform};

    static void Show(QWidget& dialog) {
        dialog.show();
        QApplication::processEvents();
    }
    // Shows the dialog as the active window, as a command's modal showing does.
    static void ShowActive(QWidget& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    std::string Refusal() { return TakeMessage(platform.messages); }
};

TEST_F(PromptTest, GregorianYearOkAcceptsOnly1583To7000AndSpinsAtOnce) {
    GetGyear dialog(engine);
    // The year and its leap index, left at 1999 and 5 by a refused year.
    const std::tuple<const char*, int, int> cases[] = {
        {"1582", 1999, 5}, {"1583", 1583, 0},    {"7000", 7000, 0},
        {"7001", 1999, 5}, {"2008abc", 2008, 1},
    };
    for (const auto& [typed, year, leapIndex] : cases) {
        SCOPED_TRACE(typed);
        engine.GYear = 1999;
        engine.GLeapIndex = 5;
        Show(dialog);
        dialog.gyear_box()->setText(typed);
        dialog.button_ok()->click();
        EXPECT_EQ(std::tuple(engine.GYear, engine.GLeapIndex), std::tuple(year, leapIndex));
        EXPECT_EQ(dialog.isVisible(), year == 1999);
        if (dialog.isVisible()) {
            EXPECT_EQ(Refusal(), "Entry Error: Year must be between 1583 and 7000");
            dialog.hide();
        }
    }
    // Centred on its screen.
    const QPoint offCentre = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);

    // The spins, and Up in the box alike, change the year at once, and the
    // frame does not cancel.
    engine.GYear = 2008;
    Show(dialog);
    dialog.UpDown1()->UpArrow()->click();
    QTest::keyClick(dialog.gyear_box(), Qt::Key_Up);
    EXPECT_EQ(dialog.gyear_box()->text(), "2010");
    dialog.close();
    EXPECT_EQ(engine.GYear, 2010);
    EXPECT_FALSE(engine.Cancelled);
    // A spin on a year beyond 16 bits is refused and changes nothing.
    Show(dialog);
    dialog.gyear_box()->setText("99999");
    QTest::keyClick(dialog.gyear_box(), Qt::Key_Up);
    EXPECT_EQ(Refusal(), "Entry Error: Year must be between 1583 and 7000");
    EXPECT_EQ(engine.GYear, 2010);
    dialog.button_cancel()->click();
    EXPECT_TRUE(engine.Cancelled);
}

TEST_F(PromptTest, JewishYearOpensOnJYearAcceptsOnly5343To10760AndEscapeCancels) {
    GetJYear dialog(engine);
    const std::pair<const char*, int> cases[] = {
        {"5342", 0}, {"5343", 5343}, {"10760", 10760}, {"10761", 0}, {"-5769", 0},
    };
    for (const auto& [typed, year] : cases) {
        SCOPED_TRACE(typed);
        engine.JYear = 5768;
        Show(dialog);
        EXPECT_EQ(dialog.jyear_box()->text(), "5768");
        dialog.jyear_box()->setText(typed);
        dialog.button_ok()->click();
        EXPECT_EQ(engine.ResultJYear, year == 0 ? 5768 : year);
        if (year == 0) {
            EXPECT_EQ(Refusal(), "Entry Error: Year must be between 5343 and 10760");
            dialog.hide();
        }
    }
    Show(dialog);
    dialog.UpDown1()->DownArrow()->click();
    EXPECT_EQ(engine.ResultJYear, 5767);
    // A spin past either end of what the command can take is refused and changes nothing.
    for (const auto& [typed, up] : {std::pair("32767", true), std::pair("-29007", false)}) {
        dialog.jyear_box()->setText(typed);
        (up ? dialog.UpDown1()->UpArrow() : dialog.UpDown1()->DownArrow())->click();
        EXPECT_EQ(Refusal(), "Entry Error: Year must be between 5343 and 10760") << typed;
    }
    EXPECT_EQ(engine.ResultJYear, 5767);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(engine.Cancelled);
}

TEST_F(PromptTest, JewishMonthListFollowsTheYearAndTheDayItsMonth) {
    JMonthDateForm dialog(engine);
    const auto showFor = [&](int jYear, int shownMonth, int day) {
        engine.JYear = static_cast<Integer>(jYear);
        engine.ComputeYearType(jYear);
        engine.JMonthShown = static_cast<Integer>(shownMonth);
        engine.JDay = static_cast<Integer>(day);
        dialog.hide();
        Show(dialog);
    };
    // 5768 is a leap year with a 29-day Kislev, 5769 a common one, and 5770
    // has a 30-day Heshvan.
    showFor(5768, 7, 14);
    EXPECT_EQ(dialog.JMonthEntry()->count(), 13);
    EXPECT_EQ(dialog.JMonthEntry()->currentText().trimmed(), "Adar II");
    showFor(5769, 13, 29);  // Elul of a leap year shown for a common one: its Elul
    EXPECT_EQ(dialog.JMonthEntry()->count(), 12);
    EXPECT_EQ(dialog.JMonthEntry()->currentText().trimmed(), "Elul");
    dialog.JMonthEntry()->setCurrentIndex(6);
    dialog.JDateEntry()->setText(" 15");
    QTest::keyClick(dialog.JDateEntry(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(engine.JMonthShown, engine.JMonth, engine.JDay), std::tuple(7, 8, 15));
    const struct {
        int jYear, position;
        const char* typed;
        bool accepted;
    } days[] = {{5768, 2, "30", false}, {5768, 2, "29", true}, {5770, 1, "30", true},
                {5769, 1, "30", false}, {5769, 0, "0", false}, {5769, 0, "", false},
                {5769, 5, "29", true}};  // the Adar of a common year
    for (const auto& d : days) {
        SCOPED_TRACE(std::to_string(d.jYear) + " " + d.typed);
        showFor(d.jYear, 1, 1);
        dialog.JMonthEntry()->setCurrentIndex(d.position);
        dialog.JDateEntry()->setText(d.typed);
        dialog.Command1()->click();
        EXPECT_EQ(dialog.isVisible(), !d.accepted);
        if (!d.accepted) {
            EXPECT_EQ(Refusal(), "Entry Error: Invalid Date Entry");
            dialog.hide();
        }
    }
    showFor(5768, 3, 1);  // the spin wraps within Kislev 5768
    dialog.JMonthEntry()->setCurrentIndex(2);
    dialog.UpDown1()->DownArrow()->click();
    EXPECT_EQ(dialog.JDateEntry()->text(), " 29");
}

TEST_F(PromptTest, GregorianMonthReadsTheLeapIndexAtTheClickAndCancelKeepsTheDate) {
    GMonthDateForm dialog(engine);
    engine.GLeapIndex = 0;
    engine.TargetGMonth = 2;
    engine.TargetGDay = 29;
    Show(dialog);
    dialog.hide();
    Show(dialog);  // a second showing lists the months once
    EXPECT_EQ(dialog.GMonthBox()->count(), 12);
    dialog.Command1()->click();
    EXPECT_EQ(Refusal(), "Entry Error: Illegal entry");
    engine.GLeapIndex = 1;
    dialog.Command1()->click();
    EXPECT_FALSE(dialog.isVisible());
    Show(dialog);
    dialog.GMonthBox()->setCurrentIndex(0);
    dialog.GDateBox()->setText("3");
    dialog.Command2()->click();
    EXPECT_TRUE(engine.Cancelled);
    EXPECT_EQ(engine.TargetGMonth, 2);
    EXPECT_EQ(engine.TargetGDay, 29);
}

TEST_F(PromptTest, HeadingAndCountAreKeptAndACountPastTheCalendarIsRefused) {
    std::string heading = "Old";
    HeaderForm dialog(engine, heading);
    engine.SuccYears = 2;
    dialog.SetFirstJewishYear(10760);
    Show(dialog);
    dialog.UpDown1()->DownArrow()->click();
    dialog.UpDown1()->DownArrow()->click();
    EXPECT_EQ(dialog.SYearsBox()->text(), " 1");  // the count stays at one going down
    dialog.HeaderBox()->setText("New");
    dialog.SYearsBox()->setText("3");
    dialog.Command1()->click();
    const std::string refusal = Refusal();  // the rest of the text is the logic's
    EXPECT_TRUE(refusal.starts_with("Entry Error: Enter at most 2 ")) << refusal;
    dialog.Command2()->click();
    EXPECT_EQ(heading, "Old");
    EXPECT_EQ(engine.SuccYears, 2);
    ShowActive(dialog);  // the keyboard starts in the heading box, its text selected
    QTest::keyClicks(QApplication::focusWidget(), "New");
    dialog.SYearsBox()->setText("1");
    dialog.Command1()->click();
    EXPECT_EQ(heading, "New");
    EXPECT_EQ(engine.SuccYears, 1);
}

// At a large desktop font every caption gets the room its text needs, the
// controls beside and below it move along, and none overlaps another.
TEST_F(PromptTest, CaptionsFitTheirTextsAtALargeDesktopFont) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(14);
    QApplication::setFont(large);
    std::string heading;
    HeaderForm dialog(engine, heading);
    Show(dialog);
    const auto controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->text().toStdString();
        }
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            EXPECT_GE(button->width(), button->sizeHint().width());
        }
        for (const QWidget* other : controls) {
            EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
                << control->objectName().toStdString() << " " << other->objectName().toStdString();
        }
        EXPECT_TRUE(dialog.rect().contains(control->geometry()));
    }
    QApplication::setFont(desktop);
}

// Typing replaces the box's text on every showing: the first one, and one
// after Cancel was clicked with the mouse.
TEST_F(PromptTest, EveryShowingStartsInTheBoxWithItsTextSelected) {
    GetGyear dialog(engine);
    for (const char* typed : {"1999", "2024"}) {
        SCOPED_TRACE(typed);
        engine.GYear = 2008;
        ShowActive(dialog);
        ASSERT_EQ(QApplication::focusWidget(), dialog.gyear_box());
        QTest::keyClicks(QApplication::focusWidget(), typed);
        EXPECT_EQ(dialog.gyear_box()->text(), typed);
        QTest::mouseClick(dialog.button_cancel(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
}  // namespace qavo::ui
