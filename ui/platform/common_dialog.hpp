#pragma once
// The one file-and-printer dialog of the program, owned by the main window.
// Its filter, file name, overwrite prompt and printer stay as the last command
// left them for the rest of the run. Every show tells a confirmed dialog from
// a cancelled one; a cancelled dialog never hands back a file name.

#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace qavo::ui {

class CommonDialog {
  public:
    CommonDialog();
    virtual ~CommonDialog();

    // "Text File (*.txt)|*.txt|All Files (*.*)|*.*": description and pattern
    // pairs separated by bars.
    void SetFilter(const QString& filter) { filter_ = filter; }
    const QString& Filter() const { return filter_; }
    void SetOverwritePrompt(bool ask) { overwritePrompt_ = ask; }
    bool OverwritePrompt() const { return overwritePrompt_; }
    const QString& FileName() const { return fileName_; }
    // Where the save dialog opens: the folder of the last file chosen, else
    // the user's home folder (never the program's current folder).
    QString StartFolder() const;

    // The save dialog: the chosen file name, nullopt when cancelled.
    std::optional<QString> ShowSave(QWidget* parent);
    // The printer dialog: true when confirmed; the printer then prints to
    // the one chosen.
    bool ShowPrinter(QWidget* parent);
    QPrinter& Printer();

    // The filter in the desktop's notation: "Text File (*.txt);;All Files (*.*)".
    static QString NameFilters(const QString& filter);

  protected:
    // The dialogs themselves; tests put scripted answers in their place.
    virtual std::optional<QString> AskSaveFileName(QWidget* parent);
    virtual bool AskPrinter(QWidget* parent, QPrinter& printer);

  private:
    QString filter_;
    QString fileName_;
    bool overwritePrompt_ = false;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace qavo::ui
