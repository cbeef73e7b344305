#include "ui/windows/out_form.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>

#include <ctime>

#include "calendar_file/calendar_file.hpp"
#include "engine/name_tables.hpp"
#include "ui/platform/centre_on_screen.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/platform/save_target.hpp"
#include "ui/widgets/fonts.hpp"
#include "ui/widgets/twips.hpp"
#include "ui/windows/report_printing.hpp"

namespace qavo::ui {

namespace {

constexpr std::string_view kCopiedTitle = "Text Copied";
constexpr std::string_view kPrintedTitle = "Text Printed";
constexpr const char* kTextFileFilter = "Text File (*.txt)|*.txt|All Files (*.*)|*.*";
constexpr const char* kCalendarFileFilter = "Calendar File (*.ics)|*.ics|All Files (*.*)|*.*";
constexpr std::string_view kCalendarTitle = "Calendar File";
// A row below the buttons for the calendar file, which widens the window.
constexpr int kCalendarRowHeight = 600;

// The box holds paragraphs; an export gives them back with the report's line ends.
std::string WithReportLineEnds(QString text) {
    text.replace(QChar::ParagraphSeparator, '\n');
    text.replace('\n', QString::fromLatin1(NL.data(), NL.size()));
    return text.toUtf8().toStdString();
}

QString ForDesktop(const std::string& text) {
    return QString::fromUtf8(text).replace(QString::fromLatin1(NL.data(), NL.size()), "\n");
}

}  // namespace

OutForm::OutForm(Platform& platform, CommonDialog& commonDialog, QWidget* parent)
    : QDialog(parent), platform_(platform), commonDialog_(commonDialog) {
    setObjectName("OutForm");
    setWindowTitle("Output Window");
    BuildControls();
}

void OutForm::BuildControls() {
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    // The hint's black is fixed with the grey, so that it reads under a dark palette.
    grey.setColor(QPalette::WindowText, Qt::black);
    setPalette(grey);
    setAutoFillBackground(true);
    // It opens at its design size and grows, the text box with it; the
    // buttons take the room their captions need.
    resize(TwipsToPixelsX(7260), TwipsToPixelsY(5025 + kCalendarRowHeight));

    outBox_ = new QPlainTextEdit(this);
    outBox_->setObjectName("OutBox");
    outBox_->setReadOnly(true);
    outBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    outBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    outBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    outBox_->setFont(FontOf("Fixedsys", 9, false));
    QPalette white = outBox_->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    outBox_->setPalette(white);
    outBox_->setAccessibleName("Output text");

    auto* hint = new QLabel("Highlight text to export less than complete text.", this);
    hint->setObjectName("Label1");

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(TwipsToPixelsX(255));
    buttons->addStretch();
    connect(AddButton(buttons, "Command1", "&Done", 1065, 465), &QPushButton::clicked, this,
            Guarded(this, &OutForm::Command1_Click));
    connect(AddButton(buttons, "Command2", "To &Clipboard", 1215, 480), &QPushButton::clicked, this,
            Guarded(this, &OutForm::Command2_Click));
    connect(AddButton(buttons, "Command4", "To &File", 1035, 495), &QPushButton::clicked, this,
            Guarded(this, &OutForm::Command4_Click));
    connect(AddButton(buttons, "Command3", "To &Printer", 1035, 495), &QPushButton::clicked, this,
            Guarded(this, &OutForm::Command3_Click));
    buttons->addStretch();
    auto* calendarRow = new QHBoxLayout;
    calendarRow->addStretch();
    saveCalendarFile_ =
        AddButton(calendarRow, "SaveCalendarFile", "Save &as Calendar File...", 2535, 465);
    calendarRow->addStretch();
    saveCalendarFile_->setEnabled(false);
    connect(saveCalendarFile_, &QPushButton::clicked, this,
            Guarded(this, &OutForm::SaveCalendarFile_Click));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixelsX(180), TwipsToPixelsY(45), TwipsToPixelsX(135),
                               TwipsToPixelsY(120));
    layout->addWidget(outBox_, 1);
    layout->addWidget(hint, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->addLayout(calendarRow);
}

void OutForm::SetListedDays(std::vector<ListedDay> days) {
    listedDays_ = std::move(days);
    saveCalendarFile_->setEnabled(!listedDays_.empty());
}

QPushButton* OutForm::AddButton(QHBoxLayout* row, const char* name, const char* caption, int width,
                                int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumSize(TwipsToPixelsX(width), TwipsToPixelsY(height));
    row->addWidget(button);
    return button;
}

void OutForm::SetReport(std::string_view text) {
    outBox_->setPlainText(ForDesktop(std::string(text)));
}

bool OutForm::HasSelection() const {
    return outBox_->textCursor().hasSelection();
}

std::string OutForm::ExportText() const {
    return WithReportLineEnds(HasSelection() ? outBox_->textCursor().selectedText()
                                             : outBox_->toPlainText());
}

void OutForm::Deselect() {
    QTextCursor cursor = outBox_->textCursor();
    cursor.setPosition(cursor.selectionStart());
    outBox_->setTextCursor(cursor);
}

void OutForm::Tell(const std::string& text, std::string_view title) {
    platform_.ShowMessage(text, title, MessageIcon::Information, MessageButtons::Ok);
}

void OutForm::showEvent(QShowEvent* event) {
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
    QDialog::showEvent(event);
}

void OutForm::Command1_Click() {
    close();
}

void OutForm::Command2_Click() {
    const bool selected = HasSelection();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // The desktop's own line ends, so that a paste anywhere shows clean lines.
    clipboard->setText(ForDesktop(ExportText()));
    Tell(selected ? "Selected text copied to Clipboard." : "Full text copied to ClipBoard.",
         kCopiedTitle);
    Deselect();
}

void OutForm::Command3_Click() {
    if (!commonDialog_.ShowPrinter(this)) {
        return;
    }
    const bool selected = HasSelection();
    QPrinter& printer = commonDialog_.Printer();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    painter.setFont(FontOf("Fixedsys", 10, false));
    PaintReportPages(painter, QSize(printer.width(), printer.height()),
                     ForDesktop(ExportText() + std::string(NL)).split('\n'),
                     [&printer] { return printer.newPage(); });
    painter.end();
    if (printer.printerState() == QPrinter::Error) {
        return;
    }
    Tell(selected ? "Selected text sent to printer." : "Full text sent to printer.", kPrintedTitle);
    Deselect();
}

std::optional<QString> OutForm::AskSaveName(const char* filter, const char* suffix) {
    commonDialog_.SetOverwritePrompt(true);
    return AskSaveTarget(commonDialog_, platform_, this, filter, suffix);
}

void OutForm::Command4_Click() {
    const std::optional<QString> file = AskSaveName(kTextFileFilter, ".txt");
    if (!file) {
        return;
    }
    const bool selected = HasSelection();
    if (!SaveBytes(platform_, *file, ExportText() + std::string(NL))) {
        return;
    }
    const std::string name = file->toStdString();
    Tell((selected ? "Selected text sent to " : "Full text sent to ") + name, kCopiedTitle);
    Deselect();
}

void OutForm::SaveCalendarFile_Click() {
    const std::optional<QString> file = AskSaveName(kCalendarFileFilter, ".ics");
    if (file && SaveBytes(platform_, *file, CalendarFileText(listedDays_, std::time(nullptr)))) {
        Tell("Calendar file sent to " + file->toStdString(), kCalendarTitle);
    }
}

void ShowReport(Platform& platform, CommonDialog& commonDialog, QWidget* parent,
                const ListedReport& report) {
    OutForm form(platform, commonDialog, parent);
    form.SetReport(report.text);
    form.SetListedDays(report.days);
    form.exec();
}

void ShowReport(Platform& platform, CommonDialog& commonDialog, QWidget* parent,
                std::string_view text) {
    OutForm form(platform, commonDialog, parent);
    form.SetReport(text);
    form.exec();
}

}  // namespace qavo::ui
