#include "engine/engine.hpp"

#include "engine/year_table.hpp"

namespace qavo {

Engine::Engine(Platform& host) : platform(host), table_(YearTable::Instance()) {}

bool Engine::InitEngine() {
    Molad = {};
    const GregorianDate today = platform.Today();
    TodayGYear = today.year;
    TodayGMonth = today.month;
    TodayGDay = today.day;
    GYear = today.year;
    TargetGMonth = today.month;
    TargetGDay = today.day;
    const bool converted = GregorianToJewish();
    SuccYears = 1;
    PageOriginX = 50;
    PageOriginY = 1000;
    Cancelled = false;
    return converted;
}

}  // namespace qavo
