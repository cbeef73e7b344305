#pragma once
// The date conversion commands and the anniversaries: one Jewish date and the
// Gregorian date it falls on, or, in anniversary mode, the Gregorian dates of
// that Jewish date in successive Jewish years.

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.hpp"
#include "holidays/listed_days.hpp"

namespace qavo {

// The text of JDay of month JMonth (13 slots) of JYear (5343..10761), with
// GYear the Gregorian year of its 1 Tishri. The heading, when not empty,
// opens the text. With AnnivMode, one line for each of SuccYears years (at
// least one). Afterwards JYear and GYear are as they were; JMonth, JDay and,
// in anniversary mode, TargetGMonth/TargetGDay (the first date) are kept.
// nullopt, with nothing changed, for a date outside these ranges or more
// years than MaxSuccessiveYears allows.
std::optional<std::string> ConversionReport(Engine& engine, std::string_view headerText);
// The same with, in anniversary mode, the days it lists: one for each
// Gregorian line, named by the heading or, without one, by the Jewish date.
std::optional<ListedReport> ConversionListing(Engine& engine, std::string_view headerText);

// "Gregorian to Jewish" once its prompts have set GYear, TargetGMonth and
// TargetGDay (and, in anniversary mode, SuccYears): finds the Jewish date and
// builds ConversionReport under the busy pointer. Afterwards GYear is the
// Gregorian year of 1 Tishri of the found JYear. nullopt, with nothing
// changed, for a date that does not exist or lies outside 1583..7000, or for
// too many successive years.
std::optional<std::string> ConvertFromGregorianReport(Engine& engine, std::string_view headerText);
std::optional<ListedReport> ConvertFromGregorianListing(Engine& engine,
                                                        std::string_view headerText);

// "Jewish to Gregorian", before its month-and-day prompt: the type of JYear,
// which gives the prompt the year's months. False, with nothing changed, for
// a year outside 5343..10761.
[[nodiscard]] bool PrepareJewishDatePrompt(Engine& engine);

// The length of the month at 0-based position monthListIndex of the list of
// JYear's months (12 or 13), with YearType set for JYear on the way; 0 for a
// position the year does not have. The month-and-day prompt refuses a day
// beyond it.
int DaysInListedMonth(Engine& engine, int monthListIndex);

// "Jewish to Gregorian" once its prompts have set JYear, GYear and JDay:
// JMonthShown = monthListIndex + 1 (the position in the year's month list,
// counted from 0), JMonth from it, then ConversionReport under the busy
// pointer. nullopt, with nothing changed, for a month or day the year does
// not have, or too many successive years.
std::optional<std::string> ConvertFromJewishReport(Engine& engine, int monthListIndex,
                                                   std::string_view headerText);
std::optional<ListedReport> ConvertFromJewishListing(Engine& engine, int monthListIndex,
                                                     std::string_view headerText);

// Anniversaries run from the given Jewish year to the last the calendar
// reaches (10761): the largest count of successive years from firstJYear.
int MaxSuccessiveYears(int firstJYear);

// The Jewish year of the Gregorian date in GYear, TargetGMonth, TargetGDay
// (the first year of an anniversary list from a Gregorian date), found
// without changing the engine; nullopt for a date outside the range.
std::optional<int> JewishYearOfTargetDate(const Engine& engine);

// The check of the heading dialog's successive-years box (its text, read as
// the box reads numbers) for a list that starts in firstJYear: nullopt when
// the count is accepted (0 or less gives one date), else the message that
// refuses it, to be shown with the title "Entry Error".
std::optional<std::string> SuccessiveYearsRefusal(std::string_view boxText, int firstJYear);

}  // namespace qavo
