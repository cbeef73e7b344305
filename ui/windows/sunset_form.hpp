#pragma once
// The sunset setup dialog "Sunset Data": browse, add, change and delete the
// cities of sunset.dat, make one the default city of QAVOWIN.INI, choose each
// city's time zone and the clock of sunset times (Standard, Daylight or Auto).
// Every change of the cities is written to the file at once.

#include <QDialog>
#include <string>

#include "engine/platform.hpp"
#include "sunset/city_editing.hpp"

class QComboBox;
class QLabel;
class QPushButton;

namespace qavo::ui {

class DaylightChoice;
class NumberBox;
class ZonePicker;

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
    void ZonePicker_Chosen(const QString& zone);
    void Btn_AddFromList_Click();

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
    // Where the zone shown comes from, under the zone box and in its description.
    void ShowZoneSource(const QString& source);
    CityFields TypedFields() const;
    // Selects a list position, as a click on it would.
    void SelectPosition(int position);
    void SelectCity(int cityIndex);
    int CityIndexAt(int position) const;
    // Enter in the city box, or the box losing the focus: false when a
    // listed city's name was changed (the list then returns to its entry).
    bool CheckTypedName(bool enter);
    // The daylight choice when it was clicked since the dialog was activated
    // and is Standard or Daylight; Auto is written by SaveChangedAuto.
    std::optional<bool> ChangedDaylight() const;
    // Asks before fields typed and not saved are lost; true to go on.
    bool MayDiscardTyped();
    // Writes the Auto daylight setting when it was chosen since the dialog was activated.
    void SaveChangedAuto();
    // A plain message without an icon.
    void Tell(const char* text);

    CityDatabase& cities_;
    Platform& platform_;
    std::string iniPath_;
    CityEditor editor_;

    QComboBox* cityBox_ = nullptr;
    NumberBox* latBox_ = nullptr;
    NumberBox* latMinBox_ = nullptr;
    NumberBox* longBox_ = nullptr;
    NumberBox* longMinBox_ = nullptr;
    NumberBox* zoneBox_ = nullptr;
    DaylightChoice* daylightChoice_ = nullptr;
    ZonePicker* zonePicker_ = nullptr;
    QLabel* zoneSource_ = nullptr;
    QPushButton* btnSave_ = nullptr;

    bool newMode_ = false;
    bool daylightChanged_ = false;
    int selectedCityIndex_ = -1;  // list position of the selected city, -1 for none
    std::string newCityZone_;     // the zone picked for the new city being typed
};

}  // namespace qavo::ui
