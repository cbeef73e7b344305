#pragma once
// What finding each Jewish year's new year leaves in the engine, worked out
// once from the calendar's pure functions so that a conversion anywhere in
// the range costs the same.

#include <optional>
#include <vector>

#include "engine/day_number.hpp"
#include "engine/types.hpp"

namespace qavo {

// The state ComputeYearType(y) leaves for year y.
struct YearTypeRecord {
    MoladTime molad;
    Integer cyclePos;
    Integer commonsBefore;
    Integer leapsBefore;
    Integer newYearWeekday;
    Integer yearType;
    bool postpone;
    std::optional<MoladTime> probe;  // the last postponement probe it writes, if any
};

// The state NewYearGregorianDate(y) leaves beyond that of ComputeYearType(y).
struct NewYearRecord {
    DayNumber newYear;
    Integer yearShift;
    Integer septDay;  // [3, 57] within the accepted range; above 30 means October
    // The last probe written on the way from the year's anchor, which the
    // walk of the year-by-year reckoning leaves behind.
    std::optional<MoladTime> walkProbe;
};

class YearTable {
  public:
    static constexpr int kFirstYear = kFirstJewishYear;
    static constexpr int kLastYear = kLastWalkableJewishYear;

    // The engine shares one table, built on first use by Instance().
    YearTable();
    static const YearTable& Instance();

    static bool Covers(int year) { return year >= kFirstYear && year <= kLastYear; }
    const YearTypeRecord& TypeOf(int year) const { return types_[year - kFirstYear]; }
    const NewYearRecord& NewYearOf(int year) const { return newYears_[year - kFirstYear]; }

  private:
    std::vector<YearTypeRecord> types_;
    std::vector<NewYearRecord> newYears_;
};

}  // namespace qavo
