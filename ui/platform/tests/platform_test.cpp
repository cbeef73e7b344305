#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
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

TEST(DataDirectory, ProgramFolderWhenWritableElseTheUserFolderWithCopies) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath("bin");
    const QString shipped = root.filePath("share/qavo");
    const QString user = root.filePath("home/.local/share/qavo");
    ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(shipped));
    {
        QFile city(QDir(shipped).filePath("sunset.dat"));
        ASSERT_TRUE(city.open(QIODevice::WriteOnly));
        city.write("cities");
    }
    EXPECT_EQ(ChooseDataDirectory(program, true, user, {program, shipped}), program);
    EXPECT_FALSE(QDir(user).exists());

    EXPECT_EQ(ChooseDataDirectory(program, false, user, {program, shipped}), user);
    QFile copied(QDir(user).filePath("sunset.dat"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), QByteArray("cities"));
    EXPECT_TRUE(copied.permissions() & QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(QDir(user).filePath("QAVOWIN.INI")));  // none was shipped
    copied.close();

    // A file the user already has is never replaced.
    {
        QFile mine(QDir(user).filePath("sunset.dat"));
        ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
        mine.write("mine");
    }
    ChooseDataDirectory(program, false, user, {program, shipped});
    QFile kept(QDir(user).filePath("sunset.dat"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("mine"));
}

}  // namespace
}  // namespace qavo::ui
