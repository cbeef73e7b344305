#pragma once
// The output window: shows a report's text, read-only in a fixed-pitch font,
// and sends all of it, or the selected part, to the clipboard, a printer or a
// text file; a holiday or anniversary list also goes to a calendar file.

#include <QDialog>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/platform.hpp"
#include "holidays/listed_days.hpp"

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;

namespace qavo::ui {

class CommonDialog;

class OutForm : public QDialog {
    Q_OBJECT
  public:
    OutForm(Platform& platform, CommonDialog& commonDialog, QWidget* parent = nullptr);

    // Replaces the text of the box with a whole report (lines ending in "\r\n").
    void SetReport(std::string_view text);
    // What an export sends: the selection, or the full text when nothing is
    // selected, with "\r\n" line ends.
    std::string ExportText() const;
    bool HasSelection() const;
    // The days of a holiday or anniversary list, which "Save as Calendar
    // File..." writes; none leaves that button disabled.
    void SetListedDays(std::vector<ListedDay> days);
    QPlainTextEdit* OutBox() const { return outBox_; }

  private slots:
    void Command1_Click();  // "&Done"
    void Command2_Click();  // "To &Clipboard"
    void Command3_Click();  // "To &Printer"
    void Command4_Click();  // "To &File"
    void SaveCalendarFile_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    // A button of at least its design size (twips) at the end of a row.
    QPushButton* AddButton(QHBoxLayout* row, const char* name, const char* caption, int width,
                           int height);
    void Deselect();
    void Tell(const std::string& text, std::string_view title);
    // The save dialog with this filter, asking before a file is replaced;
    // the name completed with `suffix`; nothing when it was cancelled.
    std::optional<QString> AskSaveName(const char* filter, const char* suffix);

    Platform& platform_;
    CommonDialog& commonDialog_;
    QPlainTextEdit* outBox_ = nullptr;
    QPushButton* saveCalendarFile_ = nullptr;
    std::vector<ListedDay> listedDays_;
    bool centred_ = false;
};

// A report's last step: its text in a new output window, shown modally.
void ShowReport(Platform& platform, CommonDialog& commonDialog, QWidget* parent,
                std::string_view text);
// The same for a list of days, which can also be saved as a calendar file.
void ShowReport(Platform& platform, CommonDialog& commonDialog, QWidget* parent,
                const ListedReport& report);

}  // namespace qavo::ui
