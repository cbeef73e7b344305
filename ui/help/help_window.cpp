#include "ui/help/help_window.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>

#include "ui/help/help_contents.hpp"

namespace qavo::help {
namespace {

// A help text is a few hundred kilobytes at most; anything far larger is not
// a help file, and reading it whole would only stall the program.
constexpr qint64 kMaxHelpFileBytes = 8 * 1024 * 1024;
constexpr int kTopicIdRole = Qt::UserRole;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), contents_(new QTreeWidget(this)), text_(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    text_->setOpenLinks(false);
    // The help pages fix the colours of their headings; their page is fixed
    // with them, so that they read under a dark desktop palette too.
    QPalette page = text_->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    text_->setPalette(page);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(contents_);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 580});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(860, 600);

    connect(contents_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ScrollToItem(item); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ScrollToItem(item); });
    connect(text_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
}

bool HelpWindow::Load(const QString& path) {
    path_ = path;
    contents_->clear();
    setWindowTitle(QFileInfo(path).fileName());

    QFile file(path);
    if (!file.exists()) {
        ShowProblem(tr("The help file %1 was not found. The help files belong in the "
                       "program's own directory.")
                        .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ShowProblem(tr("The help file %1 could not be opened: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    if (file.size() > kMaxHelpFileBytes) {
        ShowProblem(
            tr("The file %1 is too large to be a help file.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowProblem(tr("The help file %1 could not be read: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }

    const HelpContents help =
        ReadHelpContents(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (help.topics.empty()) {
        ShowProblem(tr("The file %1 holds no help topics.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!help.title.empty()) {
        setWindowTitle(FromUtf8(help.title));
    }
    QTreeWidgetItem* topic = nullptr;
    for (const HelpTopic& entry : help.topics) {
        QTreeWidgetItem* item = entry.level == 3 && topic != nullptr
                                    ? new QTreeWidgetItem(topic)
                                    : new QTreeWidgetItem(contents_);
        item->setText(0, FromUtf8(entry.title));
        item->setToolTip(0, item->text(0));  // for titles wider than the pane
        item->setData(0, kTopicIdRole, FromUtf8(entry.id));
        if (entry.level == 2) {
            topic = item;
        }
    }
    contents_->expandAll();
    contents_->show();
    text_->setHtml(QString::fromUtf8(bytes));
    return true;
}

void HelpWindow::ShowTopic(const QString& topicId) {
    QTreeWidgetItem* found = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr && found == nullptr; ++it) {
        if ((*it)->data(0, kTopicIdRole).toString() == topicId) {
            found = *it;
        }
    }
    if (found == nullptr) {
        found = contents_->topLevelItem(0);
    }
    if (found == nullptr) {
        return;  // nothing loaded: the window shows its problem text
    }
    contents_->setCurrentItem(found);
    ScrollToItem(found);
}

QString HelpWindow::CurrentTopic() const {
    const QTreeWidgetItem* item = contents_->currentItem();
    return item == nullptr ? QString() : item->data(0, kTopicIdRole).toString();
}

void HelpWindow::ShowProblem(const QString& problem) {
    contents_->hide();  // nothing to list: the explanation takes the whole window
    text_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(tr("Help is not available"), problem.toHtmlEscaped()));
}

void HelpWindow::FollowLink(const QUrl& link) {
    // The help files link only between their own topics.
    if (link.hasFragment() && link.path().isEmpty() && link.host().isEmpty()) {
        ShowTopic(link.fragment());
    }
}

void HelpWindow::ScrollToItem(QTreeWidgetItem* item) {
    if (item != nullptr) {
        text_->scrollToAnchor(item->data(0, kTopicIdRole).toString());
    }
}

QString HelpFilePath(const QString& programDirectory, HelpBook book) {
    return QDir(programDirectory)
        .filePath(
            QString::fromLatin1(book == HelpBook::Program ? kProgramHelpFile : kHistoryHelpFile));
}

HelpWindow* ShowHelpFile(QWidget* owner, const QString& path, const QString& topicId) {
    HelpWindow* window = nullptr;
    for (HelpWindow* open : owner->findChildren<HelpWindow*>(Qt::FindDirectChildrenOnly)) {
        if (open->FilePath() == path) {
            window = open;
        }
    }
    if (window == nullptr) {
        window = new HelpWindow(owner);
    }
    window->Load(path);  // read afresh: the file may have been mended meanwhile
    window->show();
    window->ShowTopic(topicId);
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* OpenHelp(QWidget* owner, const QString& programDirectory, HelpBook book) {
    return ShowHelpFile(owner, HelpFilePath(programDirectory, book));
}

void CloseHelpWindows(QWidget* owner) {
    for (HelpWindow* window : owner->findChildren<HelpWindow*>(Qt::FindDirectChildrenOnly)) {
        window->close();
    }
}

}  // namespace qavo::help
