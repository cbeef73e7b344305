#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "ui/platform/centre_on_screen.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/platform/qt_platform.hpp"
#include "ui/tests/ui_fixture.hpp"

namespace qavo::ui {
namespace {

TEST(QtPlatform, MessageBoxesCarryTitleIconAndButtons) {
    const struct {
        MessageIcon icon;
        QMessageBox::Icon shown;
        QMessageBox::StandardButton press;  // Ok: the box has no other button
        MessageAnswer answer;
    } cases[] = {
        {MessageIcon::Stop, QMessageBox::Critical, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageIcon::Information, QMessageBox::Information, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageIcon::None, QMessageBox::NoIcon, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageIcon::Question, QMessageBox::Question, QMessageBox::Yes, MessageAnswer::Yes},
        {MessageIcon::Exclamation, QMessageBox::Warning, QMessageBox::No, MessageAnswer::No},
    };
    QtPlatform platform;
    int seen = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.shown));
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            ++seen;
            EXPECT_EQ(box->windowTitle(), "Incorrect Year");
            EXPECT_EQ(box->text(), "Create it?");
            EXPECT_EQ(box->icon(), c.shown);
            EXPECT_EQ(box->button(QMessageBox::Yes) != nullptr, c.press != QMessageBox::Ok);
            box->button(c.press)->click();
        });
        const auto buttons =
            c.press == QMessageBox::Ok ? MessageButtons::Ok : MessageButtons::YesNo;
        EXPECT_EQ(platform.ShowMessage("Create it?", "Incorrect Year", c.icon, buttons), c.answer);
    }
    EXPECT_EQ(seen, 5);
}

TEST(QtPlatform, BusyPointerHasNoNesting) {
    QtPlatform platform;
    platform.BusyCursorOn();
    platform.BusyCursorOn();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.BusyCursorOff();  // the last call wins
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The save dialog offers the file chosen last time; Cancel hands back nothing.
// A second monitor right of a 1920-pixel one, or above another, keeps its
// offset: a 600x400 window stands in the middle of the monitor it is on.
TEST(CentreOnScreen, TheWindowStandsInTheMiddleOfItsOwnScreen) {
    EXPECT_EQ(CentredOn({0, 0, 1920, 1080}, {600, 400}), QPoint(660, 340));
    EXPECT_EQ(CentredOn({1920, 0, 1280, 1024}, {600, 400}), QPoint(2260, 312));
    EXPECT_EQ(CentredOn({0, -900, 1600, 900}, {601, 401}), QPoint(499, -651));
}

TEST(CommonDialog, SaveOffersTheLastFileChosen) {
    QTemporaryDir directory;
    const QString chosen = directory.filePath(QStringLiteral("calendar.txt"));
    CommonDialog dialog;
    QStringList offered, folders;
    const auto answer = [&](bool accept) {
        QTimer::singleShot(0, [&, accept] {
            auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            offered = shown->selectedFiles();
            folders << shown->directory().absolutePath();
            shown->selectFile(chosen);
            QDialog* asked = shown;  // accept() is public as a QDialog
            accept ? asked->accept() : asked->reject();
        });
    };
    answer(true);
    EXPECT_EQ(dialog.ShowSave(nullptr), chosen);
    answer(false);
    EXPECT_EQ(dialog.ShowSave(nullptr), std::nullopt);
    EXPECT_EQ(offered, QStringList{chosen});
    EXPECT_EQ(dialog.FileName(), chosen);
    // First in the home folder, where the user can write; then where the last file went.
    EXPECT_EQ(folders, (QStringList{QDir::homePath(), QDir(directory.path()).absolutePath()}));
}

// A failure a command lets out ends the command, not the program: a guarded
// slot tells it, and so does the application for anything else the event loop
// runs (here a queued call); the failed command's hourglass goes, and the
// next click runs.
TEST(GuardedApplication, AFailedCommandIsToldAndTheProgramGoesOn) {
    const struct {
        std::function<void()> fail;
        const char* told;
    } cases[] = {
        {[] { throw std::runtime_error("sunset.dat cannot be read"); },
         "QAVO for Windows: QAVO could not finish the command: sunset.dat cannot be read"},
        {[] { throw 42; }, "QAVO for Windows: QAVO could not finish the command: an unknown error"},
    };
    qavo::testing::FakePlatform& application = testing::ApplicationPlatform();
    for (const auto& c : cases) {
        for (const bool bySlot : {true, false}) {
            SCOPED_TRACE(std::string(c.told) + (bySlot ? ", guarded slot" : ", queued call"));
            QPushButton button("Go");
            int runs = 0;
            const auto command = [&] {
                if (++runs == 1) {
                    application.BusyCursorOn();
                    c.fail();
                }
            };
            QObject::connect(&button, &QPushButton::clicked, &button, Guarded(command));
            const auto run = [&] {
                if (bySlot) {
                    QTest::mouseClick(&button, Qt::LeftButton);
                } else {
                    QMetaObject::invokeMethod(&button, command, Qt::QueuedConnection);
                    QCoreApplication::processEvents();
                }
            };
            run();
            EXPECT_EQ(application.calls, (std::vector<std::string>{"busy on", "busy off",
                                                                   "message:QAVO for Windows"}));
            application.calls.clear();
            EXPECT_EQ(testing::TakeMessage(application.messages), c.told);
            run();
            EXPECT_EQ(runs, 2);
            EXPECT_FALSE(button.isDown());
        }
    }
}

}  // namespace
}  // namespace qavo::ui
