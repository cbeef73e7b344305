#pragma once
// The calendar engine: one block of state that the operations read and leave
// behind, so that each command can go on from where the previous step stopped.
// The application owns one Engine; every test builds its own.

#include <string>

#include "engine/platform.hpp"
#include "engine/types.hpp"

namespace qavo {

class YearTable;

struct Engine {
    explicit Engine(Platform& platform);

    Platform& platform;

    // --- Gregorian side ---
    Integer GYear = 0;  // the year worked on; the target year of GregorianToJewish
    Integer TargetGMonth = 0;
    Integer TargetGDay = 0;
    Integer TodayGYear = 0;
    Integer TodayGMonth = 0;
    Integer TodayGDay = 0;
    Integer GLeapIndex = 0;  // 0 or 1, leap index of the year last stepped through

    // --- Jewish year ---
    MoladTime Molad;       // molad of Tishri of the year last given to NewYearWeekdayOf
    MoladTime MoladProbe;  // scratch of the two postponement tests
    bool Postpone = false;
    Integer CyclePos = 0;  // [0, 18]
    Integer CommonsBefore = 0;
    Integer LeapsBefore = 0;
    Integer NewYearWeekday = 0;  // weekday of 1 Tishri, 0 = Sunday
    Integer YearType = 0;        // [1, 6]
    Integer YearShift = 0;
    Integer RunningSeptDay = 0;  // [3, 57] in range: September day of the last new year found
    Integer RunningShift = 0;
    Integer JYear = 0;
    Integer NewYearGDay = 0;
    Integer NewYearGMonth = 0;  // 9 or 10

    // --- Jewish date ---
    Integer JDay = 0;
    Integer JMonth = 0;       // 13 fixed slots: 1 Tishri ... 6 Adar, 7 Adar II, 8 Nisan ... 13 Elul
    Integer JMonthShown = 0;  // position in the year's own list of 12 or 13 months
    Integer ResultJYear = 0;
    Integer NewYearGYear = 0;
    bool AfterNewYear = false;

    // --- Program-wide settings and command flags ---
    bool Cancelled = false;
    Integer SuccYears = 1;
    Integer SuccDayCount = 30;
    Integer PageOriginX = 50;    // twips
    Integer PageOriginY = 1000;  // twips
    bool PageBusy = false;
    bool YearDialogOpen = false;
    bool AnnivMode = false;
    std::string IniPath;

    // --- Gregorian calendar ---
    static bool IsGregorianLeap(int year);
    void NextGregorianDay(Integer& year, Integer& month, Integer& day);
    bool IsTargetDate(int year, int month, int day) const;
    bool IsToday(int year, int month, int day) const;

    // --- Jewish year ---
    static bool IsJewishLeap(int year);
    static void MoladAdd(const MoladTime& a, const MoladTime& b, MoladTime& out);
    void SetCyclePosition(int year);
    void ComputeMolad(int year);
    void RunPostponements(int year);
    void NewYearWeekdayOf(int year);
    void ComputeYearType(int year);
    void NewYearShiftOf(int year);
    // False, with nothing changed, for a year outside 5343..10999.
    [[nodiscard]] bool NewYearGregorianDate(int year, Integer& day, Integer& month);
    // Moves the new-year date on to JYear, which the caller has just raised by
    // one. False, with nothing changed, past the last year the engine walks.
    [[nodiscard]] bool AdvanceNewYearDate();

    // --- Jewish months and conversion ---
    void DisplayToInternalMonth();
    Integer DaysFromNewYear(int month, int day) const;
    void OffsetToGregorian(int offset, Integer& year, Integer& month, Integer& day,
                           Integer& weekday) const;
    void NextJewishDay(Integer& month, Integer& day) const;
    // False when the target does not lie within the year that starts at the
    // new year (a caller's fault; the walk never runs on without end).
    [[nodiscard]] bool StepToGregorianDate(Integer& day, Integer& month, Integer& weekday);
    void TargetOnOrAfterNewYear();
    // The Jewish day, month slot and weekday of the target date, with JYear,
    // ResultJYear and the new year's state of that date's Jewish year. False,
    // with nothing changed, for a target date that does not exist or lies
    // outside the years the engine can reach.
    [[nodiscard]] bool FindJewishDate(Integer& day, Integer& month, Integer& weekday);
    // FindJewishDate, keeping the date in JDay, JMonth and JMonthShown.
    [[nodiscard]] bool GregorianToJewish();

    // --- Start-up: today's date converted, and the engine's defaults. False
    // when the system clock lies outside the years the engine can reach. ---
    [[nodiscard]] bool InitEngine();

  private:
    // Writes what finding the new year of year leaves behind.
    void LeaveNewYearOf(int year, Integer& day, Integer& month);
    // The date count days after the new year the engine holds.
    void LeaveDateInYear(int count, Integer& day, Integer& month, Integer& weekday);
    const YearTable& table_;
};

// A Gregorian year the program accepts from its users, 1583 to 7000.
bool IsAcceptedGregorianYear(int year);
// A Jewish year the engine describes, 5343 to 10761 (a date in late 7000 lies in 10761).
bool IsEngineJewishYear(int year);
// A Gregorian date that exists, in any year the engine accepts.
bool IsValidGregorianDate(int year, int month, int day);
// Days since 1 March of year 0; the difference of two of these counts days.
int GregorianDayNumber(int year, int month, int day);
// Weekday, 0 = Sunday.
int GregorianWeekday(int year, int month, int day);

// The key filter of every numeric text box: digits, Backspace, Enter, "+", "-".
bool IsNumberKey(int keyCode);

}  // namespace qavo
