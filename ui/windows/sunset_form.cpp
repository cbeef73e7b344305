#include "ui/windows/sunset_form.hpp"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include "sunset/city_zones.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/time_zones.hpp"
#include "sunset/zone_places.hpp"
#include "ui/platform/app_title.hpp"
#include "ui/platform/centre_on_screen.hpp"
#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/fit_to_texts.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/twips.hpp"
#include "ui/windows/daylight_choice.hpp"
#include "ui/windows/place_list_dialog.hpp"
#include "ui/windows/zone_picker.hpp"

namespace qavo::ui {

namespace {

constexpr int kBoxWidth = 840;
constexpr int kBoxHeight = 315;
constexpr int kButtonLeft = 3720;
constexpr const char* kZoneInferredUnlessChosen = "Inferred from its place and Zone unless chosen";

}  // namespace

SunsetForm::SunsetForm(CityDatabase& cities, Platform& platform, std::string iniPath,
                       QWidget* parent)
    : QDialog(parent),
      cities_(cities),
      platform_(platform),
      iniPath_(std::move(iniPath)),
      editor_(cities, platform, iniPath_) {
    setObjectName("SunsetForm");
    setWindowTitle("Sunset Data");
    BuildControls();
}

void SunsetForm::BuildControls() {
    setFixedSize(TwipsToPixelsX(5640), TwipsToPixelsY(4320));
    auto addLabel = [this](const char* caption, int left, int top, int width) {
        auto* label = new QLabel(caption, this);
        PlaceInTwips(label, left, top, width, 255);
        return label;
    };
    QLabel* cityName = addLabel("City Name", 240, 180, 1800);
    cityBox_ = new QComboBox(this);
    cityBox_->setObjectName("CityBox");
    cityBox_->setEditable(true);
    cityBox_->setInsertPolicy(QComboBox::NoInsert);
    // The typed name stays as typed, so that a changed name can be told.
    cityBox_->setCompleter(nullptr);
    // The combo box holds the focus for its line edit and hands it the keys
    // itself, past any filter on the line edit: the box is watched instead.
    cityBox_->installEventFilter(this);
    PlaceInTwips(cityBox_, 240, 450, 3120, 345);
    cityName->setBuddy(cityBox_);
    cityBox_->lineEdit()->setAccessibleName("City Name");
    connect(cityBox_, &QComboBox::activated, this, Guarded(this, &SunsetForm::CityBox_Click));

    addLabel("Deg", 1560, 960, kBoxWidth);
    addLabel("Min", 2520, 960, kBoxWidth);
    addLabel("Latitude", 240, 1260, 1300);
    latBox_ = AddNumberBox("LatBox", 1560, 1230);
    latMinBox_ = AddNumberBox("LatMinBox", 2520, 1230);
    latBox_->setAccessibleName("Latitude degrees");
    latMinBox_->setAccessibleName("Latitude minutes");
    addLabel("Longitude", 240, 1680, 1300);
    longBox_ = AddNumberBox("LongBox", 1560, 1650);
    longMinBox_ = AddNumberBox("LongMinBox", 2520, 1650);
    longBox_->setAccessibleName("Longitude degrees");
    longMinBox_->setAccessibleName("Longitude minutes");
    QLabel* zone = addLabel("Hrs. From GMT", 240, 2100, 1300);
    zoneBox_ = AddNumberBox("ZoneBox", 1560, 2070);
    zone->setBuddy(zoneBox_);

    daylightChoice_ = new DaylightChoice(this);
    PlaceInTwips(daylightChoice_, 240, 2640, 3360, 315);
    connect(daylightChoice_, &DaylightChoice::Clicked, this,
            Guarded(this, &SunsetForm::DayLightOption_Click));
    QLabel* timeZone = addLabel("Time &Zone", 240, 3120, 1300);
    zonePicker_ = new ZonePicker(this);
    zonePicker_->setObjectName("ZonePicker");
    PlaceInTwips(zonePicker_, 1560, 3060, 3840, 345);
    timeZone->setBuddy(zonePicker_);
    zonePicker_->lineEdit()->setAccessibleName("Time Zone");
    connect(zonePicker_, &ZonePicker::ZoneChosen, this,
            Guarded(this, &SunsetForm::ZonePicker_Chosen));
    // Its longest text, so that the room it is given holds every one.
    zoneSource_ = new QLabel(kZoneInferredUnlessChosen, this);
    zoneSource_->setObjectName("ZoneSource");
    PlaceInTwips(zoneSource_, 1560, 3450, 3840, 255);
    auto* addFromList = new QPushButton("Add from &list...", this);
    addFromList->setObjectName("Btn_AddFromList");
    addFromList->setAutoDefault(false);
    PlaceInTwips(addFromList, 240, 3780, 1800, 420);
    connect(addFromList, &QPushButton::clicked, this,
            Guarded(this, &SunsetForm::Btn_AddFromList_Click));

    connect(AddButton("btn_New", "&New", 240), &QPushButton::clicked, this,
            Guarded(this, &SunsetForm::btn_New_Click));
    btnSave_ = AddButton("Btn_Save", "&Save", 780);
    connect(btnSave_, &QPushButton::clicked, this, Guarded(this, &SunsetForm::Btn_Save_Click));
    connect(AddButton("btn_del", "&Delete", 1320), &QPushButton::clicked, this,
            Guarded(this, &SunsetForm::btn_del_Click));
    connect(AddButton("Btn_Default", "&Make Default", 1860), &QPushButton::clicked, this,
            Guarded(this, &SunsetForm::Btn_Default_Click));
    connect(AddButton("btn_ok", "D&one", 2520), &QPushButton::clicked, this,
            Guarded(this, &SunsetForm::btn_ok_Click));
}

NumberBox* SunsetForm::AddNumberBox(const char* name, int left, int top) {
    auto* box = new NumberBox(this);
    box->setObjectName(name);
    PlaceInTwips(box, left, top, kBoxWidth, kBoxHeight);
    return box;
}

QPushButton* SunsetForm::AddButton(const char* name, const char* caption, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    PlaceInTwips(button, kButtonLeft, top, 1560, 420);
    return button;
}

void SunsetForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every opening reads the file afresh: another program may have changed it.
    if (!event->spontaneous()) {
        Form_Load();
    }
    Form_Activate();
}

void SunsetForm::Form_Load() {
    FitToTexts(this);
    CentreOnScreen(this);
    newMode_ = false;
    editor_.LoadCities();
    if (cities_.ZonePlaces.empty()) {
        cities_.ZonePlaces = LoadZonePlaces(platform_.Today().year);
    }
    FillCityList();
}

void SunsetForm::Form_Activate() {
    const SetupStart start = editor_.Start();
    if (!start.city) {
        // Nothing to select: the dialog waits for the first city.
        newMode_ = true;
        ClearCityFields();
        cityBox_->setFocus();
    } else {
        SelectCity(*start.city);
        ShowCityFields(cityBox_->currentIndex());
        selectedCityIndex_ = cityBox_->currentIndex();
    }
    if (start.autoDaylight) {
        daylightChoice_->Show(DaylightChoice::Clock::Auto);
    } else if (start.daylight) {
        daylightChoice_->Show(*start.daylight ? DaylightChoice::Clock::Daylight
                                              : DaylightChoice::Clock::Standard);
    }
    daylightChanged_ = false;
}

int SunsetForm::CityIndexAt(int position) const {
    return cityBox_->itemData(position).toInt();
}

void SunsetForm::FillCityList() {
    const QSignalBlocker quiet(cityBox_);
    cityBox_->clear();
    for (int i = 0; i <= cities_.LastCityIndex; ++i) {
        cityBox_->addItem(QString::fromStdString(cities_.CityTable[i].CityName).trimmed(), i);
    }
}

void SunsetForm::ShowCityFields(int position) {
    if (position < 0 || position >= cityBox_->count()) {
        return;
    }
    const CityRecord& city = cities_.CityTable[CityIndexAt(position)];
    zonePicker_->ShowZone(QString::fromStdString(CityZone(city, cities_.ZonePlaces)));
    ShowZoneSource(IsKnownZone(city.TimeZone) ? "Chosen for this city"
                                              : "Inferred from its place and Zone");
    const CityFields fields = FieldsOf(city);
    latBox_->setText(QString::fromStdString(fields.latDeg));
    latMinBox_->setText(QString::fromStdString(fields.latMin));
    longBox_->setText(QString::fromStdString(fields.longDeg));
    longMinBox_->setText(QString::fromStdString(fields.longMin));
    zoneBox_->setText(QString::fromStdString(fields.zone));
}

void SunsetForm::ShowSelectedCity() {
    if (newMode_) {
        return;
    }
    selectedCityIndex_ = cityBox_->currentIndex();
    ShowCityFields(selectedCityIndex_);
}

void SunsetForm::SelectPosition(int position) {
    if (position < 0 || position >= cityBox_->count()) {
        return;
    }
    {
        const QSignalBlocker quiet(cityBox_);
        cityBox_->setCurrentIndex(position);
        cityBox_->setEditText(cityBox_->itemText(position));
    }
    ShowSelectedCity();
}

void SunsetForm::SelectCity(int cityIndex) {
    SelectPosition(cityBox_->findData(cityIndex));
}

void SunsetForm::ClearCityFields() {
    {
        const QSignalBlocker quiet(cityBox_);
        cityBox_->setCurrentIndex(-1);
        cityBox_->setEditText(QString());
    }
    for (NumberBox* box : {latBox_, latMinBox_, longBox_, longMinBox_, zoneBox_}) {
        box->clear();
    }
    zonePicker_->ShowZone(QString());
    ShowZoneSource(kZoneInferredUnlessChosen);
    newCityZone_.clear();
}

void SunsetForm::ShowZoneSource(const QString& source) {
    zoneSource_->setText(source);
    zonePicker_->lineEdit()->setAccessibleDescription(source);
}

CityFields SunsetForm::TypedFields() const {
    return {latBox_->text().toStdString(), latMinBox_->text().toStdString(),
            longBox_->text().toStdString(), longMinBox_->text().toStdString(),
            zoneBox_->text().toStdString()};
}

std::optional<bool> SunsetForm::ChangedDaylight() const {
    const DaylightChoice::Clock clock = daylightChoice_->Chosen();
    if (!daylightChanged_ || clock == DaylightChoice::Clock::Auto) {
        return std::nullopt;
    }
    return clock == DaylightChoice::Clock::Daylight;
}

void SunsetForm::SaveChangedAuto() {
    if (daylightChanged_ && daylightChoice_->Chosen() == DaylightChoice::Clock::Auto) {
        SaveAutoDaylight(cities_, platform_, iniPath_);
    }
}

bool SunsetForm::CheckTypedName(bool enter) {
    const int selected = selectedCityIndex_ >= 0 ? CityIndexAt(selectedCityIndex_) : -1;
    const std::optional<int> city =
        editor_.CityNamed(cityBox_->currentText().toStdString(), selected);
    if (!city) {
        if (newMode_) {
            return true;
        }
        editor_.RefuseChangedName();
        SelectPosition(selectedCityIndex_);
        return false;
    }
    // The typed name is that of a listed city: that city is the one shown
    // and saved, so a name never ends up with another city's numbers.
    if (!newMode_ && (enter || *city != selected)) {
        SelectCity(*city);
    }
    if (enter) {
        btnSave_->setFocus();
    }
    return true;
}

bool SunsetForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cityBox_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                CheckTypedName(true);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // A message box or the box's own list taking the focus is not
            // the user leaving the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                CheckTypedName(false);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SunsetForm::CityBox_Click(int position) {
    // Another city's numbers would replace the ones typed: asked first.
    if (!newMode_ && position != selectedCityIndex_ && !MayDiscardTyped()) {
        const QSignalBlocker quiet(cityBox_);
        cityBox_->setCurrentIndex(selectedCityIndex_);
        return;
    }
    ShowSelectedCity();
}

bool SunsetForm::MayDiscardTyped() {
    const int city = selectedCityIndex_ >= 0 ? CityIndexAt(selectedCityIndex_) : -1;
    return editor_.MayDiscard(newMode_, city, cityBox_->currentText().toStdString(), TypedFields());
}

void SunsetForm::btn_New_Click() {
    if (!MayDiscardTyped() || !editor_.CanAddCity()) {
        return;
    }
    newMode_ = true;
    ClearCityFields();
    cityBox_->setFocus();
}

void SunsetForm::Btn_Save_Click() {
    SaveResult saved = SaveResult::Refused;
    std::string name = cityBox_->currentText().toStdString();
    if (newMode_) {
        saved = editor_.AddCity(name, TypedFields(), ChangedDaylight());
        if (saved == SaveResult::Refused) {
            return;
        }
        if (!newCityZone_.empty()) {
            ChooseCityZone(cities_, platform_, iniPath_, cities_.LastCityIndex, newCityZone_);
        }
    } else {
        // A button pressed by its access key leaves the city box without
        // losing the focus: the typed name is checked here too.
        if (selectedCityIndex_ < 0 || !CheckTypedName(false)) {
            return;
        }
        name = cityBox_->itemText(selectedCityIndex_).toStdString();
        saved =
            editor_.ChangeCity(CityIndexAt(selectedCityIndex_), TypedFields(), ChangedDaylight());
        if (saved == SaveResult::Refused) {
            return;
        }
    }
    SaveChangedAuto();
    const bool added = newMode_;
    newMode_ = false;
    // The saved city, found by name: the file may have been read again meanwhile.
    FillCityList();
    selectedCityIndex_ = cityBox_->findData(editor_.CityNamed(name, -1).value_or(0));
    SelectPosition(selectedCityIndex_);
    // Told only once the city is on disk.
    if (added && saved == SaveResult::Written) {
        Tell("Saved");
    }
}

void SunsetForm::btn_del_Click() {
    if (!CheckTypedName(false)) {
        return;
    }
    const int position = cityBox_->currentIndex();
    const int city = position < 0 ? -1 : CityIndexAt(position);
    const std::string name = city < 0 ? std::string() : cities_.CityTable[city].CityName;
    if (!editor_.DeleteCity(cityBox_->currentText().toStdString(), city)) {
        return;
    }
    ForgetCityZone(platform_, iniPath_, name);
    newMode_ = false;
    FillCityList();
    selectedCityIndex_ = 0;
    SelectPosition(0);
}

void SunsetForm::Btn_Default_Click() {
    if (selectedCityIndex_ < 0) {
        return;
    }
    if (editor_.MakeDefault(CityIndexAt(selectedCityIndex_))) {
        Tell("Set as default");
    }
    editor_.SaveDaylight(ChangedDaylight());
    SaveChangedAuto();
    SelectPosition(selectedCityIndex_);
}

void SunsetForm::btn_ok_Click() {
    if (!MayDiscardTyped()) {
        return;
    }
    if (selectedCityIndex_ >= 0) {
        cities_.CurrentCity = static_cast<Integer>(CityIndexAt(selectedCityIndex_));
    }
    newMode_ = false;
    SelectPosition(selectedCityIndex_);
    accept();
}

void SunsetForm::reject() {
    if (!MayDiscardTyped()) {
        return;
    }
    newMode_ = false;
    QDialog::reject();
}

void SunsetForm::DayLightOption_Click() {
    daylightChanged_ = true;
}

void SunsetForm::ZonePicker_Chosen(const QString& zone) {
    if (newMode_) {
        newCityZone_ = zone.toStdString();
        ShowZoneSource("Chosen for this city");
    } else if (selectedCityIndex_ >= 0) {
        ChooseCityZone(cities_, platform_, iniPath_, CityIndexAt(selectedCityIndex_),
                       zone.toStdString());
        ShowCityFields(selectedCityIndex_);
    }
}

void SunsetForm::Btn_AddFromList_Click() {
    if (!editor_.CanAddCity()) {
        return;
    }
    PlaceListDialog places(cities_.ZonePlaces, this);
    if (places.exec() != QDialog::Accepted) {
        return;
    }
    const std::optional<ZonePlace> place = places.ChosenPlace();
    if (!place) {
        return;
    }
    const CityRecord city = CityAtPlace(*place);
    const SaveResult saved = editor_.AddCity(PlaceName(*place), FieldsOf(city), ChangedDaylight());
    if (saved == SaveResult::Refused) {
        return;
    }
    ChooseCityZone(cities_, platform_, iniPath_, cities_.LastCityIndex, place->zone);
    SaveChangedAuto();
    newMode_ = false;
    FillCityList();
    selectedCityIndex_ = cities_.LastCityIndex;
    SelectPosition(selectedCityIndex_);
    if (saved == SaveResult::Written) {
        Tell("Saved");
    }
}

void SunsetForm::Tell(const char* text) {
    platform_.ShowMessage(text, kApplicationTitle, MessageIcon::None, MessageButtons::Ok);
}

}  // namespace qavo::ui
