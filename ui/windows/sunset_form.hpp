#pragma once
// The sunset setup dialog "Sunset Data": browse, add, change and delete the
// cities of sunset.dat, make one the default city of QAVOWIN.INI and switch
// the daylight hour. Every change of the cities is written to the file at once.

#include <QDialog>
#include <string>

#include "engine/platform.hpp"
#include "sunset/city_editing.hpp"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace qavo::ui {

class NumberBox;

class SunsetForm : public QDialog {
    Q_OBJECT
  public:
    SunsetForm(CityDatabase& cities, Platform& platform, std::string iniPath,
               QWidget* parent = nullptr);

    QComboBox* CityBox() const { return cityBox_; }
    bool NewMode() const { return newMode_; }
    int SelectedCityIndex() const { return selectedCityIndex_; }

    // Closing with the window frame or Escape, after asking about unsaved fields.
    void reject() override;

  protected:
    // Each opening loads the cities and activates the dialog.
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void CityBox_Click(int position);
    void btn_New_Click();
    void Btn_Save_Click();
    void btn_del_Click();
    void Btn_Default_Click();
    void btn_ok_Click();
    void DayLightOption_Click();

  private:
    void BuildControls();
    NumberBox* AddNumberBox(const char* name, int left, int top);
    QPushButton* AddButton(const char* name, const char* caption, int top);
    void Form_Load();
    void Form_Activate();

    void FillCityList();
    void ShowCityFields(int position);
    void ShowSelectedCity();
    void ClearCityFields();
    CityFields TypedFields() const;
    // Selects a list position, as a click on it would.
    void SelectPosition(int position);
    void SelectCity(int cityIndex);
    int CityIndexAt(int position) const;
    // Enter in the city box, or the box losing the focus: false when a
    // listed city's name was changed (the list then returns to its entry).
    bool CheckTypedName(bool enter);
    // The daylight box when it was clicked since the dialog was activated.
    std::optional<bool> ChangedDaylight() const;
    // Asks before fields typed and not saved are lost; true to go on.
    bool MayDiscardTyped();
    // A plain message without an icon.
    void Tell(const char* text);

    CityDatabase& cities_;
    Platform& platform_;
    CityEditor editor_;

    QComboBox* cityBox_ = nullptr;
    NumberBox* latBox_ = nullptr;
    NumberBox* latMinBox_ = nullptr;
    NumberBox* longBox_ = nullptr;
    NumberBox* longMinBox_ = nullptr;
    NumberBox* zoneBox_ = nullptr;
    QCheckBox* dayLightOption_ = nullptr;
    QPushButton* btnSave_ = nullptr;

    bool newMode_ = false;
    bool daylightChanged_ = false;
    int selectedCityIndex_ = -1;  // list position of the selected city, -1 for none
};

}  // namespace qavo::ui
