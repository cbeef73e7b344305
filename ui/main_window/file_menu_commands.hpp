#pragma once
// The commands of the File menu that the main window hands on: the calendar
// page to a printer, the clipboard or a bitmap file, drawn on the page
// surface, the sunset setup dialog and the settings dialog.

#include <QObject>
#include <memory>

namespace qavo {
struct CityDatabase;
}

namespace qavo::ui {

class Printer2;
class QavoWin;
class SettingsForm;
class SunsetForm;

class FileMenuCommands : public QObject {
    Q_OBJECT
  public:
    // Connects the menu items of `window`, which owns the commands.
    FileMenuCommands(QavoWin& window, CityDatabase& cities);
    ~FileMenuCommands() override;

    // The page surface; created on the first export and then kept, hidden.
    Printer2& Surface();

  public slots:
    void Menu_ToPrinter_Click();
    void Menu_ToClipboard_Click();
    void Menu_ToFile_Click();
    void menu_sunset_setup_Click();
    void menu_settings_Click();

  private:
    // Clears the surface, shows it and draws the month shown in the window.
    Printer2& DrawShownMonth();
    void Tell(const std::string& text);

    QavoWin& window_;
    CityDatabase& cities_;
    std::unique_ptr<Printer2> surface_;
    SunsetForm* sunsetForm_ = nullptr;      // created on first use, owned by the window
    SettingsForm* settingsForm_ = nullptr;  // likewise
};

}  // namespace qavo::ui
