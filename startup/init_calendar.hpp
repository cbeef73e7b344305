#pragma once
// The program's state as start-up fills it, and the one start-up routine that
// ties the engine, the reading schedule and the city database together.

#include "engine/engine.hpp"
#include "holidays/holiday_options.hpp"
#include "readings/reading_schedule.hpp"
#include "sunset/city_database.hpp"
#include "sunset/city_file.hpp"

namespace qavo {

struct Calendar {
    explicit Calendar(Platform& platform) : engine(platform) {}
    Engine engine;
    ReadingSchedule readings;
    CityDatabase cities;
    HolidayOptions holidayOptions;  // as the settings file keeps them
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
// to build the readings from: the program's own, except in tests. The
// settings file and the city database are read from the platform's program
// directory; `missing` says what to do when there is no sunset.dat.
[[nodiscard]] StartupResult InitCalendar(Calendar& calendar,
                                         const ScheduleTexts& texts = ProgramScheduleTexts(),
                                         MissingCityFile missing = MissingCityFile::AskToCreate);

}  // namespace qavo
