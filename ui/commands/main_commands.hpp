#pragma once
// The commands of the main window that ask for their input through prompts:
// the holiday lists, the conversions and anniversaries, the successive-days
// lists, the day information of a clicked cell and "A Jewish Date". Built
// once beside the main window, it connects the window's menu items and its
// day cells to the command flows. Each prompt is one dialog, created on
// first use and kept (hidden) for the rest of the run.

#include <QObject>
#include <optional>
#include <string>
#include <string_view>

#include "engine/platform.hpp"
#include "holidays/listed_days.hpp"
#include "startup/init_calendar.hpp"

namespace qavo::ui {

class GetGyear;
class GetJYear;
class GMonthDateForm;
class HeaderForm;
class JMonthDateForm;
class QavoWin;
class SuccDays;

class MainCommands : public QObject {
    Q_OBJECT
  public:
    MainCommands(QavoWin& window, Calendar& calendar);

    GetGyear& GetGyearDialog();
    GetJYear& GetJYearDialog();
    GMonthDateForm& GMonthDateDialog();
    JMonthDateForm& JMonthDateDialog();
    HeaderForm& HeaderDialog();
    SuccDays& SuccDaysDialog();

    // The heading of the anniversary lists, kept between runs.
    const std::string& HeaderText() const { return headerText_; }

    // "Holidays For Gregorian Year" and "Holidays For Jewish Year".
    void GregorianYearCommand();
    void JewishYearCommand();
    // "Convert" and "Anniversaries".
    void Menu_G2J_Click();
    void Menu_J2G_Click();
    void AnnivFromGreg_Click();
    void AnnivFromJewish_Click();
    void ConvertFromGregorian();
    void ConvertFromJewish();
    // "Sunset Times" and "Readings".
    void menu_sunset_times_Click();
    void menu_readings_Click();
    void SuccessiveDaysList(int mode);
    // A click on day cell 1..42, and "A Jewish Date".
    void ShowDayInfo(int cell);
    void Menu_2JewishDate_Click();

  private:
    Engine& engine();
    void Tell(std::string_view text, std::string_view title, MessageIcon icon);
    // True, with Cancelled set back to false, when the last prompt was cancelled.
    bool TakeCancel();
    // The Gregorian year prompt, shown again while the year that reaches the
    // command lies outside 1583..7000; false when it was cancelled.
    bool AskGregorianYear(std::string_view belowRangeTitle, MessageIcon belowRangeIcon);
    // The Jewish year prompt: JYear and GYear follow its result, also after Cancel.
    void AskJewishYear();
    // The heading prompt for a list that starts in firstJYear; false when cancelled.
    bool AskHeading(int firstJYear);
    // The count prompt of the successive-days lists; false when the command ends.
    bool AskDayCount();
    // The page of the day after a successive-days list, within the calendar.
    void RebuildPageAfterList();
    void TellDateOutsideCalendar();
    // A holiday or anniversary list, which the output window can also save
    // as a calendar file.
    void ShowResult(const std::optional<ListedReport>& report);

    QavoWin& window_;
    Calendar& calendar_;
    std::string headerText_;
    GetGyear* getGyear_ = nullptr;
    GetJYear* getJYear_ = nullptr;
    GMonthDateForm* gMonthDateForm_ = nullptr;
    JMonthDateForm* jMonthDateForm_ = nullptr;
    HeaderForm* headerForm_ = nullptr;
    SuccDays* succDays_ = nullptr;
};

}  // namespace qavo::ui
