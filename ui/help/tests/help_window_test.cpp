#include "ui/help/help_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <set>

QT_BEGIN_NAMESPACE
// Readable failure messages for texts of the help window.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
QT_END_NAMESPACE

namespace qavo::help {
namespace {

// The directory of the built program, where the build copies the help files.
const QString kProgramDir = QStringLiteral(QAVO_PROGRAM_DIR);

// Every match of the regular expression's first group, in file order.
std::vector<std::string> AllMatches(const std::string& text, const char* pattern) {
    std::vector<std::string> found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QString::fromLatin1(pattern)).globalMatch(QString::fromStdString(text));
    while (it.hasNext()) {
        found.push_back(it.next().captured(1).toStdString());
    }
    return found;
}

// The text of the line at the top of the visible part of the help text.
QString TopLine(const HelpWindow& window) {
    QApplication::processEvents();
    return window.Text()->cursorForPosition(QPoint(4, 4)).block().text().trimmed();
}

class HelpWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CloseHelpWindows(&owner_);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget owner_;
};

// Each book opens at its introduction, its contents list every heading with
// an id, and every topic is reached from the contents with its heading at the
// top, down to where the text is too short below a heading to scroll it that far.
TEST_F(HelpWindowTest, BothBooksOpenAtIntroductionAndReachEveryTopic) {
    const struct {
        HelpBook book;
        const char* fileName;
        const char* caption;
    } books[] = {
        {HelpBook::Program, "qavowin.chm", "QAVO Help"},
        {HelpBook::History, "qavohist.chm", "Calendar History & Rules"},
    };
    HelpWindow* window = nullptr;
    int introductionScroll = 0;
    for (const auto& b : books) {
        SCOPED_TRACE(b.fileName);
        window = OpenHelp(&owner_, kProgramDir, b.book);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->FilePath(), kProgramDir + "/" + b.fileName);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(b.caption));
        EXPECT_EQ(window->CurrentTopic(), "Introduction");
        EXPECT_EQ(TopLine(*window), "Introduction");

        // The headings are counted here by a pattern of their own, in file order.
        QFile file(window->FilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string html = file.readAll().toStdString();
        const std::vector<std::string> headingIds =
            AllMatches(html, R"re(<h[23][^>]*\sid="([^"]+)")re");
        EXPECT_GT(headingIds.size(), 10u);
        std::vector<std::string> ids;
        introductionScroll = window->Text()->verticalScrollBar()->value();
        int reached = 0;
        int lastScroll = introductionScroll;
        for (QTreeWidgetItemIterator it(window->Contents()); *it != nullptr; ++it) {
            ids.push_back((*it)->data(0, Qt::UserRole).toString().toStdString());
            window->Contents()->setCurrentItem(*it);
            const int scroll = window->Text()->verticalScrollBar()->value();
            EXPECT_GE(scroll, lastScroll) << (*it)->text(0).toStdString();
            lastScroll = scroll;
            if (scroll < window->Text()->verticalScrollBar()->maximum()) {
                EXPECT_EQ(TopLine(*window), (*it)->text(0));
                ++reached;
            }
        }
        EXPECT_EQ(ids, headingIds);
        EXPECT_GT(reached, 20);

        // Every link leads to a topic of the same file, and ids are unique.
        const std::set<std::string> idSet(headingIds.begin(), headingIds.end());
        EXPECT_EQ(idSet.size(), headingIds.size());
        for (const std::string& target : AllMatches(html, R"re(href="#([^"]*)")re")) {
            EXPECT_TRUE(idSet.count(target) == 1) << "link to #" << target;
        }
        EXPECT_TRUE(AllMatches(html, R"re(href="([^#][^"]*)")re").empty());
    }

    // A link inside the text behaves as a choice in the contents.
    emit window->Text()->anchorClicked(QUrl(QStringLiteral("#Postponements")));
    EXPECT_EQ(window->CurrentTopic(), "Postponements");
    EXPECT_EQ(TopLine(*window), "The Postponements");

    // An unknown topic shows the first one.
    window->ShowTopic(QStringLiteral("NoSuchTopic"));
    EXPECT_EQ(window->CurrentTopic(), "Introduction");
    EXPECT_EQ(TopLine(*window), "Introduction");
    EXPECT_EQ(window->Text()->verticalScrollBar()->value(), introductionScroll);
}

// Opening a book again shows its window afresh, read anew from a file that
// may have been mended meanwhile.
TEST_F(HelpWindowTest, OpeningAgainReusesAndRereadsAndShutdownClosesEvery) {
    QTemporaryDir directory;
    QPointer<HelpWindow> program = OpenHelp(&owner_, directory.path(), HelpBook::Program);
    EXPECT_EQ(program->Contents()->topLevelItemCount(), 0);
    ASSERT_TRUE(QFile::copy(HelpFilePath(kProgramDir, HelpBook::Program),
                            HelpFilePath(directory.path(), HelpBook::Program)));
    EXPECT_EQ(OpenHelp(&owner_, directory.path(), HelpBook::Program), program.data());
    EXPECT_GT(program->Contents()->topLevelItemCount(), 5);
    EXPECT_TRUE(program->Contents()->isVisible());
    program->ShowTopic(QStringLiteral("OutputWindow"));
    EXPECT_EQ(OpenHelp(&owner_, directory.path(), HelpBook::Program), program.data());
    EXPECT_EQ(program->CurrentTopic(), "Introduction");
    QPointer<HelpWindow> history = OpenHelp(&owner_, kProgramDir, HelpBook::History);
    ASSERT_TRUE(program && history);
    EXPECT_EQ(owner_.findChildren<HelpWindow*>().size(), 2);
    CloseHelpWindows(&owner_);
    EXPECT_FALSE(program->isVisible());
    EXPECT_FALSE(history->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(program.isNull());
    EXPECT_TRUE(history.isNull());
}

TEST_F(HelpWindowTest, AFileThatCannotBeShownIsExplainedInTheWindow) {
    QTemporaryDir directory;
    const QString missing = HelpFilePath(directory.path(), HelpBook::Program);

    const auto makeFile = [&](const char* name, const QByteArray& bytes, qint64 size) {
        QFile file(directory.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0 && file.resize(size));
        return file.fileName();
    };
    const QString noTopics =
        makeFile("notopics.chm", {"\xFF\xD8\x00garbage<h2>no id</h2>", 24}, 24);
    const QString huge = makeFile("huge.chm", {}, 9 * 1024 * 1024);  // sparse: no room on the disk
    const QString folder = directory.filePath(QStringLiteral("folder.chm"));
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("folder.chm")));

    const struct {
        QString path;
        const char* problem;
    } cases[] = {
        {missing,
         "The help file %1 was not found. The help files belong in the program's own "
         "directory."},
        {noTopics, "The file %1 holds no help topics."},
        {folder, "The help file %1 could not be opened: "},  // and why
        {huge, "The file %1 is too large to be a help file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        HelpWindow* window = ShowHelpFile(&owner_, c.path);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        const QString text = window->Text()->toPlainText();
        const QString expected = QString::fromLatin1(c.problem).arg(c.path);
        EXPECT_TRUE(text.startsWith("Help is not available\n" + expected)) << text.toStdString();
        EXPECT_EQ(window->Contents()->topLevelItemCount(), 0);
        EXPECT_FALSE(window->Contents()->isVisible());
        EXPECT_EQ(window->CurrentTopic(), QString());
    }
}

}  // namespace
}  // namespace qavo::help
