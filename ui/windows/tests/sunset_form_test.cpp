#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <functional>
#include <vector>

#include "sunset/city_file.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/tests/test_support.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/temp_dir.hpp"
#include "ui/tests/modal_script.hpp"
#include "ui/widgets/number_box.hpp"
#include "ui/windows/sunset_form.hpp"

// Qt's switch for the access keys of "&" captions (exported, declared only in its documentation).
Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool enabled);

namespace qavo::ui {
namespace {

using qavo::testing::City;

const CityRecord kBoston = City("Boston", 42, 21, 71, 4, 5);
constexpr const char* kNameChanged = "Do not modify name. Delete and add new entry.";

struct SunsetFormTest : ::testing::Test {
    qavo::testing::TempDir dir;
    qavo::testing::FakePlatform platform;
    CityDatabase cities;
    std::string ini = dir / "QAVOWIN.INI";
    std::unique_ptr<SunsetForm> form;

    // Writes the two files, loads them as the program's start does and opens
    // the dialog as the active window.
    void Open(const std::vector<CityRecord>& records, const std::string& settings) {
        std::string bytes;
        for (const CityRecord& city : records) {
            bytes += EncodeCityRecord(city);
        }
        dir.Write("sunset.dat", bytes);
        dir.Write("QAVOWIN.INI", settings);
        cities.Directory = dir.path();
        ReadIniOptions(cities, platform, ini);
        LoadCityFile(cities, platform, ini);
        form = std::make_unique<SunsetForm>(cities, platform, ini);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    std::size_t StoredCities() const { return dir.Read("sunset.dat").size() / kCityRecordSize; }
    template <class Widget = NumberBox>
    Widget* Find(const char* name) {
        auto* widget = form->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Field(const char* name) { return Find(name)->text(); }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void Press(const char* button) { Click(Find<QPushButton>(button)); }
    // Keys go to whatever holds the focus, as a keyboard's do.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    // From the latitude box back to the city box, its text selected.
    void FocusCityBox() {
        Click(Find("LatBox"));
        Key(Qt::Key_Backtab);
        ASSERT_EQ(QApplication::focusWidget(), form->CityBox());
        Key(Qt::Key_A, Qt::ControlModifier);
    }
    void TypeInto(const char* box, const QString& text) {
        Click(Find(box));
        Find(box)->selectAll();
        Type(text);
    }
    std::string LastMessage() const {
        return platform.messages.empty() ? "" : platform.messages.back().text;
    }
};

TEST_F(SunsetFormTest, OpensOnTheDefaultCityAndShowsTheCityChosen) {
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY= 1  \nDayLightSetting=daylight\n");
    ASSERT_EQ(form->CityBox()->count(), 2);
    EXPECT_EQ(form->CityBox()->currentText(), "Boston");
    const QStringList shown = {Field("LatBox"), Field("LatMinBox"), Field("LongBox"),
                               Field("LongMinBox"), Field("ZoneBox")};
    EXPECT_EQ(shown.join(' '), "42 21 71 4 5");
    EXPECT_TRUE(Find<QRadioButton>("DaylightOption")->isChecked());
    FocusCityBox();
    Key(Qt::Key_Up);
    EXPECT_EQ(Field("LatBox"), "40");
    EXPECT_EQ(form->SelectedCityIndex(), 0);
    EXPECT_TRUE(platform.messages.empty());
}

// A screen reader hears each input by its label and each button by what it
// does; each access key reaches one control.
TEST_F(SunsetFormTest, EachControlIsNamedAndHasAnAccessKeyOfItsOwn) {
    qt_set_sequence_auto_mnemonic(true);
    Open({DefaultCity()}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    const struct {
        QWidget* control;
        const char* name;
    } named[] = {{form->CityBox()->lineEdit(), "City Name"},
                 {Find("LatMinBox"), "Latitude minutes"},
                 {Find("ZoneBox"), "Hrs. From GMT"},
                 {Find<QWidget>("DayLightOption"), "Clock for sunset times"},
                 {Find<QRadioButton>("StandardOption"), "Standard"},
                 {Find<QComboBox>("ZonePicker")->lineEdit(), "Time Zone"},
                 {Find<QPushButton>("Btn_AddFromList"), "Add from list..."}};
    for (const auto& [control, name] : named) {
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).toStdString(),
            name);
    }
    QStringList keys;
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        keys << QKeySequence::mnemonic(button->text()).toString();
    }
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        keys << QKeySequence::mnemonic(label->text()).toString();
    }
    keys.removeAll(QString());
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
        << keys.join(' ').toStdString();
    // A key clicks its button as a click does, after a short show of it pressed.
    Key(Qt::Key_A, Qt::AltModifier);
    auto* daylight = Find<QRadioButton>("DaylightOption");
    EXPECT_TRUE(QTest::qWaitFor([daylight] { return daylight->isChecked(); }));
    Key(Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Find<QComboBox>("ZonePicker"));
}

// At a large desktop font the captions of the new rows get the room their
// texts need too, and no control covers another.
TEST_F(SunsetFormTest, CaptionsFitTheirTextsAtALargeDesktopFont) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(14);
    QApplication::setFont(large);
    Open({DefaultCity()}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    for (const char* option : {"StandardOption", "DaylightOption", "AutoOption"}) {
        auto* button = Find<QRadioButton>(option);
        EXPECT_GE(button->width(), button->sizeHint().width()) << option;
    }
    const auto controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        if (qobject_cast<const QLabel*>(control) || qobject_cast<const QPushButton*>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->objectName().toStdString();
        }
        for (const QWidget* other : controls) {
            EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
                << control->objectName().toStdString() << " " << other->objectName().toStdString();
        }
    }
    QApplication::setFont(desktop);
}

TEST_F(SunsetFormTest, ANewCityIsSavedFromTheBoxesAndSelected) {
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    Press("btn_New");
    Type("Hoboken");  // into the city box, which New gave the focus
    const char* boxes[] = {"LatBox", "LatMinBox", "LongBox", "LongMinBox", "ZoneBox"};
    const char* typed[] = {"40", "45", "73", "59", "13"};
    for (int i = 0; i < 5; ++i) {
        TypeInto(boxes[i], typed[i]);
    }
    Press("Btn_Save");
    EXPECT_EQ(LastMessage(), "Invalid data: Hrs. From GMT must be a number from -12 to 12.");
    EXPECT_TRUE(form->NewMode());
    TypeInto("ZoneBox", "5");
    Press("Btn_Save");
    ASSERT_EQ(StoredCities(), 3u);
    EXPECT_EQ(cities.CityTable[2], City("Hoboken", 40, 45, 73, 59, 5));
    EXPECT_FALSE(form->NewMode());
    EXPECT_EQ(form->CityBox()->itemText(form->CityBox()->currentIndex()), "Hoboken");
    EXPECT_EQ(form->SelectedCityIndex(), 2);
    EXPECT_EQ(platform.messages.back().title, "QAVO for Windows");
    EXPECT_EQ(LastMessage(), "Saved");
}

// However the box is left, a changed name is refused and nothing is written:
// Enter, Tab, a click away, or an access key that presses Delete or Save while
// the focus stays in the box.
TEST_F(SunsetFormTest, AChangedNameIsRefusedHoweverTheBoxIsLeft) {
    // The offscreen platform has no access keys of its own; a desktop has.
    qt_set_sequence_auto_mnemonic(true);
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY=1\n");
    const std::string before = dir.Read("sunset.dat");
    const std::function<void()> leaves[] = {
        [this] { Key(Qt::Key_Return); }, [this] { Key(Qt::Key_Tab); },
        [this] { Click(Find("ZoneBox")); }, [this] { Key(Qt::Key_D, Qt::AltModifier); },
        [this] { Key(Qt::Key_S, Qt::AltModifier); }};
    for (std::size_t i = 0; i < std::size(leaves); ++i) {
        SCOPED_TRACE(i);
        platform.messages.clear();
        FocusCityBox();
        Type("Cambridge");
        leaves[i]();
        // A key presses its button as a click does, after a short show of it pressed.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !platform.messages.empty(); }));
        EXPECT_EQ(LastMessage(), kNameChanged);
        EXPECT_EQ(form->CityBox()->currentText(), "Boston");
        EXPECT_EQ(form->SelectedCityIndex(), 1);
        EXPECT_EQ(dir.Read("sunset.dat"), before);
        if (i >= 3) {
            EXPECT_EQ(QApplication::focusWidget(), form->CityBox());
        }
    }
    // A typed name of a listed city shows that city and moves on to Save.
    platform.messages.clear();
    FocusCityBox();
    Type("New York");
    Key(Qt::Key_Return);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(form->SelectedCityIndex(), 0);
    EXPECT_EQ(Field("LatBox"), "40");
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("Btn_Save"));
}

TEST_F(SunsetFormTest, DeleteRemovesTheSelectedCityOfTwoOfOneName) {
    const CityRecord london = City("London", 51, 30, 0, 7, 0);
    Open({DefaultCity(), london, City("London", 1, 1, 1, 1, 1)}, "[OPTIONS]\nDEFAULT_CITY=2\n");
    FocusCityBox();
    Key(Qt::Key_Tab);  // the unchanged name passes the check
    Press("btn_del");  // answered No
    EXPECT_EQ(LastMessage(), "Delete London from the cities?");
    EXPECT_EQ(StoredCities(), 3u);
    platform.answers.push_back(MessageAnswer::Yes);
    Press("btn_del");
    ASSERT_EQ(StoredCities(), 2u);
    EXPECT_EQ(cities.CityTable[1], london);
    EXPECT_EQ(form->CityBox()->currentText(), "New York");
}

TEST_F(SunsetFormTest, TheDaylightChoiceIsTakenOverOnlyBySave) {
    const std::string settings = "[OPTIONS]\nDayLightSetting=Standard\nDEFAULT_CITY=0\n";
    Open({DefaultCity(), kBoston}, settings);
    auto* daylight = Find<QRadioButton>("DaylightOption");
    Click(daylight);
    Press("btn_ok");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), settings);

    // Shown again, the dialog takes its box from the setting once more.
    form->show();
    EXPECT_FALSE(daylight->isChecked());
    Click(daylight);
    Press("Btn_Save");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDaylightSetting=Daylight\nDEFAULT_CITY=0\n");
    Press("Btn_Default");
    EXPECT_EQ(LastMessage(), "Set as default");
    Click(Find<QRadioButton>("AutoOption"));
    Press("Btn_Save");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"), "[OPTIONS]\nDaylightSetting=Auto\nDEFAULT_CITY= 0  \n");
    EXPECT_EQ(cities.DaylightMode, "Auto    ");
}

TEST_F(SunsetFormTest, EachCityShowsItsZoneWhichTheUserMayChooseOrTakeFromTheWorldList) {
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY=1\nDayLightSetting=auto\n");
    EXPECT_TRUE(Find<QRadioButton>("AutoOption")->isChecked());
    auto* zone = Find<QComboBox>("ZonePicker");
    EXPECT_EQ(zone->currentText(), "America/New_York");
    EXPECT_EQ(Find<QLabel>("ZoneSource")->text(), "Inferred from its place and Zone");
    // Type-ahead: any part of the name; Enter takes a whole name.
    Click(zone);
    zone->lineEdit()->selectAll();
    Type("jerusalem");
    Key(Qt::Key_Return);
    EXPECT_EQ(cities.CityTable[1].TimeZone, "Asia/Jerusalem");
    EXPECT_EQ(Find<QLabel>("ZoneSource")->text(), "Chosen for this city");
    EXPECT_EQ(zone->lineEdit()->accessibleDescription(), "Chosen for this city");

    ModalScript script;
    script.Then("PlaceListDialog", [](QWidget* dialog) {
        // Named for a screen reader, and wide enough for every entry.
        auto* places = dialog->findChild<QListWidget*>("PlaceList");
        EXPECT_EQ(places->accessibleName(), "Places");
        EXPECT_EQ(places->horizontalScrollBar()->maximum(), 0);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), "&Add");
        QTest::keyClicks(dialog->findChild<QLineEdit*>("PlaceSearch"), "kolk");
        static_cast<QDialog*>(dialog)->accept();
    });
    script.Run([&] { Press("Btn_AddFromList"); });
    EXPECT_TRUE(script.failures.empty());
    ASSERT_EQ(StoredCities(), 3u);
    EXPECT_EQ(cities.CityTable[2], City("Kolkata", 22, 32, -88, -22, -5, "Asia/Kolkata"));
    EXPECT_EQ(form->CityBox()->currentText(), "Kolkata");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"),
              "[OPTIONS]\nDEFAULT_CITY=1\nDayLightSetting=auto\n[TIMEZONES]\n"
              "Boston=Asia/Jerusalem\nKolkata=Asia/Kolkata\n");
    // A deleted city takes its zone with it.
    platform.answers.push_back(MessageAnswer::Yes);
    Press("btn_del");
    EXPECT_EQ(dir.Read("QAVOWIN.INI"),
              "[OPTIONS]\nDEFAULT_CITY= 0  \nDayLightSetting=auto\n[TIMEZONES]\n"
              "Boston=Asia/Jerusalem\n");
}

// Each opening reads the file again, and typed fields are never dropped
// without the user's word.
TEST_F(SunsetFormTest, EachOpeningReadsTheFileAndUnsavedFieldsAreAskedAbout) {
    Open({DefaultCity(), kBoston}, "[OPTIONS]\nDEFAULT_CITY=0\n");
    Press("btn_ok");
    dir.Write("sunset.dat",
              dir.Read("sunset.dat") + EncodeCityRecord(City("Haifa", 1, 2, 3, 4, 5)));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(form->CityBox()->count(), 3);
    EXPECT_EQ(form->CityBox()->itemText(2), "Haifa");
    TypeInto("ZoneBox", "9");
    emit form->CityBox()->activated(1);  // answered No: the typed zone stays
    EXPECT_EQ(Field("ZoneBox"), "9");
    EXPECT_EQ(form->CityBox()->currentIndex(), 0);
    platform.answers.push_back(MessageAnswer::Yes);  // New drops the typed zone
    Press("btn_New");
    Type("Hoboken");
    platform.messages.clear();
    Press("btn_ok");  // answered No: the dialog stays with what was typed
    EXPECT_EQ(LastMessage(), "The city shown has changes that were not saved. Discard them?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->CityBox()->currentText(), "Hoboken");
    platform.answers.push_back(MessageAnswer::Yes);
    Press("btn_ok");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(StoredCities(), 3u);
}

}  // namespace
}  // namespace qavo::ui
