#include <algorithm>

#include "engine/calendar_tables.hpp"
#include "engine/engine.hpp"
#include "engine/number_text.hpp"
#include "engine/year_table.hpp"

namespace qavo {

bool IsEngineJewishYear(int year) {
    return year >= kFirstJewishYear && year <= kLastEngineJewishYear;
}

bool Engine::IsJewishLeap(int year) {
    switch (year % 19) {
        case 0:
        case 3:
        case 6:
        case 8:
        case 11:
        case 14:
        case 17:
            return true;
        default:
            return false;
    }
}

void Engine::MoladAdd(const MoladTime& a, const MoladTime& b, MoladTime& out) {
    int s = a.Part + b.Part;  // [0, 34]
    out.Part = s % 18;
    int carry = s / 18;
    s = a.Minute + b.Minute + carry;  // [0, 119]
    out.Minute = s % 60;
    carry = s / 60;
    s = a.Hour + b.Hour + carry;  // [0, 47]
    out.Hour = s % 24;
    carry = s / 24;
    out.Day = (a.Day + b.Day + carry) % 7;
}

void Engine::MoladTimes(const MoladTime& a, int n, MoladTime& out) {
    // With n at most 578 (year 10999) every product stays within 16 bits.
    int s = a.Part * n;
    const int part = s % 18;
    int carry = s / 18;
    s = a.Minute * n + carry;
    const int minute = s % 60;
    carry = s / 60;
    s = a.Hour * n + carry;
    const int hour = s % 24;
    carry = s / 24;
    out.Day = (a.Day * n + carry) % 7;
    out.Hour = hour;
    out.Minute = minute;
    out.Part = part;
}

void Engine::SetCyclePosition(int year) {
    CyclePos = year % 19;
    CommonsBefore = kCommonsBeforeTable[CyclePos];
    LeapsBefore = kLeapsBeforeTable[CyclePos];
}

void Engine::ComputeMolad(int year) {
    MoladTime cycles;
    MoladTimes(kMoladCycle, (year - 1) / 19, cycles);
    MoladAdd(kMoladEpoch, cycles, Molad);
    for (int i = 0; i < CommonsBefore; ++i) {
        MoladAdd(Molad, kMoladCommonYear, Molad);
    }
    for (int i = 0; i < LeapsBefore; ++i) {
        MoladAdd(Molad, kMoladLeapYear, Molad);
    }
}

void Engine::RunPostponements(int year) {
    // Hours are civil, counted from midnight: the old-molad threshold is noon.
    Postpone = Molad.Hour >= 12;
    if (!IsJewishLeap(year) && Molad.Day == 2) {
        MoladAdd(Molad, kGataradAdd, MoladProbe);
        if (MoladProbe.Hour >= 4) {
            Postpone = true;
        }
    }
    if (IsJewishLeap(year - 1) && Molad.Day == 1) {
        MoladAdd(Molad, kBetutakpatAdd, MoladProbe);
        if (MoladProbe.Hour >= 10) {
            Postpone = true;
        }
    }
    int weekday = Molad.Day;
    if (Postpone) {
        weekday = (weekday + 1) % 7;
    }
    if (weekday == 0 || weekday == 3 || weekday == 5) {  // never Sunday, Wednesday or Friday
        weekday = (weekday + 1) % 7;
    }
    NewYearWeekday = weekday;
}

void Engine::NewYearWeekdayOf(int year) {
    SetCyclePosition(year);
    ComputeMolad(year);
    RunPostponements(year);
}

void Engine::ComputeYearType(int year) {
    if (reckoning != Reckoning::Stepping && YearTable::Covers(year)) {
        const YearTypeRecord& r = table_->TypeOf(year);
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
    int d = nextWeekday - NewYearWeekday;  // the year's length modulo 7
    if (d < 0) {
        d += 7;
    }
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
    YearType = type;
}

void Engine::NewYearShiftOf(int year) {
    const int leapIndex = IsGregorianLeap(year - 3760) ? 1 : 0;
    YearShift = kNewYearShift[leapIndex][YearType - 1];
}

namespace {
const NewYearAnchor& AnchorOf(int year) {
    auto after = std::upper_bound(kNewYearAnchors.begin(), kNewYearAnchors.end(), year,
                                  [](int y, const NewYearAnchor& a) { return y < a.year; });
    return *(after - 1);
}
}  // namespace

void Engine::PassNewYear(int year, Integer& day, Integer& month) {
    ComputeYearType(year);
    NewYearShiftOf(year);
    const int septDay = RunningSeptDay + RunningShift;
    if (septDay > 30) {
        day = septDay - 30;
        month = 10;
    } else {
        day = septDay;
        month = 9;
    }
    RunningShift = YearShift;
    RunningSeptDay = septDay;
}

void Engine::StartFromAnchor(int year, Integer& day) {
    const NewYearAnchor& anchor = AnchorOf(year);
    day = anchor.septDay;
    RunningShift = 0;
    RunningSeptDay = anchor.septDay;
}

bool Engine::NewYearGregorianDate(int year, Integer& day, Integer& month) {
    if (!YearTable::Covers(year)) {
        return false;
    }
    if (reckoning == Reckoning::Stepping) {
        StartFromAnchor(year, day);
        for (int y = AnchorOf(year).year; y <= year; ++y) {
            PassNewYear(y, day, month);
        }
        return true;
    }
    ComputeYearType(year);
    NewYearShiftOf(year);
    const NewYearRecord& r = table_->NewYearOf(year);
    RunningShift = YearShift;
    RunningSeptDay = r.septDay;
    day = r.septDay > 30 ? r.septDay - 30 : r.septDay;
    month = r.septDay > 30 ? 10 : 9;
    if (r.chainProbe) {
        MoladProbe = *r.chainProbe;
    }
    return true;
}

bool Engine::AdvanceNewYearDate() {
    if (!YearTable::Covers(JYear)) {
        return false;
    }
    PassNewYear(JYear, NewYearGDay, NewYearGMonth);
    return true;
}

YearTable::YearTable() {
    types_.reserve(kLastYear - kFirstYear + 1);
    newYears_.reserve(kLastYear - kFirstYear + 1);

    struct SilentPlatform final : Platform {
        MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon,
                                  MessageButtons) override {
            return MessageAnswer::Ok;
        }
        void BusyCursorOn() override {}
        void BusyCursorOff() override {}
        GregorianDate Today() override { return {}; }
        std::string ProgramDirectory() override { return {}; }
    } silent;
    Engine stepper(silent, Reckoning::Stepping);

    // One walk per anchor, recording after each pass what the walk to that
    // year would leave behind. A probe value of -1 marks "not written".
    constexpr MoladTime kUnwritten = {-1, -1, -1, -1};
    std::optional<MoladTime> chainProbe;
    Integer day = 0;
    Integer month = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        if (AnchorOf(year).year == year) {
            stepper.StartFromAnchor(year, day);
            chainProbe.reset();
        }
        stepper.MoladProbe = kUnwritten;
        stepper.PassNewYear(year, day, month);
        std::optional<MoladTime> probe;
        if (stepper.MoladProbe != kUnwritten) {
            probe = stepper.MoladProbe;
            chainProbe = probe;
        }
        types_.push_back({stepper.Molad, stepper.CyclePos, stepper.CommonsBefore,
                          stepper.LeapsBefore, stepper.NewYearWeekday, stepper.YearType,
                          stepper.Postpone, probe});
        newYears_.push_back({stepper.YearShift, stepper.RunningSeptDay, chainProbe});
    }
}

const YearTable& YearTable::Instance() {
    static const YearTable table;
    return table;
}

}  // namespace qavo
