#include "ui/main_window/file_menu_commands.hpp"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>

#include "page/month_page.hpp"
#include "ui/main_window/printer2.hpp"
#include "ui/main_window/qavo_win.hpp"
#include "ui/platform/app_title.hpp"
#include "ui/platform/common_dialog.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/platform/save_target.hpp"
#include "ui/windows/settings_form.hpp"
#include "ui/windows/sunset_form.hpp"

namespace qavo::ui {

namespace {
constexpr const char* kBitmapFilter = "Bit Mapped File (*.bmp)|*.bmp|All Files (*.*)|*.*";
}  // namespace

FileMenuCommands::FileMenuCommands(QavoWin& window, CityDatabase& cities)
    : QObject(&window), window_(window), cities_(cities) {
    setObjectName("FileMenuCommands");
    const MainMenu& menu = window.Menu();
    connect(menu.Menu_ToPrinter, &QAction::triggered, this,
            Guarded(this, &FileMenuCommands::Menu_ToPrinter_Click));
    connect(menu.Menu_ToClipboard, &QAction::triggered, this,
            Guarded(this, &FileMenuCommands::Menu_ToClipboard_Click));
    connect(menu.Menu_ToFile, &QAction::triggered, this,
            Guarded(this, &FileMenuCommands::Menu_ToFile_Click));
    connect(menu.menu_sunset_setup, &QAction::triggered, this,
            Guarded(this, &FileMenuCommands::menu_sunset_setup_Click));
    connect(menu.menu_settings, &QAction::triggered, this,
            Guarded(this, &FileMenuCommands::menu_settings_Click));
}

FileMenuCommands::~FileMenuCommands() = default;

Printer2& FileMenuCommands::Surface() {
    if (!surface_) {
        surface_ = std::make_unique<Printer2>();
    }
    return *surface_;
}

Printer2& FileMenuCommands::DrawShownMonth() {
    Printer2& surface = Surface();
    surface.Cls();
    surface.show();
    // The month of the screen page is drawn anew, on a copy of the page, so
    // that the window keeps its month and its marked cell whatever a command
    // left in the engine.
    Engine& engine = window_.engine();
    MonthPage drawn = window_.Page();
    if (!drawn.yearText.empty()) {
        TargetShownMonth(engine, drawn);
    }
    BuildMonthPage(engine, drawn, &surface);
    return surface;
}

void FileMenuCommands::Tell(const std::string& text) {
    window_.engine().platform.ShowMessage(text, kApplicationTitle, MessageIcon::None,
                                          MessageButtons::Ok);
}

void FileMenuCommands::Menu_ToClipboard_Click() {
    Printer2& surface = DrawShownMonth();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(surface.Image());
    Tell("Calendar page sent to clipboard.");
    surface.hide();
}

void FileMenuCommands::Menu_ToFile_Click() {
    Printer2& surface = DrawShownMonth();
    Platform& platform = window_.engine().platform;
    const std::optional<QString> file =
        AskSaveTarget(window_.CommonDialog1(), platform, &window_, kBitmapFilter, ".bmp");
    if (file) {
        QByteArray bitmap;
        QBuffer buffer(&bitmap);
        buffer.open(QIODevice::WriteOnly);
        if (!surface.Image().save(&buffer, "BMP")) {
            platform.ShowMessage("The calendar page could not be made into a bitmap.", "Warning",
                                 MessageIcon::Exclamation, MessageButtons::Ok);
        } else if (SaveBytes(platform, *file,
                             std::string_view(bitmap.constData(), bitmap.size()))) {
            Tell("Calendar page saved as " + file->toStdString());
        }
    }
    surface.hide();
}

void FileMenuCommands::Menu_ToPrinter_Click() {
    Printer2& surface = DrawShownMonth();
    CommonDialog& dialog = window_.CommonDialog1();
    if (dialog.ShowPrinter(&window_)) {
        surface.PrintPage(dialog.Printer());
    }
    surface.hide();
}

void FileMenuCommands::menu_sunset_setup_Click() {
    if (sunsetForm_ == nullptr) {
        sunsetForm_ =
            new SunsetForm(cities_, window_.engine().platform, window_.engine().IniPath, &window_);
    }
    sunsetForm_->exec();
}

void FileMenuCommands::menu_settings_Click() {
    if (settingsForm_ == nullptr) {
        settingsForm_ =
            new SettingsForm(window_.engine().platform, window_.engine().IniPath, &window_);
    }
    settingsForm_->Load(window_.HolidayChoices());
    if (settingsForm_->exec() == QDialog::Accepted) {
        window_.SetHolidayChoices(settingsForm_->Chosen());
    }
}

}  // namespace qavo::ui
