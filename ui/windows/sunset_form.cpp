#include "ui/windows/sunset_form.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "engine/number_text.hpp"
#include "sunset/city_file.hpp"
#include "sunset/data_file.hpp"
#include "sunset/settings_file.hpp"
#include "ui/platform/app_title.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {

namespace {

constexpr const char* kWarningTitle = "Warning";
constexpr const char* kNewYork = "New York";
constexpr int kBoxWidth = 840;
constexpr int kBoxHeight = 315;
constexpr int kButtonLeft = 3720;

// The value of a number box: its leading number with an optional fraction
// (anything after is ignored, an empty box gives 0).
double BoxValue(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == '+' || trimmed[end] == '-')) {
        ++end;
    }
    bool point = false;
    while (end < trimmed.size() && (trimmed[end].isDigit() || (trimmed[end] == '.' && !point))) {
        point = point || trimmed[end] == '.';
        ++end;
    }
    return trimmed.left(end).toDouble();  // 0 when there are no digits
}

QString NumberText(double value) {
    return QString::number(value, 'g', 7);
}

bool UpperCaseEquals(const std::string& text, std::string_view upper) {
    return QString::fromStdString(text).toUpper() ==
           QString::fromLatin1(upper.data(), static_cast<qsizetype>(upper.size()));
}

}  // namespace

SunsetForm::SunsetForm(CityDatabase& cities, Platform& platform, std::string iniPath,
                       QWidget* parent)
    : QDialog(parent), cities_(cities), platform_(platform), iniPath_(std::move(iniPath)) {
    setObjectName("SunsetForm");
    setWindowTitle("Sunset Data");
    BuildControls();
}

void SunsetForm::BuildControls() {
    setFixedSize(TwipsToPixelsX(5640), TwipsToPixelsY(3240));
    auto addLabel = [this](const char* caption, int left, int top, int width) {
        auto* label = new QLabel(caption, this);
        PlaceInTwips(label, left, top, width, 255);
    };
    addLabel("City Name", 240, 180, 1800);
    cityBox_ = new QComboBox(this);
    cityBox_->setObjectName("CityBox");
    cityBox_->setEditable(true);
    cityBox_->setInsertPolicy(QComboBox::NoInsert);
    // The typed name stays as typed, so that a changed name can be told.
    cityBox_->setCompleter(nullptr);
    cityBox_->lineEdit()->installEventFilter(this);
    PlaceInTwips(cityBox_, 240, 450, 3120, 345);
    connect(cityBox_, &QComboBox::activated, this, &SunsetForm::CityBox_Click);

    addLabel("Deg", 1560, 960, kBoxWidth);
    addLabel("Min", 2520, 960, kBoxWidth);
    addLabel("Latitude", 240, 1260, 1300);
    latBox_ = AddNumberBox("LatBox", 1560, 1230);
    latMinBox_ = AddNumberBox("LatMinBox", 2520, 1230);
    addLabel("Longitude", 240, 1680, 1300);
    longBox_ = AddNumberBox("LongBox", 1560, 1650);
    longMinBox_ = AddNumberBox("LongMinBox", 2520, 1650);
    addLabel("Hrs. From GMT", 240, 2100, 1300);
    zoneBox_ = AddNumberBox("ZoneBox", 1560, 2070);

    dayLightOption_ = new QCheckBox("Daylight Time", this);
    dayLightOption_->setObjectName("DayLightOption");
    PlaceInTwips(dayLightOption_, 240, 2640, 2400, 315);
    connect(dayLightOption_, &QCheckBox::clicked, this, &SunsetForm::DayLightOption_Click);

    connect(AddButton("btn_New", "&New", 240), &QPushButton::clicked, this,
            &SunsetForm::btn_New_Click);
    btnSave_ = AddButton("Btn_Save", "&Save", 780);
    connect(btnSave_, &QPushButton::clicked, this, &SunsetForm::Btn_Save_Click);
    connect(AddButton("btn_del", "&Delete", 1320), &QPushButton::clicked, this,
            &SunsetForm::btn_del_Click);
    connect(AddButton("Btn_Default", "&Make Default", 1860), &QPushButton::clicked, this,
            &SunsetForm::Btn_Default_Click);
    connect(AddButton("btn_ok", "D&one", 2520), &QPushButton::clicked, this,
            &SunsetForm::btn_ok_Click);
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
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    Form_Activate();
}

void SunsetForm::Form_Load() {
    if (screen() != nullptr) {
        const QRect area = screen()->geometry();
        move((area.width() - frameGeometry().width()) / 2,
             (area.height() - frameGeometry().height()) / 2);
    }
    LoadCityFile(cities_, platform_, iniPath_);
    // Without a city file (the user declined the default one) nothing was
    // loaded; the all-blank record in the table is no city to list.
    std::string error;
    if (!FindFileCaseBlind(cities_.Directory, kCityFileName, error) && cities_.LastCityIndex <= 0 &&
        cities_.CityTable[0] == CityRecord{}) {
        cities_.LastCityIndex = -1;
    }
    FillCityList();
}

void SunsetForm::Form_Activate() {
    if (!HasCities()) {
        // Nothing to select: the dialog waits for the first city.
        newMode_ = true;
        ClearCityFields();
        cityBox_->setFocus();
    } else {
        if (cities_.CurrentCity < 0 || cities_.CurrentCity > cities_.LastCityIndex) {
            Message("Error in Default City Setting. Modify setup.", kWarningTitle,
                    MessageIcon::Exclamation);
            cities_.CurrentCity = 0;  // the first city
            SelectPosition(0);
        } else {
            int found = -1;
            for (int position = 0; position < cityBox_->count() && found < 0; ++position) {
                if (CityIndexAt(position) == cities_.CurrentCity) {
                    found = position;
                }
            }
            if (found >= 0) {
                SelectPosition(found);
            } else {
                Message("Default record not found", kWarningTitle, MessageIcon::Exclamation);
            }
        }
        ShowCityFields(cityBox_->currentIndex());
        selectedCityIndex_ = cityBox_->currentIndex();
    }
    if (UpperCaseEquals(cities_.DaylightMode, "STANDARD")) {
        dayLightOption_->setChecked(false);
    } else if (UpperCaseEquals(cities_.DaylightMode, "DAYLIGHT")) {
        dayLightOption_->setChecked(true);
    } else {
        Message("Improper Daylight parameter in INI file.", kWarningTitle,
                MessageIcon::Exclamation);
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
    latBox_->setText(NumberText(city.LatDeg));
    longBox_->setText(NumberText(city.LongDeg));
    latMinBox_->setText(NumberText(city.LatMin));
    longMinBox_->setText(NumberText(city.LongMin));
    zoneBox_->setText(QString::number(city.Zone));
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

void SunsetForm::ClearCityFields() {
    {
        const QSignalBlocker quiet(cityBox_);
        cityBox_->setCurrentIndex(-1);
        cityBox_->setEditText(QString());
    }
    for (NumberBox* box : {latBox_, latMinBox_, longBox_, longMinBox_, zoneBox_}) {
        box->clear();
    }
}

void SunsetForm::StoreCityFields(int cityIndex) {
    invalidData_ = false;
    const struct {
        const NumberBox* box;
        int limit;
    } ranges[] = {{latBox_, kDegreeLimit},
                  {latMinBox_, kMinuteLimit},
                  {longBox_, kDegreeLimit},
                  {longMinBox_, kMinuteLimit},
                  {zoneBox_, kZoneLimit}};
    for (const auto& range : ranges) {
        const double value = BoxValue(range.box->text());
        if (value < -range.limit || value > range.limit) {
            invalidData_ = true;
            return;
        }
    }
    // A city without a name could not be told from the others in the list.
    const QString name = cityBox_->currentText();
    if (name.trimmed().isEmpty()) {
        invalidData_ = true;
        return;
    }
    CityRecord& city = cities_.CityTable[cityIndex];
    city.CityName = PadCityName(name.toStdString());
    city.LatDeg = static_cast<float>(BoxValue(latBox_->text()));
    city.LatMin = static_cast<float>(BoxValue(latMinBox_->text()));
    city.LongDeg = static_cast<float>(BoxValue(longBox_->text()));
    city.LongMin = static_cast<float>(BoxValue(longMinBox_->text()));
    city.Zone = ReadLeadingNumber(zoneBox_->text().toStdString()).value;
}

bool SunsetForm::CheckTypedName(bool enter) {
    const QString typed = cityBox_->currentText();
    int match = -1;
    for (int position = 0; position < cityBox_->count() && match < 0; ++position) {
        if (cityBox_->itemText(position) == typed) {
            match = position;
        }
    }
    if (match < 0) {
        if (newMode_) {
            return true;
        }
        Message("Do not modify name. Delete and add new entry.", kWarningTitle, MessageIcon::Stop);
        SelectPosition(selectedCityIndex_);
        return false;
    }
    // The typed name is that of a listed city: that city is the one shown
    // and saved, so a name never ends up with another city's numbers.
    if (!newMode_ && (enter || match != selectedCityIndex_)) {
        SelectPosition(match);
    }
    if (enter) {
        btnSave_->setFocus();
    }
    return true;
}

bool SunsetForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cityBox_->lineEdit()) {
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

void SunsetForm::CityBox_Click(int) {
    ShowSelectedCity();
}

void SunsetForm::btn_New_Click() {
    if (cities_.LastCityIndex + 1 >= kMaxCityRecords) {
        Message("SUNSET.DAT holds at most 99 cities. Delete a city before adding a new one.",
                kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    newMode_ = true;
    ClearCityFields();
    cityBox_->setFocus();
}

void SunsetForm::Btn_Save_Click() {
    bool added = false;
    if (newMode_) {
        const int i = cities_.LastCityIndex + 1;
        StoreCityFields(i);
        if (invalidData_) {
            Message("Invalid data", "Entry Error", MessageIcon::Stop);
            return;
        }
        cities_.LastCityIndex = i;
        FillCityList();
        selectedCityIndex_ = cityBox_->findData(i);
        added = true;
    } else {
        // A button pressed by its access key leaves the city box without
        // losing the focus: the typed name is checked here too.
        if (selectedCityIndex_ < 0 || !CheckTypedName(false)) {
            return;
        }
        StoreCityFields(CityIndexAt(selectedCityIndex_));
        if (invalidData_) {
            Message("Invalid data", "Entry Error", MessageIcon::Stop);
            return;
        }
    }
    newMode_ = false;
    SaveDaylightIfChanged();
    SelectPosition(selectedCityIndex_);
    const bool written = WriteCityFile(cities_, platform_);
    FillCityList();
    SelectPosition(selectedCityIndex_);
    // Told only once the city is on disk.
    if (added && written) {
        Tell("Saved");
    }
}

void SunsetForm::btn_del_Click() {
    if (!CheckTypedName(false)) {
        return;
    }
    if (cityBox_->currentText() == kNewYork) {
        Message("Cannot erase New York entry", kWarningTitle, MessageIcon::Stop);
        return;
    }
    const int position = cityBox_->currentIndex();
    if (position < 0) {
        return;  // no listed city is selected (a new one is being typed)
    }
    if (cities_.LastCityIndex == 0) {
        Message("Cannot erase the only city entry. Add another city first.", kWarningTitle,
                MessageIcon::Stop);
        return;
    }
    const int i = CityIndexAt(position);
    for (int k = i; k < cities_.LastCityIndex; ++k) {
        cities_.CityTable[k] = cities_.CityTable[k + 1];
    }
    cities_.CityTable[cities_.LastCityIndex] = CityRecord{};
    --cities_.LastCityIndex;
    newMode_ = false;
    WriteCityFile(cities_, platform_);
    FillCityList();
    selectedCityIndex_ = 0;
    SelectPosition(0);
    SaveDefaultCity(cities_, platform_, iniPath_, CityIndexAt(0));
}

void SunsetForm::Btn_Default_Click() {
    if (selectedCityIndex_ < 0) {
        return;
    }
    if (SaveDefaultCity(cities_, platform_, iniPath_, CityIndexAt(selectedCityIndex_))) {
        Tell("Set as default");
    }
    SaveDaylightIfChanged();
    SelectPosition(selectedCityIndex_);
}

void SunsetForm::btn_ok_Click() {
    if (selectedCityIndex_ >= 0) {
        cities_.CurrentCity = static_cast<Integer>(CityIndexAt(selectedCityIndex_));
    }
    newMode_ = false;
    SelectPosition(selectedCityIndex_);
    accept();
}

void SunsetForm::reject() {
    loaded_ = false;
    newMode_ = false;
    QDialog::reject();
}

void SunsetForm::DayLightOption_Click() {
    daylightChanged_ = true;
}

void SunsetForm::SaveDaylightIfChanged() {
    if (daylightChanged_) {
        SaveDaylightSetting(cities_, platform_, iniPath_, dayLightOption_->isChecked());
    }
}

void SunsetForm::Message(const char* text, const char* title, MessageIcon icon) {
    platform_.ShowMessage(text, title, icon, MessageButtons::Ok);
}

void SunsetForm::Tell(const char* text) {
    platform_.ShowMessage(text, kApplicationTitle, MessageIcon::None, MessageButtons::Ok);
}

}  // namespace qavo::ui
