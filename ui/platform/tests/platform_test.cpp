#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/platform/qt_platform.hpp"

namespace qavo::ui {
namespace {

// Answers the next message box from a timer and records what it showed.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasYes = false;
};
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(),
                box->button(QMessageBox::Yes) != nullptr};
        box->button(press)->click();
    });
}

TEST(QtPlatform, MessageBoxesCarryTitleIconAndButtons) {
    QtPlatform platform;
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(platform.ShowMessage("Year must be between 1583 and 7000", "Incorrect Year",
                                   MessageIcon::Stop, MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(seen.title, "Incorrect Year");
    EXPECT_EQ(seen.text, "Year must be between 1583 and 7000");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_FALSE(seen.hasYes);

    AnswerNextBox(seen, QMessageBox::Yes);
    EXPECT_EQ(
        platform.ShowMessage("Create it?", "Warning", MessageIcon::Question, MessageButtons::YesNo),
        MessageAnswer::Yes);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_TRUE(seen.hasYes);
    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(platform.ShowMessage("Create it?", "Warning", MessageIcon::Exclamation,
                                   MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST(QtPlatform, BusyPointerHasNoNesting) {
    QtPlatform platform;
    platform.BusyCursorOn();
    platform.BusyCursorOn();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.BusyCursorOff();  // the last call wins
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform.BusyCursorOff();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace qavo::ui
