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
int DarkPixels(const QImage& image, int left, int top, int width, int height) {
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
    // The texts drawn at a place, in twips.
    std::vector<Printer2::DrawnText> TextsAt(double x, double y) {
        std::vector<Printer2::DrawnText> found;
        for (const auto& text : Surface().Texts()) {
            if (text.x == x && text.y == y) {
                found.push_back(text);
            }
        }
        return found;
    }
    void ExpectText(double x, double y, double points, const QString& text) {
        const auto found = TextsAt(x, y);
        ASSERT_EQ(found.size(), 1u) << "at " << x << ", " << y << ": " << text.toStdString();
        EXPECT_EQ(found[0].text, text);
        EXPECT_EQ(found[0].points, points);
    }
    void ExpectDay(int cell, const QString& day, const QString& holiday, const QString& jewish) {
        const QPoint corner = CellCorner(cell);
        ExpectText(corner.x() + 500, corner.y(), 12, day);
        if (holiday.isEmpty()) {
            EXPECT_TRUE(TextsAt(corner.x() + 100, corner.y() + 500).empty());
        } else {
            ExpectText(corner.x() + 100, corner.y() + 500, 8, holiday);
        }
        ExpectText(corner.x() + 100, corner.y() + 700, 8, jewish);
    }
    // The grid of `rows` rows: 8 vertical lines and rows + 1 horizontal ones.
    void ExpectGrid(int rows) {
        const QImage& image = Surface().Image();
        for (int k = 0; k <= 7; ++k) {
            EXPECT_TRUE(IsBlack(image, kLeft + k * kWidth, kTop + 450)) << "vertical " << k;
            EXPECT_TRUE(IsBlack(image, kLeft + k * kWidth, kTop + rows * kHeight - 450));
        }
        for (int k = 0; k <= rows; ++k) {
            EXPECT_TRUE(IsBlack(image, kLeft + 600, kTop + k * kHeight)) << "horizontal " << k;
            EXPECT_TRUE(IsBlack(image, 8800 - 600, kTop + k * kHeight));
        }
        // Nothing is drawn below the last row.
        EXPECT_EQ(DarkPixels(image, kLeft, kTop + rows * kHeight, 7 * kWidth,
                             6800 - rows * kHeight - kTop + 60),
                  0);
    }
    void ExpectHeadings(const QString& title) {
        ExpectText(2800, 350, 18, title);
        const auto& texts = Surface().Texts();
        const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        double headingY = -1;
        for (int k = 0; k < 7; ++k) {
            const auto heading = std::find_if(texts.begin(), texts.end(),
                                              [&](const auto& t) { return t.text == names[k]; });
            ASSERT_NE(heading, texts.end()) << names[k];
            EXPECT_EQ(heading->x, kLeft + k * kWidth + 400);
            EXPECT_EQ(heading->points, 12);
            headingY = k == 0 ? heading->y : headingY;
            EXPECT_EQ(heading->y, headingY);
        }
        // One title line and 100 twips below the title, above the grid.
        EXPECT_GT(headingY, 350 + 100 + 18 * 20 / 2);
        EXPECT_LT(headingY + 12 * 20, kTop);
        EXPECT_GT(DarkPixels(Surface().Image(), 2800, 350, 2400, 300), 0);
    }
};

TEST_F(PageExportTest, FebruaryOf2009HasFiveRows) {
    Show(2009, 2);
    window.Menu().Menu_ToClipboard->trigger();
    ExpectHeadings("February  2009        5769");
    ExpectGrid(5);
    // 1 February 2009 was a Sunday, 7 Shevat 5769; Tu B'Shevat fell on the 9th.
    ExpectDay(1, " 1", "", "Shevat 7");
    ExpectDay(9, " 9", "Tu B'Shevat", "Shevat 15");
    ExpectDay(28, " 28", "", "Adar 4");
    const QImage& image = Surface().Image();
    EXPECT_GT(DarkPixels(image, CellCorner(1).x(), CellCorner(1).y(), kWidth, kHeight), 0);
    for (int cell = 29; cell <= 35; ++cell) {
        EXPECT_EQ(DarkPixels(image, CellCorner(cell).x(), CellCorner(cell).y(), kWidth, kHeight), 0)
            << "cell " << cell;
    }
    // 28 day numbers and Jewish dates, one holiday, the title and 7 headings.
    EXPECT_EQ(Surface().Texts().size(), 28u * 2 + 1 + 1 + 7);
}

TEST_F(PageExportTest, MarchOf2008HasSixRows) {
    Show(2008, 3);
    window.Menu().Menu_ToClipboard->trigger();
    ExpectHeadings("March     2008        5768");
    ExpectGrid(6);
    // 1 March 2008 was a Saturday, 24 Adar I 5768; Purim was 14 Adar II, 21 March.
    ExpectDay(7, " 1", "", "Adar 24");
    ExpectDay(27, " 21", "Purim", "Adar II 14");
    ExpectDay(37, " 31", "", "Adar II 24");
    const QImage& image = Surface().Image();
    for (int cell : {1, 6, 38, 42}) {
        EXPECT_EQ(DarkPixels(image, CellCorner(cell).x(), CellCorner(cell).y(), kWidth, kHeight), 0)
            << "cell " << cell;
    }
    EXPECT_GT(DarkPixels(image, CellCorner(37).x(), CellCorner(37).y(), kWidth, kHeight), 0);
}

TEST_F(PageExportTest, TitleCarriesTheJewishYearOfTheFirst) {
    const struct {
        int year;
        int month;
        const char* title;
    } cases[] = {
        // Rosh Hashanah 5769 fell on 30 September 2008: the September page
        // keeps 5768 although its last day is in 5769.
        {2008, 9, "September 2008        5768"},
        {2008, 10, "October   2008        5769"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Show(c.year, c.month);
        window.Menu().Menu_ToClipboard->trigger();
        ExpectHeadings(c.title);
    }
}

TEST_F(PageExportTest, ClipboardGetsTheImageAndTheWindowKeepsItsPage) {
    Show(2024, 4);
    const MonthPage before = window.Page();
    ASSERT_EQ(before.MarkedCell, 24);
    // A command may leave another month in the engine; the shown one is exported.
    window.engine().GYear = 1999;
    window.Menu().Menu_ToClipboard->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Calendar page sent to clipboard.");
    EXPECT_EQ(platform.messages[0].title, "QAVO for Windows");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(Surface().isVisible());
    ExpectHeadings("April     2024        5784");
    EXPECT_EQ(QGuiApplication::clipboard()->image(), Surface().Image());
    EXPECT_EQ(window.Page().MarkedCell, 24);
    EXPECT_EQ(window.Page().monthIndex, 3);
    EXPECT_EQ(window.engine().GYear, 2024);
    EXPECT_EQ(window.engine().TargetGMonth, 4);
}

TEST_F(PageExportTest, FileIsAReadableBitmap) {
    Show(2009, 2);
    const QString file = folder.filePath("page.bmp");
    dialog->saveAnswers.push_back(file);
    // A text export earlier in the run asked for the overwrite prompt; the
    // dialog keeps it, as it keeps the chosen name.
    dialog->SetOverwritePrompt(true);
    window.Menu().Menu_ToFile->trigger();
    EXPECT_EQ(dialog->Filter(), "Bit Mapped File (*.bmp)|*.bmp|All Files (*.*)|*.*");
    EXPECT_TRUE(dialog->OverwritePrompt());
    EXPECT_EQ(dialog->FileName(), file);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Calendar page saved as " + file.toStdString());
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    QFile bytes(file);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytes.read(2), "BM");
    const QImage read(file, "BMP");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), Surface().Image().size());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), Surface().Image());
    EXPECT_FALSE(Surface().isVisible());
}

TEST_F(PageExportTest, CancelOrAnUnwritablePlaceWritesNothing) {
    Show(2009, 2);
    dialog->saveAnswers = {std::nullopt, folder.filePath("missing/page.bmp")};
    for (int i = 0; i < 2; ++i) {
        window.Menu().Menu_ToFile->trigger();
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_FALSE(Surface().isVisible());
    }
}

TEST_F(PageExportTest, PrinterGetsOnePage) {
    Show(2008, 3);
    dialog->printAnswers.push_back(std::nullopt);
    window.Menu().Menu_ToPrinter->trigger();
    EXPECT_EQ(dialog->printShown, 1);
    EXPECT_FALSE(Surface().isVisible());

    const QString pdf = folder.filePath("page.pdf");
    dialog->printAnswers.push_back(pdf);
    window.Menu().Menu_ToPrinter->trigger();
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray content = printed.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Surface().isVisible());
}

}  // namespace
}  // namespace qavo::ui
