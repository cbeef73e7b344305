#pragma once
// What finding each Jewish year's new year by stepping leaves in the engine,
// recorded once so that a conversion anywhere in the range costs the same.

#include <optional>
#include <vector>

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
    std::optional<MoladTime> probe;  // set when one of its postponement tests ran
};

// The state NewYearGregorianDate(y) leaves beyond that of ComputeYearType(y).
struct NewYearRecord {
    Integer yearShift;
    Integer septDay;                      // [3, 57] within the accepted range
    std::optional<MoladTime> chainProbe;  // last probe written on the way from the anchor
};

class YearTable {
  public:
    static constexpr int kFirstYear = kFirstJewishYear;
    static constexpr int kLastYear = kLastWalkableJewishYear;

    // Steps from the anchors through every year. The engine shares one
    // table, built on first use by Instance().
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
