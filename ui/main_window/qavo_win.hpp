#pragma once
// The main window "QAVO for Windows": the month page, the month and year
// controls, the menu bar, and the shared file-and-printer dialog.

#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>

#include "page/month_page.hpp"
#include "startup/init_calendar.hpp"
#include "ui/main_window/main_menu.hpp"

class QComboBox;
class QPushButton;

namespace qavo::ui {

class CommonDialog;
class NumberBox;
class PageView;
class SpinButton;

class QavoWin : public QMainWindow {
    Q_OBJECT
  public:
    QavoWin(Calendar& calendar, std::unique_ptr<CommonDialog> commonDialog);
    ~QavoWin() override;

    // The start-up sequence: ends with the page of today's month painted
    // when it returns Ready. TodayOutOfRange when the system clock's date
    // lies outside 1583..7000, which have pages.
    StartupResult Load();

    // Later commands: rebuild the page of GYear/TargetGMonth after a command
    // moved them, and hand a report to a new output window.
    void BuildMonthPage();
    void ShowReport(std::string_view text);
    // Applies the typed year and the chosen month: false, with the page
    // unchanged, when the year is refused.
    bool ShowEnteredMonth();

    Engine& engine() { return calendar_.engine; }
    // The holiday choices the page and the reports follow; a change shows
    // the page again with them.
    const HolidayOptions& HolidayChoices() const { return calendar_.holidayOptions; }
    void SetHolidayChoices(const HolidayOptions& options);
    MonthPage& Page() { return page_; }
    CommonDialog& CommonDialog1() { return *commonDialog_; }
    const MainMenu& Menu() const { return menu_; }
    PageView* Cells() const { return pageView_; }

    // The year as typed in the year box and the month chosen in the list (0
    // to 11), applied to the page or not yet.
    std::string TypedYear() const;
    int ChosenMonthIndex() const;
    // The year box, losing the focus to the Jewish-year button, applies a
    // year typed there.
    void FocusJewishYearButton();

    // The row of controls above the page.
    QComboBox* MonthList() const { return monthLabel_; }
    SpinButton* MonthSpin() const { return upDown1_; }
    NumberBox* YearBox() const { return yearLabel_; }
    SpinButton* YearSpin() const { return upDown2_; }
    QPushButton* JewishYearButton() const { return btnJyear_; }

  signals:
    // The window was closed or "E&xit" chosen: the program ends.
    void ProgramEnding();
    // A shown day cell was clicked (cell 1 to 42).
    void DayCellClicked(int cell);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void UpDown1_DownClick();
    void UpDown1_UpClick();
    void UpDown2_DownClick();
    void UpDown2_UpClick();
    void YearLabel_Enter();
    void YearLabel_LostFocus();
    void MonthLabel_Click(int index);
    void Btn_Jyear_Click();
    void Menu_today_Click();
    void Menu_Exit_Click();
    void Menu_About_Click();
    void PageView_DayStep(int days);
    void PageView_MonthStep(int months);
    void PageView_Today();

  private:
    void BuildControls(QWidget* client);
    // Keeps the window's size and place for the next start.
    void SaveLayout();
    void ConnectControls();
    void StepYear(int delta);
    void SetJewishYearCaption(const QString& caption);
    void ShowPage();
    // The day the keyboard is on, and a move of it, to another month if need be.
    GregorianDate FocusedDate() const;
    void GoToDay(GregorianDate day);

    Calendar& calendar_;
    std::unique_ptr<CommonDialog> commonDialog_;
    MonthPage page_;
    MainMenu menu_{};
    PageView* pageView_ = nullptr;
    QComboBox* monthLabel_ = nullptr;
    NumberBox* yearLabel_ = nullptr;
    SpinButton* upDown1_ = nullptr;
    SpinButton* upDown2_ = nullptr;
    QPushButton* btnJyear_ = nullptr;
};

}  // namespace qavo::ui
