#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include "ui/tests/ui_fixture.hpp"
#include "ui/windows/out_form.hpp"
#include "ui/windows/report_printing.hpp"

namespace qavo::ui {
namespace {

using testing::ScriptedDialog;
using testing::TestPlatform;

// A city name and a heading beyond ASCII survive the box, the clipboard and the file.
constexpr const char* kReport =
    "Line one\r\nSecond  line\r\n  Z\xC3\xBCrich \xD7\xA4\xD7\xA1\xD7\x97";
const QString kLastLine = QString::fromUtf8("  Z\u00fcrich \u05e4\u05e1\u05d7");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct OutFormTest : ::testing::Test {
    TestPlatform platform{{2024, 4, 23}};
    ScriptedDialog dialog;
    QWidget owner;  // the main window, in a corner of the screen
    OutForm form{platform, dialog, &owner};
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        owner.setGeometry(0, 0, 200, 100);
        owner.show();
        form.SetReport(kReport);
        form.show();
    }
    void Press(const char* button) {
        auto* command = form.findChild<QPushButton*>(button);
        ASSERT_NE(command, nullptr) << button;
        command->click();
    }
    // Selects `length` characters from `start` with the keyboard.
    void Select(int start, int length) {
        QTextCursor cursor = form.OutBox()->textCursor();
        cursor.setPosition(start);
        form.OutBox()->setTextCursor(cursor);
        for (int i = 0; i < length; ++i) {
            QTest::keyClick(form.OutBox(), Qt::Key_Right, Qt::ShiftModifier);
        }
    }
    std::string Message() { return testing::TakeMessage(platform.messages); }
};

// The report columns line up, every character as wide as any other.
TEST_F(OutFormTest, TheBoxShowsTheReportInAFixedPitchFontForReadingOnly) {
    const QFontMetrics metrics(form.OutBox()->font());
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
    // The box cannot be edited, but keys move and select.
    QTest::keyClicks(form.OutBox(), "abc 12");
    EXPECT_EQ(form.ExportText(), kReport);
    Select(0, 0);
    QTest::keyClick(form.OutBox(), Qt::Key_Down);
    QTest::keyClick(form.OutBox(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form.ExportText(), "S");
    QTest::keyClick(form.OutBox(), Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(form.ExportText()), "Second  line\r\n" + kLastLine);
    // A taller window is a taller box, for a long list.
    const QSize box = form.OutBox()->size();
    form.resize(form.width(), form.height() * 2);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_GE(form.OutBox()->height(), box.height() + form.height() / 2 - 2);
    EXPECT_EQ(form.OutBox()->width(), box.width());
}

// Each output takes the full text, or the selection alone and then drops it.
TEST_F(OutFormTest, EachOutputTakesTheFullTextOrTheSelection) {
    const QString path = folder.filePath("report.txt");
    const QString full = folder.filePath("full.pdf");
    const QString part = folder.filePath("part.pdf");
    dialog.saveAnswers = {path, path};
    dialog.printAnswers = {std::nullopt, full, part};
    Press("Command2");
    EXPECT_EQ(Message(), "Text Copied: Full text copied to ClipBoard.");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Line one\nSecond  line\n" + kLastLine);
    Press("Command4");
    EXPECT_EQ(dialog.Filter(), "Text File (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_TRUE(dialog.OverwritePrompt());
    EXPECT_EQ(ReadAll(path), QByteArray(kReport) + "\r\n");
    EXPECT_EQ(Message(), "Text Copied: Full text sent to " + path.toStdString());
    Press("Command3");  // cancelled
    EXPECT_TRUE(platform.messages.empty());
    Press("Command3");
    EXPECT_EQ(Message(), "Text Printed: Full text sent to printer.");
    EXPECT_TRUE(ReadAll(full).startsWith("%PDF"));

    Select(10, 6);
    Press("Command2");
    EXPECT_EQ(Message(), "Text Copied: Selected text copied to Clipboard.");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "econd ");
    EXPECT_EQ(form.OutBox()->textCursor().position(), 10);
    EXPECT_FALSE(form.HasSelection());
    Select(10, 6);
    Press("Command4");
    EXPECT_EQ(ReadAll(path), QByteArray("econd \r\n"));  // the file replaced
    EXPECT_EQ(Message(), "Text Copied: Selected text sent to " + path.toStdString());
    EXPECT_FALSE(form.HasSelection());
    Select(10, 6);
    Press("Command3");
    EXPECT_EQ(Message(), "Text Printed: Selected text sent to printer.");
    EXPECT_TRUE(ReadAll(part).startsWith("%PDF"));
    EXPECT_FALSE(form.HasSelection());
}

// Cancelled, a save writes nothing and says nothing; failed, it leaves the
// old file whole and says which file and why.
TEST_F(OutFormTest, ACancelledSaveSaysNothingAndAFailedOneSaysWhy) {
    const QString path = folder.filePath("kept.txt");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    const QString taken = folder.filePath("taken.txt");
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.txt"));
    const QString missing = folder.filePath("no/such/folder/x.txt");
    Select(0, 4);
    dialog.saveAnswers = {std::nullopt, QString(), taken, missing};
    const std::string told[] = {
        "", "", "Warning: " + taken.toStdString() + " could not be written: it is a folder.",
        "Warning: " + missing.toStdString() + " could not be written: No such file or directory."};
    for (const std::string& message : told) {
        Press("Command4");
        EXPECT_EQ(platform.messages.empty() ? "" : Message(), message);
    }
    EXPECT_TRUE(dialog.saveAnswers.empty());  // each press asked
    EXPECT_TRUE(form.HasSelection());         // the selection stays after a failure
    EXPECT_EQ(ReadAll(path), QByteArray("old contents"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"kept.txt", "taken.txt"}));
}

// A page holds the report alone: its first line at the top left, nothing
// below its last line (no header, margins or page number), and a new page
// only when one is full.
TEST(ReportPages, HoldTheTextAloneFromTheTopLeft) {
    QImage page(300, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font(), &page);
    const int perPage = page.height() / metrics.lineSpacing();
    int pages = 1;
    PaintReportPages(painter, page.size(), {"MMMM"}, [&pages] { return ++pages, true; });
    EXPECT_EQ(pages, 1);
    int inkBottom = -1;
    int inkLeft = page.width();
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                inkBottom = std::max(inkBottom, y);
                inkLeft = std::min(inkLeft, x);
            }
        }
    }
    EXPECT_LT(inkBottom, metrics.lineSpacing());
    EXPECT_LT(inkLeft, metrics.horizontalAdvance('M'));
    PaintReportPages(painter, page.size(), QStringList(perPage + 1, "x"),
                     [&pages] { return ++pages, true; });
    EXPECT_EQ(pages, 2);
}

TEST_F(OutFormTest, AHolidayListIsSavedAsTheToolsCalendarFile) {
    auto* save = form.findChild<QPushButton*>("SaveCalendarFile");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "Save &as Calendar File...");
    EXPECT_FALSE(save->isEnabled());  // a report that lists no days
    form.SetListedDays({{{2026, 4, 2}, "Passover", "Thu, April 2"}, {{2026, 9, 12}, "Rosh", "R"}});
    ASSERT_TRUE(save->isEnabled());
    const QString path = folder.filePath("holidays.ics");
    dialog.saveAnswers = {folder.filePath("holidays"), folder.filePath("holidays")};
    Press("SaveCalendarFile");
    EXPECT_EQ(dialog.Filter(), "Calendar File (*.ics)|*.ics|All Files (*.*)|*.*");
    EXPECT_EQ(ReadAll(path).count("BEGIN:VEVENT"), 2);  // the days listed, each an event
    EXPECT_EQ(Message(), "Calendar File: Calendar file sent to " + path.toStdString());
    // The suffix added makes a name the dialog did not ask about: asked here.
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Press("SaveCalendarFile");
    EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(ReadAll(path), QByteArray("old"));  // not answered Yes
}

TEST(CommonDialogFilter, BecomesTheDesktopsNotation) {
    EXPECT_EQ(CommonDialog::NameFilters("Text File (*.txt)|*.txt|All Files (*.*)|*.*"),
              "Text File (*.txt);;All Files (*.*)");
    EXPECT_EQ(CommonDialog::NameFilters("Bit Mapped File (*.bmp)|*.bmp"),
              "Bit Mapped File (*.bmp)");
}

}  // namespace
}  // namespace qavo::ui
