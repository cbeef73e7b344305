#pragma once
// The prompts of the main window's commands and the steps the commands share:
// ask for a year, a date, a heading or a day count, tell a refusal, show a
// result. Each prompt is one dialog, created on first use and kept (hidden)
// by the main window for the rest of the run.

#include <QObject>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.hpp"
#include "holidays/listed_days.hpp"

namespace qavo::ui {

class GetGyear;
class GetJYear;
class GMonthDateForm;
class HeaderForm;
class JMonthDateForm;
class QavoWin;
class SuccDays;

class Prompts : public QObject {
    Q_OBJECT
  public:
    Prompts(QavoWin& window, Engine& engine);

    // "Gregorian Year", shown again while the year that reaches the command
    // lies outside 1583..7000: closing it by its frame hands on the year as
    // spun, and a year below the range is told with the command's own title
    // and icon. False when cancelled.
    bool AskGregorianYear(std::string_view belowRangeTitle, MessageIcon belowRangeIcon);
    // "Jewish Year": JYear and GYear follow its result, also after Cancel.
    // False when cancelled.
    bool AskJewishYear();
    // The month-and-day prompts of either calendar; false when cancelled.
    bool AskGregorianDate();
    bool AskJewishDate();
    // Where the month accepted last stands in the Jewish year's list of months.
    int ChosenJewishMonthPosition();
    // The heading of a list that starts in firstJYear; false when cancelled.
    bool AskHeading(int firstJYear);
    // The heading, kept between runs until a plain conversion clears it.
    const std::string& Heading() const { return heading_; }
    void ClearHeading() { heading_.clear(); }
    // The count of a successive-days list, asked again after a refusal;
    // false when the command ends.
    bool AskDayCount();

    void Tell(std::string_view text, std::string_view title, MessageIcon icon);
    void TellDateOutsideCalendar();
    // A holiday or anniversary list, which the output window can also save
    // as a calendar file.
    void ShowResult(const std::optional<ListedReport>& report);

  private:
    GetGyear& GregorianYearPrompt();
    GetJYear& JewishYearPrompt();
    GMonthDateForm& GregorianDatePrompt();
    JMonthDateForm& JewishDatePrompt();
    HeaderForm& HeadingPrompt();
    SuccDays& DayCountPrompt();
    // True, with Cancelled set back to false, when the last prompt was cancelled.
    bool TakeCancel();

    QavoWin& window_;
    Engine& engine_;
    std::string heading_;
    GetGyear* getGyear_ = nullptr;
    GetJYear* getJYear_ = nullptr;
    GMonthDateForm* gMonthDateForm_ = nullptr;
    JMonthDateForm* jMonthDateForm_ = nullptr;
    HeaderForm* headerForm_ = nullptr;
    SuccDays* succDays_ = nullptr;
};

}  // namespace qavo::ui
