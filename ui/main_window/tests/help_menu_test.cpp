#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <string>

#include "ui/help/help_window.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/testing/ui_fixture.hpp"

namespace qavo::ui {
namespace {

using testing::ScriptedDialog;
using testing::TestPlatform;

struct HelpMenuTest : ::testing::Test {
    TestPlatform platform{{2024, 4, 23}};
    Calendar calendar{platform};
    QavoWin window{calendar, std::make_unique<ScriptedDialog>()};

    void SetUp() override { ASSERT_EQ(window.Load(), StartupResult::Ready); }
    QList<help::HelpWindow*> HelpWindows() { return window.findChildren<help::HelpWindow*>(); }
};

TEST_F(HelpMenuTest, EachBookOpensBesideTheProgramAndClosesWithTheMainWindow) {
    window.Menu().Menu_QAVOHelp->trigger();
    window.Menu().menu_history->trigger();
    const auto opened = HelpWindows();
    ASSERT_EQ(opened.size(), 2);
    QStringList files;
    for (const help::HelpWindow* help : opened) {
        EXPECT_TRUE(help->isVisible());
        files << help->FilePath();
    }
    files.sort();
    EXPECT_EQ(files, (QStringList{QApplication::applicationDirPath() + "/qavohist.chm",
                                  QApplication::applicationDirPath() + "/qavowin.chm"}));

    window.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(HelpWindows().isEmpty());
}

TEST_F(HelpMenuTest, AnAccessoryThatIsNotInstalledIsNamedInTheMessage) {
    const std::string savedPath = std::getenv("PATH") == nullptr ? "" : std::getenv("PATH");
    ::setenv("PATH", "", 1);
    window.Menu().menu_notepad->trigger();
    window.Menu().menu_Paintbrush->trigger();
    window.Menu().menu_calc->trigger();
    ::setenv("PATH", savedPath.c_str(), 1);
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, "Can't find notepad.exe");
    EXPECT_EQ(platform.messages[1].text, "Can't find mspaint.exe");
    EXPECT_EQ(platform.messages[2].text, "Can't find calc.exe");
    for (const auto& message : platform.messages) {
        EXPECT_EQ(message.title, "Initialization Error");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    }
}

}  // namespace
}  // namespace qavo::ui
