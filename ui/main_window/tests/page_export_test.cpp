#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "ui/main_window/file_menu_commands.hpp"
#include "ui/main_window/printer2.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/tests/ui_fixture.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {
namespace {

using testing::ScriptedDialog;
using testing::TestPlatform;

// The layout of the printed page in twips: the grid starts at (400, 1400),
// cells are 1200 wide and 900 high.
constexpr int kLeft = 400;
constexpr int kTop = 1400;
constexpr int kWidth = 1200;
constexpr int kHeight = 900;

QPoint CellCorner(int cell) {
    return {kLeft + (cell - 1) % 7 * kWidth, kTop + (cell - 1) / 7 * kHeight};
}

bool IsBlack(const QImage& image, int xTwips, int yTwips) {
    return image.pixelColor(TwipsToPixelsX(xTwips), TwipsToPixelsY(yTwips)) == Qt::black;
}

// Pixels darker than mid-grey inside a rectangle given in twips, its edges
// kept clear of the grid lines.
int DarkPixels(const QImage& image, int left, int top, int width = kWidth, int height = kHeight) {
    int dark = 0;
    for (int x = TwipsToPixelsX(left) + 2; x < TwipsToPixelsX(left + width) - 1; ++x) {
        for (int y = TwipsToPixelsY(top) + 2; y < TwipsToPixelsY(top + height) - 1; ++y) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

// Today is 23 April 2024.
struct PageExportTest : ::testing::Test {
    TestPlatform platform{{2024, 4, 23}};
    Calendar calendar{platform};
    ScriptedDialog* dialog = new ScriptedDialog;
    QavoWin window{calendar, std::unique_ptr<CommonDialog>(dialog)};
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_EQ(window.Load(), StartupResult::Ready);
        platform.messages.clear();
    }
    void Show(int year, int month) {
        window.engine().GYear = static_cast<Integer>(year);
        window.engine().TargetGMonth = static_cast<Integer>(month);
        window.BuildMonthPage();
    }
    Printer2& Surface() { return window.findChild<FileMenuCommands*>()->Surface(); }
    // The one text drawn at a place in twips, in its size in points; empty when none.
    QString TextAt(double x, double y, double points) {
        QString found;
        for (const auto& text : Surface().Texts()) {
            if (text.x == x && text.y == y) {
                EXPECT_TRUE(found.isEmpty()) << "two texts at " << x << ", " << y;
                EXPECT_EQ(text.points, points) << text.text.toStdString();
                found = text.text;
            }
        }
        return found;
    }
};

TEST_F(PageExportTest, ThePageHoldsTheMonthsTitleDaysAndRows) {
    struct Day {
        int cell;
        const char* day;
        const char* holiday;
        const char* jewish;
    };
    const struct {
        int year, month, rows;
        const char* title;
        std::vector<Day> days;
        std::vector<int> empty;  // cells before the 1st and after the last day
    } cases[] = {
        // 1 February 2009 was a Sunday, 7 Shevat 5769; Tu B'Shevat fell on the 9th.
        {2009,
         2,
         5,
         "February  2009        5769",
         {{1, " 1", "", "Shevat 7"},
          {9, " 9", "Tu B'Shevat", "Shevat 15"},
          {28, " 28", "", "Adar 4"}},
         {29, 35}},
        // 1 March 2008 was a Saturday, 24 Adar I 5768; Purim was 14 Adar II, 21 March.
        {2008,
         3,
         6,
         "March     2008        5768",
         {{7, " 1", "", "Adar 24"},
          {27, " 21", "Purim", "Adar II 14"},
          {37, " 31", "", "Adar II 24"}},
         {1, 6, 38, 42}},
        // Rosh Hashanah 5769 fell on Tuesday 30 September 2008: the September
        // page keeps 5768 although its last day is in 5769.
        {2008, 9, 5, "September 2008        5768", {}, {1, 32}},
        {2008, 10, 5, "October   2008        5769", {}, {3, 35}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Show(c.year, c.month);
        window.Menu().Menu_ToClipboard->trigger();
        const QImage& image = Surface().Image();
        EXPECT_EQ(TextAt(2800, 350, 18), c.title);
        // The headings stand on one line, 100 twips below the title's line.
        Surface().SetFontSize(18);
        Surface().SetCurrentPosition(0, 350);
        Surface().PrintText("", true);
        const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(TextAt(kLeft + k * kWidth + 400, Surface().CurrentY() + 100, 12), names[k]);
        }
        for (const Day& d : c.days) {
            const QPoint corner = CellCorner(d.cell);
            EXPECT_EQ(TextAt(corner.x() + 500, corner.y(), 12), d.day);
            EXPECT_EQ(TextAt(corner.x() + 100, corner.y() + 500, 8), d.holiday);
            EXPECT_EQ(TextAt(corner.x() + 100, corner.y() + 700, 8), d.jewish);
            EXPECT_GT(DarkPixels(image, corner.x(), corner.y()), 0) << d.cell;
        }
        for (int cell : c.empty) {
            EXPECT_EQ(DarkPixels(image, CellCorner(cell).x(), CellCorner(cell).y()), 0) << cell;
        }
        // The grid: 8 vertical lines and rows + 1 horizontal ones, nothing below.
        for (int k = 0; k <= 7; ++k) {
            EXPECT_TRUE(IsBlack(image, kLeft + k * kWidth, kTop + 450)) << "vertical " << k;
            EXPECT_TRUE(IsBlack(image, kLeft + k * kWidth, kTop + c.rows * kHeight - 450));
        }
        for (int k = 0; k <= c.rows; ++k) {
            EXPECT_TRUE(IsBlack(image, kLeft + 600, kTop + k * kHeight)) << "horizontal " << k;
            EXPECT_TRUE(IsBlack(image, 8800 - 600, kTop + k * kHeight));
            EXPECT_FALSE(IsBlack(image, 8800 + 300, kTop + k * kHeight)) << "past the grid";
        }
        EXPECT_EQ(DarkPixels(image, kLeft, kTop + c.rows * kHeight, 7 * kWidth,
                             6800 - c.rows * kHeight - kTop + 60),
                  0);
        if (c.month == 2) {  // 28 day numbers and Jewish dates, one holiday, title, headings
            EXPECT_EQ(Surface().Texts().size(), 28u * 2 + 1 + 1 + 7);
        }
    }
}

// Clipboard, file and printer each take the month shown, whatever month a
// command left in the engine, and the window keeps its page. A cancel writes
// nothing and says nothing; an unwritable place writes nothing and says why.
TEST_F(PageExportTest, EachOutputTakesTheShownPage) {
    Show(2024, 4);
    const QString chosen = folder.filePath("page");  // the suffix is added
    const QString file = chosen + ".bmp";
    const QString pdf = folder.filePath("page.pdf");
    const QString missing = folder.filePath("missing/page.bmp");
    dialog->saveAnswers = {std::nullopt, missing, chosen};
    dialog->printAnswers = {std::nullopt, pdf};
    for (QAction* item :
         {window.Menu().Menu_ToFile, window.Menu().Menu_ToFile, window.Menu().Menu_ToPrinter}) {
        item->trigger();
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        EXPECT_FALSE(Surface().isVisible());
    }
    EXPECT_EQ(
        testing::TakeMessage(platform.messages),
        "Warning: " + missing.toStdString() + " could not be written: No such file or directory.");
    // A text export earlier in the run asked for the overwrite prompt; the
    // dialog keeps it, as it keeps the chosen name.
    dialog->SetOverwritePrompt(true);
    window.engine().GYear = 1999;
    window.Menu().Menu_ToClipboard->trigger();
    EXPECT_EQ(testing::TakeMessage(platform.messages),
              "QAVO for Windows: Calendar page sent to clipboard.");
    EXPECT_EQ(TextAt(2800, 350, 18), "April     2024        5784");
    EXPECT_EQ(QGuiApplication::clipboard()->image(), Surface().Image());
    EXPECT_TRUE(IsBlack(Surface().grab().toImage(), kLeft + 600, kTop));  // painted as drawn
    EXPECT_FALSE(Surface().isVisible());

    window.Menu().Menu_ToFile->trigger();
    EXPECT_EQ(dialog->Filter(), "Bit Mapped File (*.bmp)|*.bmp|All Files (*.*)|*.*");
    EXPECT_TRUE(dialog->OverwritePrompt());
    EXPECT_EQ(dialog->FileName(), chosen);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(testing::TakeMessage(platform.messages),
              "QAVO for Windows: Calendar page saved as " + file.toStdString());
    const QImage read(file, "BMP");  // a bitmap, whatever its name
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), Surface().Image());
    EXPECT_FALSE(Surface().isVisible());

    window.Menu().Menu_ToPrinter->trigger();
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray content = printed.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Surface().isVisible());
    EXPECT_EQ(window.Page().MarkedCell, 24);
    EXPECT_EQ(window.Page().monthIndex, 3);
}

}  // namespace
}  // namespace qavo::ui
