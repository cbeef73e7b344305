#pragma once
// The program's help viewer: a window with the table of contents of one help
// file beside its text. The file format is described in help_contents.hpp.
//
// Help windows are children of the window that opened them (shown as
// separate top-level windows), so the owner finds and closes them without
// any state of the help system's own.

#include <QString>
#include <QWidget>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace qavo::help {

inline constexpr char kProgramHelpFile[] = "qavowin.chm";
inline constexpr char kHistoryHelpFile[] = "qavohist.chm";
inline constexpr char kStartTopic[] = "Introduction";

enum class HelpBook { Program, History };

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* owner);

    // Reads the help file; when it is missing, unreadable or holds no topics,
    // the window shows why instead of a text. Returns whether it was loaded.
    bool Load(const QString& path);
    // Selects the topic in the table of contents and scrolls its heading to
    // the top; an unknown topic shows the first one.
    void ShowTopic(const QString& topicId);

    QString FilePath() const { return path_; }
    QString CurrentTopic() const;
    QTreeWidget* Contents() const { return contents_; }
    QTextBrowser* Text() const { return text_; }

  private:
    void ShowProblem(const QString& problem);
    void FollowLink(const QUrl& link);
    void ScrollToItem(QTreeWidgetItem* item);

    QString path_;
    QTreeWidget* contents_;
    QTextBrowser* text_;
};

// The full name of a help book's file in the program's directory.
QString HelpFilePath(const QString& programDirectory, HelpBook book);

// Shows the help file at the topic in a window owned by owner (not null),
// reusing the owner's window for that file when one is open.
HelpWindow* ShowHelpFile(QWidget* owner, const QString& path,
                         const QString& topicId = QString::fromLatin1(kStartTopic));

// The two help commands of the main window: the book at its "Introduction".
HelpWindow* OpenHelp(QWidget* owner, const QString& programDirectory, HelpBook book);

// Closes every help window that owner opened; harmless when there is none.
void CloseHelpWindows(QWidget* owner);

}  // namespace qavo::help
