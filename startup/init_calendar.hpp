#pragma once
// The program's state as start-up fills it, and the one start-up routine that
// ties the engine, the reading schedule and the city database together.

#include "engine/engine.hpp"
#include "sunset/city_database.hpp"
#include "sunset/city_file.hpp"

namespace qavo {

struct Calendar {
    explicit Calendar(Platform& platform) : engine(platform) {}
    Engine engine;
    CityDatabase cities;
};

// Runs once, before the main window is shown. The settings file and the city
// database are read from the platform's program directory; `missing` says
// what to do when there is no sunset.dat. False when today's date lies
// outside the years the engine can reach.
bool InitCalendar(Calendar& calendar, MissingCityFile missing = MissingCityFile::AskToCreate);

}  // namespace qavo
