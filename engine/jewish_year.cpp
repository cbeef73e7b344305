#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"
#include "engine/jewish_calendar.hpp"
#include "engine/number_text.hpp"
#include "engine/year_table.hpp"

namespace qavo {

bool IsEngineJewishYear(int year) {
    return year >= kFirstJewishYear && year <= kLastEngineJewishYear;
}

bool Engine::IsJewishLeap(int year) {
    return IsJewishLeapYear(year);
}

void Engine::MoladAdd(const MoladTime& a, const MoladTime& b, MoladTime& out) {
    out = AddMolad(a, b);
}

void Engine::SetCyclePosition(int year) {
    CyclePos = static_cast<Integer>(year % 19);
    CommonsBefore = kCommonsBeforeTable[CyclePos];
    LeapsBefore = kLeapsBeforeTable[CyclePos];
}

void Engine::ComputeMolad(int year) {
    Molad = MoladOfTishri(year);
}

void Engine::RunPostponements(int year) {
    const NewYearPostponement result = PostponeNewYear(Molad, year);
    Postpone = result.postponed;
    if (result.probe) {
        MoladProbe = *result.probe;
    }
    NewYearWeekday = result.weekday;
}

void Engine::NewYearWeekdayOf(int year) {
    SetCyclePosition(year);
    ComputeMolad(year);
    RunPostponements(year);
}

void Engine::ComputeYearType(int year) {
    if (YearTable::Covers(year)) {
        const YearTypeRecord& r = table_.TypeOf(year);
        Molad = r.molad;
        CyclePos = r.cyclePos;
        CommonsBefore = r.commonsBefore;
        LeapsBefore = r.leapsBefore;
        NewYearWeekday = r.newYearWeekday;
        YearType = r.yearType;
        Postpone = r.postpone;
        if (r.probe) {
            MoladProbe = *r.probe;
        }
        return;
    }
    NewYearWeekdayOf(year + 1);
    const int nextWeekday = NewYearWeekday;
    NewYearWeekdayOf(year);
    const int d = (nextWeekday - NewYearWeekday + 7) % 7;  // the year's length modulo 7
    int type = 0;
    if (IsJewishLeap(year)) {
        type = d == 5 ? 4 : d == 6 ? 5 : d == 0 ? 6 : 0;
    } else {
        type = d == 3 ? 1 : d == 4 ? 2 : d == 5 ? 3 : 0;
    }
    if (type == 0) {
        platform.ShowMessage("Error in year " + BlankSigned(year), "Calculation Error",
                             MessageIcon::Stop, MessageButtons::Ok);
        return;
    }
    YearType = static_cast<Integer>(type);
}

void Engine::NewYearShiftOf(int year) {
    const int leapIndex = IsGregorianLeap(year - 3760) ? 1 : 0;
    YearShift = kNewYearShift[leapIndex][YearType - 1];
}

namespace {

void SeptDayToDate(int septDay, Integer& day, Integer& month) {
    day = static_cast<Integer>(septDay > 30 ? septDay - 30 : septDay);
    month = septDay > 30 ? 10 : 9;
}

}  // namespace

void Engine::LeaveNewYearOf(int year, Integer& day, Integer& month) {
    ComputeYearType(year);
    const NewYearRecord& r = table_.NewYearOf(year);
    YearShift = r.yearShift;
    RunningShift = r.yearShift;
    RunningSeptDay = r.septDay;
    SeptDayToDate(r.septDay, day, month);
    if (r.walkProbe) {
        MoladProbe = *r.walkProbe;
    }
}

bool Engine::NewYearGregorianDate(int year, Integer& day, Integer& month) {
    if (!YearTable::Covers(year)) {
        return false;
    }
    LeaveNewYearOf(year, day, month);
    return true;
}

bool Engine::AdvanceNewYearDate() {
    if (!YearTable::Covers(JYear)) {
        return false;
    }
    ComputeYearType(JYear);
    NewYearShiftOf(JYear);
    const int septDay = RunningSeptDay + RunningShift;  // [3, 57]
    SeptDayToDate(septDay, NewYearGDay, NewYearGMonth);
    RunningShift = YearShift;
    RunningSeptDay = static_cast<Integer>(septDay);
    return true;
}

}  // namespace qavo
