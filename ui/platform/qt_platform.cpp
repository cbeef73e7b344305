#include "ui/platform/qt_platform.hpp"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QMessageBox>

#include "startup/data_folder.hpp"

namespace qavo::ui {

namespace {

QString ToQString(std::string_view text) {
    // City names, and headings typed by the user, may hold any character.
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// The window manager cuts a title that is wider than its box ("Initializ…n
// Error"): the box is made wide enough for its title in a bold face, with
// room for the frame's icon and buttons.
void FitToTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    constexpr int kFrameControls = 6;  // icon and buttons, each about a line and a half square
    const int needed =
        metrics.horizontalAdvance(box.windowTitle()) + kFrameControls * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace

MessageAnswer QtPlatform::ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon, MessageButtons buttons) {
    const bool question = buttons == MessageButtons::YesNo;
    QMessageBox box(ToQtIcon(icon), ToQString(title), ToQString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    FitToTitle(box);
    // A message must be readable even while a long command shows the hourglass.
    const bool wasBusy = busy_;
    BusyCursorOff();
    const int pressed = box.exec();
    if (wasBusy) {
        BusyCursorOn();
    }
    if (!question) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::BusyCursorOn() {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }
}

void QtPlatform::BusyCursorOff() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

GregorianDate QtPlatform::Today() {
    const QDate today = QDate::currentDate();
    return {static_cast<Integer>(today.year()), static_cast<Integer>(today.month()),
            static_cast<Integer>(today.day())};
}

std::string QtPlatform::ProgramDirectory() {
    if (dataDirectory_.isEmpty()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        const std::string program = programFolder.toStdString();
        std::string folder = DataFolderOf(program);
        const QString shared = QDir(programFolder).absoluteFilePath("../share/qavo");
        if (folder != program &&
            !PrepareUserDataFolder(*this, folder,
                                   {program, QDir::cleanPath(shared).toStdString()})) {
            folder = program;  // no user folder can be made: the program's own it is
        }
        dataDirectory_ = QString::fromStdString(folder);
    }
    return QDir::toNativeSeparators(dataDirectory_).toStdString();
}

}  // namespace qavo::ui
