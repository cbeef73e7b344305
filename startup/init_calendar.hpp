#pragma once
// The program's state as start-up fills it, and the one start-up routine that
// ties the engine, the reading schedule and the city database together.

#include "engine/engine.hpp"
#include "readings/reading_schedule.hpp"

namespace qavo {

struct Calendar {
    explicit Calendar(Platform& platform) : engine(platform) {}
    Engine engine;
    ReadingSchedule readings;
};

enum class StartupResult {
    Ready,
    // Today's date lies outside the years the engine can reach.
    TodayOutOfRange,
    // The reading schedule could not be built; the user has been told and the
    // program must not go on.
    ReadingScheduleRefused,
};

// Runs once, before the main window is shown. `texts` are the schedule texts
// to build the readings from: the program's own, except in tests.
[[nodiscard]] StartupResult InitCalendar(Calendar& calendar,
                                         const ScheduleTexts& texts = ProgramScheduleTexts());

}  // namespace qavo
