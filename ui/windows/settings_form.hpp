#pragma once
// The "Settings" dialog of the File menu: the holiday schedule, the
// diaspora's or Israel's, and below it the holidays shown, the major ones or
// the whole year. OK keeps the choices in QAVOWIN.INI.

#include <QDialog>
#include <string>

#include "engine/platform.hpp"
#include "holidays/holiday_options.hpp"

class QRadioButton;

namespace qavo::ui {

class SettingsForm : public QDialog {
    Q_OBJECT
  public:
    SettingsForm(Platform& platform, std::string iniPath, QWidget* parent = nullptr);

    // Shows the choices of `options` before the dialog is shown.
    void Load(const HolidayOptions& options);
    // The choices shown now; after OK, those kept.
    HolidayOptions Chosen() const;

  private slots:
    void btn_ok_Click();

  private:
    Platform& platform_;
    std::string iniPath_;
    QRadioButton* diaspora_ = nullptr;
    QRadioButton* israel_ = nullptr;
    QRadioButton* major_ = nullptr;
    QRadioButton* all_ = nullptr;
};

}  // namespace qavo::ui
